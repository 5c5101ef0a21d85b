#include "barraparti.h"

#include <QPainter>

BarraParti::BarraParti(QWidget *padre)
    : QWidget(padre)
{
}

void BarraParti::setNumeri(int intero, int parte1, int parte2)
{
    m_intero = intero;
    m_parte1 = parte1;
    m_parte2 = parte2;
    update();
}

void BarraParti::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal bordo = qMax(2.0, height() / 40.0);
    const qreal spazio = qMax(2.0, height() / 16.0);
    const QRectF tutto = QRectF(rect()).adjusted(bordo / 2, bordo / 2, -bordo / 2, -bordo / 2);
    const qreal banda = (tutto.height() - spazio) / 2;
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(qMax(8, int(banda * 0.62)));
    p.setFont(f);
    auto riquadro = [&](const QRectF &r, const QColor &colore, int numero) {
        p.setPen(QPen(Qt::black, bordo));
        p.setBrush(colore);
        p.drawRoundedRect(r, bordo * 2, bordo * 2);
        p.drawText(r, Qt::AlignCenter, QString::number(numero));
    };
    riquadro(QRectF(tutto.left(), tutto.top(), tutto.width(), banda), QColor(170, 210, 255), m_intero);
    // A part of 0 keeps a narrow box, so that its number is still there.
    const qreal a = qMax(0.5, qreal(m_parte1));
    const qreal b = qMax(0.5, qreal(m_parte2));
    const qreal sotto = tutto.top() + banda + spazio;
    const qreal primo = tutto.width() * a / (a + b);
    riquadro(QRectF(tutto.left(), sotto, primo, banda), QColor(255, 225, 140), m_parte1);
    riquadro(QRectF(tutto.left() + primo, sotto, tutto.width() - primo, banda), QColor(190, 240, 170), m_parte2);
}
