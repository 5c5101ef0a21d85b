#include "cornice.h"

#include <QEvent>
#include <QPainter>

Cornice::Cornice(QWidget *su)
    : QWidget(su)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(su->rect());
    su->installEventFilter(this);
}

void Cornice::setNumero(const QString &numero)
{
    m_numero = numero;
    setAccessibleName(numero);
    update();
}

bool Cornice::eventFilter(QObject *o, QEvent *e)
{
    if (o == parent() && e->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(o, e);
}

void Cornice::paintEvent(QPaintEvent *)
{
    // Orange inside black: clear on the white labels, on the pale and on the
    // dark blue of the background alike.
    const QColor arancio(255, 140, 0);
    const int lato = qMin(width(), height());
    const int spessore = qBound(6, lato / 8, 14);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, spessore));
    p.drawRoundedRect(QRectF(rect()).adjusted(spessore / 2.0, spessore / 2.0, -spessore / 2.0, -spessore / 2.0),
                      spessore, spessore);
    p.setPen(QPen(arancio, spessore * 0.6));
    p.drawRoundedRect(QRectF(rect()).adjusted(spessore / 2.0, spessore / 2.0, -spessore / 2.0, -spessore / 2.0),
                      spessore, spessore);
    if (m_numero.isEmpty())
        return;
    const qreal r = lato * 0.19;
    const QRectF cerchio(spessore, spessore, 2 * r, 2 * r);
    p.setPen(QPen(Qt::black, qMax(1.0, spessore * 0.3)));
    p.setBrush(arancio);
    p.drawEllipse(cerchio);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(qMax(8, int(r * 1.3)));
    p.setFont(f);
    p.drawText(cerchio, Qt::AlignCenter, m_numero);
}
