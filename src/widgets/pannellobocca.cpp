#include "pannellobocca.h"

#include "motorevoce.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {
// About 16 frames a second: enough for a mouth, gentle on a shared machine.
constexpr int IntervalloMs = 60;

const QColor ColoreFondo(255, 246, 224);
const QColor ColoreBordo(214, 170, 120);
const QColor ColoreGuance(255, 170, 170, 120);
const QColor ColoreLabbra(214, 69, 90);
const QColor ColoreBocca(110, 16, 34);
const QColor ColoreLingua(236, 116, 128);
const QColor ColoreBottone(34, 139, 87);
const QColor ColoreBottonePremuto(22, 100, 62);
} // namespace

PannelloBocca::PannelloBocca(MotoreVoce *motore, QWidget *padre)
    : QAbstractButton(padre)
    , m_motore(motore)
{
    setText(QStringLiteral("Ascolta"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_tempo.setInterval(IntervalloMs);
    connect(&m_tempo, &QTimer::timeout, this, &PannelloBocca::passo);
    if (m_motore) {
        connect(m_motore, &MotoreVoce::statoCambiato, this, &PannelloBocca::statoCambiato);
        // An engine that goes away in mid-sentence must not leave the mouth
        // (and its timer) running.
        connect(m_motore, &QObject::destroyed, this, [this] { statoCambiato(false); });
        // The one thing the panel does: ask the engine for a sample.
        connect(this, &QAbstractButton::clicked, m_motore, [this] {
            if (m_motore)
                Q_EMIT m_motore->SampleRequest();
        });
        if (m_motore->SpeakingStatus() != 0)
            statoCambiato(true);
    }
}

QSize PannelloBocca::sizeHint() const
{
    return QSize(153, 121); // the designed 2295 by 1815 twips
}

QRect PannelloBocca::rettangoloBottone() const
{
    const int margine = std::max(3, height() / 20);
    const int alto = std::max(18, height() * 28 / 100);
    return QRect(margine, height() - margine - alto, width() - 2 * margine, alto);
}

bool PannelloBocca::hitButton(const QPoint &pos) const
{
    return rettangoloBottone().contains(pos);
}

void PannelloBocca::mouseMoveEvent(QMouseEvent *e)
{
    setCursor(hitButton(e->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QAbstractButton::mouseMoveEvent(e);
}

void PannelloBocca::statoCambiato(bool parla)
{
    if (parla) {
        if (!m_tempo.isActive()) {
            m_orologio.start();
            m_tempo.start();
        }
        passo();
        return;
    }
    // An idle panel costs no timer at all.
    m_tempo.stop();
    m_apertura = 0.0;
    update();
}

void PannelloBocca::passo()
{
    // Two slow waves mixed so that the mouth opens to a different width on
    // every syllable instead of flapping like a metronome.
    const double t = double(m_orologio.elapsed()) / 1000.0;
    const double sillabe = std::abs(std::sin(2 * std::numbers::pi * 2.3 * t));
    const double respiro = 0.55 + 0.45 * std::sin(2 * std::numbers::pi * 0.7 * t + 1.0);
    m_apertura = std::clamp(0.15 + 0.85 * sillabe * respiro, 0.0, 1.0);
    update();
}

void PannelloBocca::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF tutto = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double raggio = std::min(tutto.width(), tutto.height()) * 0.12;
    p.setPen(QPen(ColoreBordo, 2));
    p.setBrush(ColoreFondo);
    p.drawRoundedRect(tutto, raggio, raggio);

    const QRect bottone = rettangoloBottone();
    const QRectF viso(tutto.left(), tutto.top(), tutto.width(), bottone.top() - tutto.top());
    disegnaViso(p, viso);
    disegnaBottone(p, bottone);
}

void PannelloBocca::disegnaViso(QPainter &p, const QRectF &area) const
{
    const double w = std::min(area.width() * 0.62, area.height() * 1.5);
    const double cx = area.center().x();
    const double cy = area.top() + area.height() * 0.42;
    const double sorriso = w * 0.10; // the corners sit higher than the middle
    const double apertura = m_apertura * w * 0.30;
    const double labbro = w * 0.07;

    // Rosy cheeks beside the corners of the mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(ColoreGuance);
    const double rg = w * 0.1;
    p.drawEllipse(QPointF(cx - w * 0.64, cy - rg * 0.3), rg, rg * 0.75);
    p.drawEllipse(QPointF(cx + w * 0.64, cy - rg * 0.3), rg, rg * 0.75);

    const QPointF sx(cx - w / 2, cy);
    const QPointF dx(cx + w / 2, cy);
    // A quadratic curve passes halfway to its control point: doubling the
    // depth puts the middle of the curve where it is wanted.
    const QPointF ctrlSopra(cx, cy + 2 * sorriso - apertura * 0.6);
    const QPointF ctrlSotto(cx, cy + 2 * sorriso + apertura * 1.4);

    // The lips: an upper edge with a small bow, a lower edge below the
    // opening.
    QPainterPath labbra(sx);
    labbra.quadTo(QPointF(cx - w * 0.25, cy - labbro * 1.6 - apertura * 0.3),
                  QPointF(cx, cy - labbro * 0.4 - apertura * 0.3 + sorriso * 0.5));
    labbra.quadTo(QPointF(cx + w * 0.25, cy - labbro * 1.6 - apertura * 0.3), dx);
    labbra.quadTo(ctrlSotto + QPointF(0, labbro * 2.6), sx);
    p.setBrush(ColoreLabbra);
    p.drawPath(labbra);

    QPainterPath interno(sx);
    interno.quadTo(ctrlSopra, dx);
    interno.quadTo(ctrlSotto, sx);
    if (m_apertura > 0.0) {
        p.setBrush(ColoreBocca);
        p.drawPath(interno);
        p.save();
        p.setClipPath(interno);
        const QRectF bordi = interno.boundingRect();
        p.setBrush(Qt::white);
        p.drawRect(QRectF(cx - w * 0.3, bordi.top(), w * 0.6, bordi.height() * 0.22));
        p.setBrush(ColoreLingua);
        p.drawEllipse(QPointF(cx, bordi.bottom()), w * 0.22, bordi.height() * 0.45);
        p.restore();
    } else {
        // Closed: only the line where the lips meet.
        QPainterPath riga(sx);
        riga.quadTo(ctrlSopra, dx);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ColoreBocca, std::max(1.5, w * 0.025), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(riga);
    }
}

void PannelloBocca::disegnaBottone(QPainter &p, const QRect &r) const
{
    QColor fondo = isDown() ? ColoreBottonePremuto : ColoreBottone;
    if (!isEnabled())
        fondo = QColor(150, 150, 150);
    const double raggio = r.height() * 0.3;
    p.setPen(hasFocus() ? QPen(QColor(20, 60, 160), 3) : QPen(fondo.darker(130), 1));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(r), raggio, raggio);

    // The play sign in a white disc: readable even when the caption is not.
    const double d = r.height() * 0.66;
    const QRectF disco(r.left() + r.height() * 0.22, r.center().y() - d / 2 + 0.5, d, d);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(disco);
    const double k = d * 0.22;
    const QPointF c = disco.center() + QPointF(k * 0.25, 0);
    const QPointF triangolo[3] = {c + QPointF(-k, -k * 1.2), c + QPointF(-k, k * 1.2), c + QPointF(k * 1.3, 0)};
    p.setBrush(fondo);
    p.drawPolygon(triangolo, 3);

    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(8, int(r.height() * 0.42)));
    p.setFont(f);
    p.setPen(Qt::white);
    const QRect testo(int(disco.right() + r.height() * 0.15), r.top(),
                      int(r.right() - disco.right() - r.height() * 0.3), r.height());
    p.drawText(testo, Qt::AlignVCenter | Qt::AlignHCenter,
               p.fontMetrics().elidedText(text(), Qt::ElideRight, testo.width()));
}
