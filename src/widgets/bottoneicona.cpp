#include "bottoneicona.h"

#include "iconascalata.h"

#include <QIcon>
#include <QResizeEvent>
#include <cmath>

BottoneIcona::BottoneIcona(const QString &piccolo, const QString &grande, QWidget *padre)
    : QPushButton(padre)
    , m_piccolo(piccolo)
    , m_grande(grande)
{
}

void BottoneIcona::resizeEvent(QResizeEvent *e)
{
    QPushButton::resizeEvent(e);
    // Room for the button's frame. QIcon never enlarges a picture beyond
    // its own size, so the picture is scaled here for the size in hand.
    const int lato = std::max(8, std::min(width(), height()) * 3 / 4);
    const qreal dpr = devicePixelRatioF();
    const int latoDevice = int(std::lround(lato * dpr));
    QPixmap p = scalaIcona(m_piccolo, m_grande, QSize(latoDevice, latoDevice));
    p.setDevicePixelRatio(dpr);
    setIcon(p.isNull() ? QIcon() : QIcon(p));
    setIconSize(QSize(lato, lato));
}
