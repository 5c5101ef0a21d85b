#include "cellaanimata.h"

#include "cornice.h"
#include "fileanimazione.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <memory>
#include <vector>

namespace animazioni {

// The bytes of scaled frames kept for one file at one size. The shipped
// animations fit many times over; a teacher's animation of thousands of
// frames would otherwise keep every frame (a gigabyte for 3000 frames in a
// cell of 300 pixels).
constexpr qint64 BudgetFotogrammi = 32 * 1024 * 1024;

QPixmap scalato(const QImage &img, const QSize &lato, qreal dpr)
{
    QPixmap p = QPixmap::fromImage(img.scaled(lato, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    p.setDevicePixelRatio(dpr);
    return p;
}

// The frames of one file at one size, shared by every cell that shows it:
// each frame is decoded and scaled the first time a cell reaches it, then
// kept for as long as a cell shows the file, up to the budget. The frames
// past it are read by each cell for itself (Flusso).
class Fotogrammi
{
public:
    Fotogrammi(const QString &file, const QSize &lato, qreal dpr)
        : m_lettore(std::make_unique<QImageReader>(file))
        , m_lato(lato)
        , m_dpr(dpr)
    {
        m_ripetizioni = m_lettore->loopCount();
        haFrame(0);
    }

    // Whether frame n is kept here, decoding and scaling up to it.
    bool haFrame(int n)
    {
        while (int(m_frame.size()) <= n && m_lettore)
            leggiProssimo();
        return n < int(m_frame.size());
    }
    const QPixmap &frame(int n) const { return m_frame[size_t(n)]; }
    int ritardo(int n) const { return m_ritardi[size_t(n)]; }
    int quanti() const { return int(m_frame.size()); }
    // The frames after the kept ones are there, but over the budget.
    bool pieno() const { return m_pieno; }
    // A frame could not be decoded: the animation ends there.
    bool rotto() const { return m_rotto; }
    // How many times the file says to play it again: -1 for ever.
    int ripetizioni() const { return m_ripetizioni; }
    QSize lato() const { return m_lato; }
    qreal dpr() const { return m_dpr; }

private:
    void leggiProssimo()
    {
        if (!m_lettore->canRead()) {
            m_lettore.reset();
            return;
        }
        const QImage img = m_lettore->read();
        if (img.isNull()) {
            m_rotto = true;
            m_lettore.reset();
            return;
        }
        QPixmap p = scalato(img, m_lato, m_dpr);
        const qint64 byte = qint64(p.width()) * p.height() * p.depth() / 8;
        if (!m_frame.empty() && m_byte + byte > BudgetFotogrammi) {
            m_pieno = true;
            m_lettore.reset();
            return;
        }
        m_byte += byte;
        m_frame.push_back(p);
        m_ritardi.push_back(m_lettore->nextImageDelay());
    }

    std::unique_ptr<QImageReader> m_lettore; // null once every frame to keep is read
    QSize m_lato; // in device pixels
    qreal m_dpr;
    std::vector<QPixmap> m_frame;
    std::vector<int> m_ritardi; // ms to wait after each frame
    qint64 m_byte = 0;
    int m_ripetizioni = 0;
    bool m_pieno = false;
    bool m_rotto = false;
};

// One cell's own reading of a file whose frames do not all fit the budget.
// It follows the cell frame by frame, also through the kept frames, so that
// every step decodes one frame and only the one on display is held.
class Flusso
{
public:
    Flusso(const QString &file, const QSize &lato, qreal dpr)
        : m_file(file)
        , m_lato(lato)
        , m_dpr(dpr)
    {
    }

    // Reads up to frame n, scaling it when scala; false past the last
    // frame or at one that does not decode.
    bool vai(int n, bool scala)
    {
        if (!m_lettore || n < m_pos) {
            m_lettore = std::make_unique<QImageReader>(m_file);
            m_pos = 0;
        }
        while (m_pos <= n) {
            if (!m_lettore->canRead())
                return false;
            const QImage img = m_lettore->read();
            if (img.isNull())
                return false;
            if (m_pos == n && scala) {
                m_frame = scalato(img, m_lato, m_dpr);
                m_ritardo = m_lettore->nextImageDelay();
            }
            ++m_pos;
        }
        return true;
    }
    const QPixmap &frame() const { return m_frame; }
    int ritardo() const { return m_ritardo; }
    QSize lato() const { return m_lato; }

private:
    QString m_file;
    QSize m_lato;
    qreal m_dpr;
    std::unique_ptr<QImageReader> m_lettore;
    int m_pos = 0; // the frame the reader gives next
    QPixmap m_frame;
    int m_ritardo = 0;
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
    std::unique_ptr<Flusso> flusso; // the frames past the budget, at that size
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

    // Frame n ready to show, from the shared frames or the cell's own reading.
    bool prepara(int n)
    {
        Fotogrammi *f = fotogrammi.get();
        if (f->haFrame(n)) {
            if (flusso)
                flusso->vai(n, false);
            return true;
        }
        if (!f->pieno())
            return false;
        if (!flusso || flusso->lato() != f->lato())
            flusso = std::make_unique<Flusso>(vero, f->lato(), f->dpr());
        return flusso->vai(n, true);
    }
    const QPixmap &frame(int k) const { return k < fotogrammi->quanti() ? fotogrammi->frame(k) : flusso->frame(); }
    int ritardo(int k) const { return k < fotogrammi->quanti() ? fotogrammi->ritardo(k) : flusso->ritardo(); }
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
    d->flusso.reset();
    d->vero.clear();
    d->n = 0;
    d->primoGiro = true;
    d->avviata = false;
    d->finita = false;
    clear();

    // The start-up check's rule: what it names is what stays empty here.
    // Without a size to scale to yet, the rule decodes the first frame.
    const QSize area = contentsRect().size();
    const FileAnimazione a = controllaAnimazione(d->cartella, percorso, area.isEmpty());
    if (!a.ok())
        return;
    const QString &vero = a.vero;
    if (!area.isEmpty()) {
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
        if (d->fotogrammi && d->prepara(d->n))
            d->timer.start(d->ritardo(d->n));
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
    if (!d->prepara(prossimo)) {
        if (d->primoGiro) {
            d->giriRimasti = f->ripetizioni();
            d->primoGiro = false;
        }
        if (d->giriRimasti == 0 || f->rotto() || !d->prepara(0)) {
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
    d->timer.start(qMax(0, d->ritardo(d->n)));
}

int CellaAnimata::framesScalati() const
{
    return d->fotogrammi ? d->fotogrammi->quanti() : 0;
}

void CellaAnimata::segna(const QString &numero)
{
    if (!m_cornice)
        m_cornice = new Cornice(this);
    m_cornice->setNumero(numero);
    m_cornice->show();
    m_cornice->raise();
    setAccessibleDescription(numero);
}

void CellaAnimata::smarca()
{
    if (m_cornice)
        m_cornice->hide();
    setAccessibleDescription(QString());
}

QString CellaAnimata::segno() const
{
    return m_cornice && !m_cornice->isHidden() ? m_cornice->numero() : QString();
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
        d->fotogrammi = fotogrammiDi(d->vero, area, dpr);
        d->flusso.reset();
        d->area = area;
        d->dpr = dpr;
        // The same frame at the new size (of a file that turned unreadable meanwhile, the last one there is).
        if (!d->prepara(d->n))
            d->n = qMax(0, d->fotogrammi->quanti() - 1);
    }
    if (d->fotogrammi->quanti() > 0)
        setPixmap(d->frame(d->n));
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
