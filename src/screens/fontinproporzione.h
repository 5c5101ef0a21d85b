#pragma once

#include <QFont>
#include <QList>
#include <QPointer>

class QWidget;
class Schermo;

// Grows and shrinks the text of a screen's controls with the screen. The
// layout scaling moves and sizes the controls only, so on a large display
// the designed point sizes would leave small text in large buttons. The
// factor is the smaller of the two ratios between the inner size and the
// designed one, so text never outgrows the control it was designed for.
class FontInProporzione
{
public:
    // Records the fonts the screen's controls have now (the designed ones).
    explicit FontInProporzione(const Schermo &schermo);

    // Sizes every recorded font for the screen's current inner size.
    void applica();

    // The factor for the screen's current inner size.
    double fattore() const;

private:
    struct Voce {
        QPointer<QWidget> widget;
        QFont font;
    };
    QPointer<const Schermo> m_schermo;
    QList<Voce> m_voci;
    double m_applicato = 1.0;
};
