#include "iconascalata.h"

#include <QResizeEvent>
#include <cmath>

IconaScalata::IconaScalata(const QString &piccolo, const QString &grande, QWidget *padre)
    : QLabel(padre)
    , m_piccolo(piccolo)
    , m_grande(grande)
{
    setAlignment(Qt::AlignCenter);
}

void IconaScalata::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    aggiorna();
}

void IconaScalata::aggiorna()
{
    const qreal dpr = devicePixelRatioF();
    const QSize bersaglio(int(std::lround(width() * dpr)), int(std::lround(height() * dpr)));
    if (bersaglio.isEmpty())
        return;
    // Blowing the 32-pixel picture up to more than one and a half times its
    // size makes it visibly blurred; the 64-pixel one takes over from there.
    const bool grande = !m_grande.isNull()
        && (m_piccolo.isNull() || std::min(bersaglio.width(), bersaglio.height()) > m_piccolo.width() * 3 / 2);
    const QPixmap &sorgente = grande ? m_grande : m_piccolo;
    m_usata = sorgente.isNull() ? 0 : (grande ? 2 : 1);
    if (sorgente.isNull()) {
        clear();
        return;
    }
    // The aspect ratio is kept: the layout scales width and height by
    // different ratios, and a squashed face reads as a different face.
    QPixmap p = sorgente.scaled(bersaglio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.setDevicePixelRatio(dpr);
    setPixmap(p);
}
