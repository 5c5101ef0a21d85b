#include "iconascalata.h"

#include <QResizeEvent>
#include <cmath>

QPixmap scalaIcona(const QPixmap &piccolo, const QPixmap &grande, const QSize &bersaglio)
{
    // Blowing the small picture up to more than one and a half times its
    // size makes it visibly blurred; the large one takes over from there.
    const bool perGrande = !grande.isNull()
        && (piccolo.isNull() || std::min(bersaglio.width(), bersaglio.height()) > piccolo.width() * 3 / 2);
    const QPixmap &sorgente = perGrande ? grande : piccolo;
    if (sorgente.isNull() || bersaglio.isEmpty())
        return QPixmap();
    return sorgente.scaled(bersaglio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

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
    QPixmap p = scalaIcona(m_piccolo, m_grande, bersaglio);
    if (p.isNull()) {
        clear();
        return;
    }
    p.setDevicePixelRatio(dpr);
    setPixmap(p);
}
