#include "sfondo.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

Sfondo::Sfondo(QWidget *padre)
    : QWidget(padre)
    , m_color(0, 0, 255)
    , m_fincolor(0, 0, 0)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Sfondo::setColor(const QColor &c)
{
    m_color = c;
    update();
}

void Sfondo::setFincolor(const QColor &c)
{
    m_fincolor = c;
    update();
}

void Sfondo::paintEvent(QPaintEvent *e)
{
    // Painted straight into the window's buffer, only where it is exposed.
    // A vertical two-colour gradient costs no more than copying a cached
    // picture of it would, and a full-screen cache would be one more large
    // buffer to fill before the first paint.
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_color);
    g.setColorAt(1, m_fincolor);
    p.fillRect(e->rect(), g);
}
