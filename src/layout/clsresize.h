#pragma once

#include <QList>
#include <QPointer>

#include "controllo.h"

class Schermo;

// Scales a screen and its controls in proportion to its size. The layout is
// captured once at design size; every rescale works from those captured
// measures, so repeated resizes never accumulate rounding errors. A
// control's tag "@L,T,W,H" says which of its measures follow the screen.
class clsResize
{
public:
    clsResize() = default;
    ~clsResize();

    void setSourceForm(Schermo *New_SourceForm);

    void ReInitialise();
    void SizeFormToScreen(quint8 Percent);
    void ResizeControls();

    qint32 larghezzaCatturata() const { return m_larghezza; }
    qint32 altezzaCatturata() const { return m_altezza; }

private:
    // Which measures a tag makes follow the screen: L, T, W, H.
    struct Misure {
        bool l, t, w, h;
    };
    static Misure regolaTag(const QString &tag);

    // Where SizeFormToScreen puts a screen on a display of the given size
    // (any unit, the same as the screens' outer measures).
    struct Collocazione {
        float top;
        float left;
        qint32 height;
        qint32 width;
    };
    static Collocazione collocazione(quint8 Percent, double larghezzaDisplay, double altezzaDisplay);

    // Nearest integer, halves to the even neighbour (how measures are captured).
    static qint32 arrotonda(double v);

    struct ControlLayout {
        Controllo controllo;
        qint32 m[4];
    };
    void CaptureLayout();

    QPointer<Schermo> m_form;
    qint32 m_larghezza = 0;
    qint32 m_altezza = 0;
    QList<ControlLayout> m_tabella;
    bool m_primaVolta = true;
};
