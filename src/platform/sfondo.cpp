#include "sfondo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPaintEvent>

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
    m_cache = QImage();
    update();
}

void Sfondo::setFincolor(const QColor &c)
{
    m_fincolor = c;
    m_cache = QImage();
    update();
}

void Sfondo::resizeEvent(QResizeEvent *e)
{
    m_cache = QImage();
    QWidget::resizeEvent(e);
}

void Sfondo::paintEvent(QPaintEvent *e)
{
    if (m_cache.size() != size() && !size().isEmpty()) {
        m_cache = QImage(size(), QImage::Format_RGB32);
        QPainter p(&m_cache);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, m_color);
        g.setColorAt(1, m_fincolor);
        p.fillRect(m_cache.rect(), g);
    }
    QPainter p(this);
    p.drawImage(e->rect(), m_cache, e->rect());
}
