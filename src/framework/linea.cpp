#include "linea.h"

#include "controllo.h"

#include <QPainter>
#include <cmath>

Linea::Linea(QWidget *padre)
    : QWidget(padre)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::setPunto(int i, double twip)
{
    m_p[i] = twip;
    aggiornaGeometria();
}

void Linea::setPunti(double x1, double y1, double x2, double y2)
{
    m_p[0] = x1;
    m_p[1] = y1;
    m_p[2] = x2;
    m_p[3] = y2;
    aggiornaGeometria();
}

void Linea::aggiornaGeometria()
{
    const double l = std::min(m_p[0], m_p[2]) / TwipPerPixel;
    const double t = std::min(m_p[1], m_p[3]) / TwipPerPixel;
    const double r = std::max(m_p[0], m_p[2]) / TwipPerPixel;
    const double b = std::max(m_p[1], m_p[3]) / TwipPerPixel;
    setGeometry(int(std::lround(l)), int(std::lround(t)), int(std::lround(r - l)) + 1, int(std::lround(b - t)) + 1);
    update();
}

void Linea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPointF o(std::min(m_p[0], m_p[2]) / TwipPerPixel, std::min(m_p[1], m_p[3]) / TwipPerPixel);
    p.drawLine(QPointF(m_p[0] / TwipPerPixel, m_p[1] / TwipPerPixel) - o,
               QPointF(m_p[2] / TwipPerPixel, m_p[3] / TwipPerPixel) - o);
}
