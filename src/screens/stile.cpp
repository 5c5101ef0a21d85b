#include "stile.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>
#include <QWidget>

QFont fontProgetto(const QString &famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void coloraSfondo(QWidget *w, const QColor &colore)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void coloraBottone(QAbstractButton *b, const QColor &sfondo)
{
    const QString base = sfondo.name();
    const QString chiaro = sfondo.lighter(108).name();
    const QString scuro = sfondo.darker(130).name();
    const QString bordo = sfondo.darker(170).name();
    b->setStyleSheet(QStringLiteral("QAbstractButton { background-color: %1; color: black;"
                                    " border: 3px outset %4; border-radius: 6px; padding: 2px 6px; }"
                                    "QAbstractButton:hover { background-color: %2; }"
                                    "QAbstractButton:pressed { background-color: %3; border-style: inset; }"
                                    "QAbstractButton:focus { border: 3px solid black; }"
                                    "QAbstractButton:disabled { color: %4; }")
                         .arg(base, chiaro, scuro, bordo));
}

void coloraEtichetta(QLabel *l, const QColor &testo)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, testo);
    l->setPalette(p);
    l->setAutoFillBackground(false);
}
