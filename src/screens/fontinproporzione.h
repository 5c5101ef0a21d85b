#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class Schermo;

// Grows and shrinks the text of a screen's controls with the screen. The
// layout scaling moves and sizes the controls only, so on a large display
// the designed point sizes would leave small text in large buttons. The
// factor is the smaller of the two ratios between the inner size and the
// designed one. A caption longer than the designed one (another language,
// a long story sentence) may still not fit at that size: then that control
// alone gets the largest size that fits, down to a readable floor. The menu
// bar, which keeps the toolkit's font, grows with the factor too.
class FontInProporzione : public QObject
{
public:
    // Records the fonts the screen's controls have now (the designed ones).
    // A language switch tells the screen with QEvent::LanguageChange, and
    // every control is fitted to its new caption.
    explicit FontInProporzione(Schermo &schermo);

    // Sizes every recorded font for the screen's current inner size.
    void applica();

    // Sizes the menu bar for the screen's current size. Its height is taken
    // from the area the controls share, so it comes before their layout.
    void applicaBarra();

    // Fits one control again after its text has changed; only its own text
    // is measured (a hidden one's, once it is shown).
    void adatta(QWidget *w);

    // The factor for the screen's current inner size.
    double fattore() const;

    // The smallest size a caption is shrunk to, for a designed size.
    static double minimo(double puntiDisegnati);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    struct Voce {
        QPointer<QWidget> widget;
        QFont font;
    };
    void dimensiona(const Voce &v, double f);
    void dimensionaVisibile(const Voce &v, double f);
    void tutte(double f);

    QPointer<const Schermo> m_schermo;
    QList<Voce> m_voci;
    // Hidden controls are fitted when they are shown, to the factor applied
    // by then: most hidden ones get a new text before anyone sees them.
    QList<QWidget *> m_daFare;
    Voce m_barra;
    double m_applicato = 1.0;
};
