#include "cellaanimata.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMovie>
#include <QPixmap>

namespace {
// Frames kept scaled for the current size; a story's animation has a few
// dozen at most, this only bounds a pathological file.
constexpr int framesInMemoria = 240;
} // namespace

class CellaAnimata::Privato
{
public:
    QString cartella; // canonical, without the trailing separator
    QMovie *movie = nullptr;
    bool avviata = false;
    bool finita = false; // played as many times as the file says: its last frame stays
    QSize dimensione; // the size the cached frames were scaled for
    QHash<int, QPixmap> scalati;
};

CellaAnimata::CellaAnimata(const QString &cartellaAnimazioni, QWidget *padre)
    : QLabel(padre)
    , d(new Privato)
{
    d->cartella = QFileInfo(cartellaAnimazioni).canonicalFilePath();
    setAlignment(Qt::AlignCenter);
    setScaledContents(false);
}

CellaAnimata::~CellaAnimata()
{
    delete d->movie;
    delete d;
}

void CellaAnimata::setFile(const QString &percorso)
{
    m_file = percorso;
    if (d->movie) {
        d->movie->disconnect(this);
        d->movie->stop();
        d->movie->deleteLater(); // it may be the one emitting right now
        d->movie = nullptr;
    }
    d->scalati.clear();
    d->avviata = false;
    d->finita = false;
    clear();

    // Only files inside the animations folder: a story's name with ".." or
    // an absolute path elsewhere (or a link that points out) is refused.
    const QString vero = QFileInfo(percorso).canonicalFilePath();
    if (vero.isEmpty() || d->cartella.isEmpty() || !vero.startsWith(d->cartella + QLatin1Char('/')))
        return;

    auto *m = new QMovie(vero);
    if (!m->isValid() || !m->jumpToFrame(0) || m->currentPixmap().isNull()) {
        delete m;
        return;
    }
    d->movie = m;
    connect(m, &QMovie::frameChanged, this, [this](int n) { mostraFrame(n); });
    // The file's own loop count holds: a thing that arrived or went away is
    // counted on the last frame, which must stay, not come round again.
    connect(m, &QMovie::finished, this, [this] { d->finita = true; });
    mostraFrame(m->currentFrameNumber());
}

void CellaAnimata::start()
{
    if (!d->movie)
        return;
    d->avviata = true;
    if (isVisible())
        riprendi();
}

void CellaAnimata::riprendi()
{
    if (d->finita)
        return;
    if (d->movie->state() == QMovie::Paused)
        d->movie->setPaused(false);
    else if (d->movie->state() == QMovie::NotRunning)
        d->movie->start();
}

bool CellaAnimata::inRiproduzione() const
{
    return d->movie && d->movie->state() == QMovie::Running;
}

bool CellaAnimata::vuota() const
{
    return !d->movie;
}

int CellaAnimata::framesScalati() const
{
    return int(d->scalati.size());
}

void CellaAnimata::mostraFrame(int n)
{
    if (!d->movie)
        return;
    const QSize area = contentsRect().size();
    if (area.isEmpty())
        return;
    if (area != d->dimensione) {
        d->scalati.clear();
        d->dimensione = area;
    }
    auto it = d->scalati.constFind(n);
    if (it == d->scalati.constEnd()) {
        const qreal dpr = devicePixelRatioF();
        QPixmap p = d->movie->currentPixmap().scaled(area * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.setDevicePixelRatio(dpr);
        if (d->scalati.size() >= framesInMemoria)
            d->scalati.clear();
        it = d->scalati.insert(n, p);
    }
    setPixmap(*it);
}

void CellaAnimata::showEvent(QShowEvent *e)
{
    QLabel::showEvent(e);
    if (d->movie && d->avviata)
        riprendi();
}

void CellaAnimata::hideEvent(QHideEvent *e)
{
    QLabel::hideEvent(e);
    // A hidden cell costs nothing: no timer, no decoding.
    if (d->movie && d->movie->state() == QMovie::Running)
        d->movie->setPaused(true);
}

void CellaAnimata::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    if (d->movie)
        mostraFrame(d->movie->currentFrameNumber());
}
