#include "cellaanimata.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <memory>
#include <vector>

namespace animazioni {

// The frames of one file at one size, shared by every cell that shows it:
// each frame is decoded and scaled the first time a cell reaches it, then
// kept for as long as a cell shows the file.
class Fotogrammi
{
public:
    Fotogrammi(const QString &file, const QSize &lato, qreal dpr)
        : m_lettore(file)
        , m_lato(lato)
        , m_dpr(dpr)
    {
        haFrame(0);
    }

    // Whether the file has frame n, decoding and scaling up to it.
    bool haFrame(int n)
    {
        while (int(m_frame.size()) <= n && !m_finiti)
            leggiProssimo();
        return n < int(m_frame.size());
    }
    bool pronto(int n) const { return n < int(m_frame.size()); }
    const QPixmap &frame(int n) const { return m_frame[size_t(n)]; }
    int ritardo(int n) const { return m_ritardi[size_t(n)]; }
    int quanti() const { return int(m_frame.size()); }
    // A frame could not be decoded: the animation ends there.
    bool rotto() const { return m_rotto; }
    // How many times the file says to play it again: -1 for ever.
    int ripetizioni() { return m_lettore.loopCount(); }

private:
    void leggiProssimo()
    {
        if (!m_lettore.canRead()) {
            m_finiti = true;
            return;
        }
        const QImage img = m_lettore.read();
        if (img.isNull()) {
            m_finiti = m_rotto = true;
            return;
        }
        QPixmap p = QPixmap::fromImage(img.scaled(m_lato, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        p.setDevicePixelRatio(m_dpr);
        m_frame.push_back(p);
        m_ritardi.push_back(m_lettore.nextImageDelay());
    }

    QImageReader m_lettore;
    QSize m_lato; // in device pixels
    qreal m_dpr;
    std::vector<QPixmap> m_frame;
    std::vector<int> m_ritardi; // ms to wait after each frame
    bool m_finiti = false;
    bool m_rotto = false;
};

// The frames of a file at a size, shared while a cell holds them.
std::shared_ptr<Fotogrammi> fotogrammiDi(const QString &file, const QSize &area, qreal dpr)
{
    static QHash<QString, std::weak_ptr<Fotogrammi>> condivisi;
    const QSize lato = area * dpr;
    const QString chiave = QStringLiteral("%1|%2x%3|%4").arg(file).arg(lato.width()).arg(lato.height()).arg(dpr);
    if (auto f = condivisi.value(chiave).lock())
        return f;
    condivisi.removeIf([](const auto &voce) { return voce.value().expired(); });
    auto f = std::make_shared<Fotogrammi>(file, lato, dpr);
    condivisi.insert(chiave, f);
    return f;
}

} // namespace animazioni

using namespace animazioni;

class CellaAnimata::Privato
{
public:
    enum class Stato { Ferma, InCorso, Pausa };
    QString cartella; // canonical, without the trailing separator
    QString vero; // the canonical path of a valid file; empty otherwise
    std::shared_ptr<Fotogrammi> fotogrammi; // at the size last shown
    QSize area; // that size
    qreal dpr = 0;
    QTimer timer;
    Stato stato = Stato::Ferma;
    int n = 0; // the frame on display
    bool primoGiro = true;
    int giriRimasti = 0;
    bool avviata = false;
    bool finita = false; // played as many times as the file says: its last frame stays
    bool rifaiDopo = false; // a new size to show, once the resizes of this pass are over
};

CellaAnimata::CellaAnimata(const QString &cartellaAnimazioni, QWidget *padre)
    : QLabel(padre)
    , d(new Privato)
{
    d->cartella = QFileInfo(cartellaAnimazioni).canonicalFilePath();
    d->timer.setSingleShot(true);
    connect(&d->timer, &QTimer::timeout, this, &CellaAnimata::avanza);
    setAlignment(Qt::AlignCenter);
    setScaledContents(false);
}

CellaAnimata::~CellaAnimata()
{
    delete d;
}

void CellaAnimata::setFile(const QString &percorso)
{
    m_file = percorso;
    d->timer.stop();
    d->stato = Privato::Stato::Ferma;
    d->fotogrammi.reset();
    d->vero.clear();
    d->n = 0;
    d->primoGiro = true;
    d->avviata = false;
    d->finita = false;
    clear();

    // Only files inside the animations folder: a story's name with ".." or
    // an absolute path elsewhere (or a link that points out) is refused.
    const QString vero = QFileInfo(percorso).canonicalFilePath();
    if (vero.isEmpty() || d->cartella.isEmpty() || !vero.startsWith(d->cartella + QLatin1Char('/')))
        return;

    const QSize area = contentsRect().size();
    if (area.isEmpty()) {
        // No size to scale to yet: only whether the first frame can be read.
        QImageReader r(vero);
        if (r.read().isNull())
            return;
    } else {
        auto f = fotogrammiDi(vero, area, devicePixelRatioF());
        if (f->quanti() == 0)
            return;
        d->fotogrammi = std::move(f);
        d->area = area;
        d->dpr = devicePixelRatioF();
    }
    d->vero = vero;
    mostraFrame();
}

void CellaAnimata::start()
{
    if (d->vero.isEmpty())
        return;
    d->avviata = true;
    if (isVisible())
        riprendi();
}

void CellaAnimata::riprendi()
{
    if (d->finita)
        return;
    if (d->stato == Privato::Stato::Pausa) {
        d->stato = Privato::Stato::InCorso;
        if (d->fotogrammi && d->fotogrammi->haFrame(d->n))
            d->timer.start(d->fotogrammi->ritardo(d->n));
        else
            avanza();
    } else if (d->stato == Privato::Stato::Ferma) {
        d->stato = Privato::Stato::InCorso;
        avanza();
    }
}

// The next frame, as the file's own loop count says; at the end, the last
// frame stays.
void CellaAnimata::avanza()
{
    if (d->stato != Privato::Stato::InCorso)
        return;
    if (!d->fotogrammi)
        mostraFrame();
    Fotogrammi *f = d->fotogrammi.get();
    if (!f) {
        d->timer.start(100); // not sized yet: look again shortly
        return;
    }
    int prossimo = d->n + 1;
    if (!f->haFrame(prossimo)) {
        if (d->primoGiro) {
            d->giriRimasti = f->ripetizioni();
            d->primoGiro = false;
        }
        if (d->giriRimasti == 0 || f->rotto() || !f->haFrame(0)) {
            d->stato = Privato::Stato::Ferma;
            d->finita = true;
            return;
        }
        if (d->giriRimasti > 0)
            --d->giriRimasti;
        prossimo = 0;
    }
    d->n = prossimo;
    mostraFrame(); // at a new size, from the frames of that size
    const Fotogrammi *g = d->fotogrammi.get();
    d->timer.start(g->pronto(d->n) ? qMax(0, g->ritardo(d->n)) : 0);
}

bool CellaAnimata::inRiproduzione() const
{
    return d->stato == Privato::Stato::InCorso;
}

bool CellaAnimata::vuota() const
{
    return d->vero.isEmpty();
}

int CellaAnimata::framesScalati() const
{
    return d->fotogrammi ? d->fotogrammi->quanti() : 0;
}

void CellaAnimata::mostraFrame()
{
    if (d->vero.isEmpty())
        return;
    const QSize area = contentsRect().size();
    if (area.isEmpty())
        return;
    const qreal dpr = devicePixelRatioF();
    if (!d->fotogrammi || area != d->area || dpr != d->dpr) {
        auto qui = fotogrammiDi(d->vero, area, dpr);
        d->area = area;
        d->dpr = dpr;
        // The same frame at the new size (of a file that turned unreadable meanwhile, the last one there is).
        if (!qui->haFrame(d->n))
            d->n = qMax(0, qui->quanti() - 1);
        d->fotogrammi = std::move(qui);
    }
    if (d->fotogrammi->quanti() > 0)
        setPixmap(d->fotogrammi->frame(d->n));
}

void CellaAnimata::showEvent(QShowEvent *e)
{
    QLabel::showEvent(e);
    if (d->rifaiDopo) {
        d->rifaiDopo = false;
        mostraFrame();
    }
    if (!d->vero.isEmpty() && d->avviata)
        riprendi();
}

void CellaAnimata::hideEvent(QHideEvent *e)
{
    QLabel::hideEvent(e);
    // A hidden cell costs nothing: no timer, no decoding.
    if (d->stato == Privato::Stato::InCorso) {
        d->stato = Privato::Stato::Pausa;
        d->timer.stop();
    }
}

void CellaAnimata::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    if (d->vero.isEmpty() || d->rifaiDopo)
        return;
    // A cell is often resized several times in a row, or given a new file
    // right after: only the size it has once that is over is scaled to.
    d->rifaiDopo = true;
    QTimer::singleShot(0, this, [this] {
        if (!d->rifaiDopo || !isVisible())
            return;
        d->rifaiDopo = false;
        mostraFrame();
    });
}
