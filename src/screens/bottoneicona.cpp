#include "bottoneicona.h"

#include <QResizeEvent>

BottoneIcona::BottoneIcona(const QIcon &icona, QWidget *padre)
    : QPushButton(padre)
{
    setIcon(icona);
}

void BottoneIcona::resizeEvent(QResizeEvent *e)
{
    QPushButton::resizeEvent(e);
    // Leave room for the button's frame; QIcon picks the closest of its
    // pictures (the 32 or the 64 pixel one) and scales it.
    const int lato = std::max(8, std::min(width(), height()) * 3 / 4);
    setIconSize(QSize(lato, lato));
}
