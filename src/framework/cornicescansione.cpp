#include "cornicescansione.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace {
// Relative luminance, as the contrast of two colours is measured.
double luminanza(QRgb c)
{
    auto lineare = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(qRed(c)) + 0.7152 * lineare(qGreen(c)) + 0.0722 * lineare(qBlue(c));
}

double contrasto(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
} // namespace

CorniceScansione::CorniceScansione(QWidget *finestra)
    : QWidget(finestra)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("CorniceScansione"));
    hide();
}

void CorniceScansione::circonda(QWidget *bersaglio, int spessore)
{
    const QRect r(bersaglio->mapTo(parentWidget(), QPoint(0, 0)), bersaglio->size());
    const QRect anello = r.adjusted(-spessore, -spessore, spessore, spessore) & parentWidget()->rect();
    if (isVisible() && anello == geometry() && spessore == m_spessore) {
        raise(); // over anything shown since
        return;
    }
    m_spessore = spessore;
    setGeometry(anello);
    m_colore = scegliColore();
    raise();
    show();
    update();
}

QColor CorniceScansione::scegliColore()
{
    // What the ring covers, without the ring: each colour gets the share of
    // those pixels it stands out from by 3 to 1 at least, the larger wins.
    hide();
    const QImage sotto = parentWidget()->grab(geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    const std::array<QColor, 2> colori{QColor(Qt::black), QColor(255, 255, 0)};
    std::array<int, 2> bene{};
    const int s = m_spessore;
    for (int y = 0; y < sotto.height(); y += 2) {
        const auto *riga = reinterpret_cast<const QRgb *>(sotto.constScanLine(y));
        for (int x = 0; x < sotto.width(); x += 2) {
            if (x >= s && x < sotto.width() - s && y >= s && y < sotto.height() - s)
                continue; // the target itself
            const double l = luminanza(riga[x]);
            for (size_t k = 0; k < colori.size(); ++k)
                bene[k] += contrasto(l, luminanza(colori[k].rgb())) >= 3.0;
        }
    }
    return bene[1] > bene[0] ? colori[1] : colori[0];
}

void CorniceScansione::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPainterPath anello;
    anello.setFillRule(Qt::OddEvenFill);
    anello.addRect(rect());
    anello.addRect(rect().adjusted(m_spessore, m_spessore, -m_spessore, -m_spessore));
    p.fillPath(anello, m_colore);
}
