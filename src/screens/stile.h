#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// The designed look of the screens, made to show the same under every Qt
// style (Fusion included, which ignores a button's palette colour for
// some states).

// A font by its designed family name and size in points; the family is
// mapped to an installed one by the substitutions set at start-up.
QFont fontProgetto(const QString &famiglia, double punti, bool grassetto);

// A plain background colour painted behind the widget's children.
void coloraSfondo(QWidget *w, const QColor &colore);

// A button with the designed background colour, raised, sunken while
// pressed, and with a clear mark when it has the keyboard focus.
void coloraBottone(QAbstractButton *b, const QColor &sfondo);

// A label that draws only its text, in the given colour, over whatever
// lies below it.
void coloraEtichetta(QLabel *l, const QColor &testo);
