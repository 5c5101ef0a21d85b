#include "sintesiespeak.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <chrono>
#include <future>

namespace {

struct Candidata {
    const char *espeak;
    const char *nome;
};

// Each language with a few of espeak-ng's variants, named in its own
// language; only those that really speak on this machine are offered.
const Candidata candidate[] = {
    {"it", "Italiano"},
    {"it+f3", "Italiano, voce femminile"},
    {"it+f5", "Italiano, voce femminile acuta"},
    {"it+m1", "Italiano, voce maschile grave"},
    {"it+klatt", "Italiano, voce sintetica"},
    {"en-gb", "English"},
    {"en-gb+f3", "English, woman's voice"},
    {"en-gb+f5", "English, woman's voice (high)"},
    {"en-gb+m1", "English, man's voice (deep)"},
    {"en-gb+klatt", "English, robot voice"},
};

// Audio is handed over in blocks of this many ms: small enough that the
// first sound is written to the device within a few ms of the request.
constexpr int bloccoMs = 20;

// espeak-ng starts every utterance with tens of ms of silence, which the
// child would wait through after every press. Samples up to this size count
// as that silence (about -72 dBFS: the softest start of a consonant is far
// louder)...
constexpr int sogliaSilenzio = 8;
// ... and this much of it is kept before the first sound, so that no word
// starts clipped.
constexpr int margineMs = 5;

// The synthesis in progress on the worker thread (synchronous mode calls
// back on the same thread, inside espeak_ng_Synthesize).
struct InCorso {
    SintesiEspeak::Richiesta *richiesta = nullptr;
    qint64 campioni = 0;
    bool inizio = true; // nothing but leading silence so far
    qsizetype margine = 0; // bytes of silence to keep before the first sound
    QByteArray silenzio; // the last of that silence
};
thread_local InCorso *t_inCorso = nullptr;

// The block without the utterance's leading silence, but for its last few
// ms; empty while there is nothing else.
QByteArray senzaSilenzioIniziale(InCorso &c, const short *wav, int n)
{
    const short *primo = std::find_if(wav, wav + n, [](short v) { return v > sogliaSilenzio || v < -sogliaSilenzio; });
    c.silenzio.append(reinterpret_cast<const char *>(wav), (primo - wav) * 2);
    if (c.silenzio.size() > c.margine)
        c.silenzio.remove(0, c.silenzio.size() - c.margine);
    if (primo == wav + n)
        return QByteArray();
    c.inizio = false;
    return c.silenzio + QByteArray(reinterpret_cast<const char *>(primo), (wav + n - primo) * 2);
}

int richiamo(short *wav, int n, espeak_EVENT *)
{
    InCorso *c = t_inCorso;
    if (!c)
        return 0;
    if (c->richiesta && c->richiesta->annullata.load())
        return 1; // stops the synthesis
    if (wav && n > 0) {
        c->campioni += n;
        if (!c->richiesta)
            return 0;
        QByteArray pcm = c->inizio && c->richiesta->tagliaSilenzioIniziale
            ? senzaSilenzioIniziale(*c, wav, n)
            : QByteArray(reinterpret_cast<const char *>(wav), qsizetype(n) * 2);
        if (!pcm.isEmpty())
            Q_EMIT c->richiesta->blocco(pcm);
    }
    return 0;
}

QString messaggio(espeak_ng_STATUS s)
{
    char buf[512] = {};
    espeak_ng_GetStatusCodeMessage(s, buf, sizeof buf);
    return QString::fromLocal8Bit(buf);
}

} // namespace

class SintesiEspeak::Lavoratore : public QObject
{
public:
    QString cartella;
    std::promise<void> promessa;
    std::shared_future<void> avvio = promessa.get_future().share();

    // Written once by avvia() before the promise is kept; read after.
    bool ok = false;
    QString errore;
    QList<Voce> voci;
    int frequenza = 22050;

    void avvia()
    {
        inizializza();
        promessa.set_value();
    }

    // A language code with its variant ("en-gb+f3") as the name of the voice
    // file that speaks that language ("gmw/en+f3"): espeak-ng knows its
    // voices by file name, and only some file names are language codes.
    static QByteArray perLingua(const QByteArray &voce)
    {
        const qsizetype piu = voce.indexOf('+');
        const QByteArray lingua = voce.left(piu < 0 ? voce.size() : piu);
        espeak_VOICE cercata{};
        cercata.languages = lingua.constData();
        if (espeak_ng_SetVoiceByProperties(&cercata) != ENS_OK || !espeak_GetCurrentVoice()->identifier)
            return QByteArray();
        return QByteArray(espeak_GetCurrentVoice()->identifier) + (piu < 0 ? QByteArray() : voce.mid(piu));
    }

    bool scegli(const QByteArray &voce, int velocita)
    {
        if (voce != m_voce) {
            if (espeak_ng_SetVoiceByName(voce.constData()) != ENS_OK
                && espeak_ng_SetVoiceByName(perLingua(voce).constData()) != ENS_OK) {
                m_voce.clear();
                return false;
            }
            m_voce = voce;
        }
        // A voice change may reset the rate, so it is set every time.
        espeak_ng_SetParameter(espeakRATE, velocita, 0);
        return true;
    }

    // Returns the number of samples made, or -1 when nothing could be.
    qint64 sintetizza(const QString &testo, Richiesta *r)
    {
        InCorso c;
        c.richiesta = r;
        c.margine = qsizetype(frequenza) * margineMs / 1000 * 2;
        const QByteArray utf8 = testo.toUtf8();
        t_inCorso = &c;
        const espeak_ng_STATUS s = espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                                        espeakCHARS_UTF8, nullptr, nullptr);
        t_inCorso = nullptr;
        if (r && r->annullata.load()) {
            // After a synthesis stopped by the callback espeak-ng keeps the
            // rest of that text and its state; without a cancel the next
            // text is lost or never ends.
            espeak_ng_Cancel();
        }
        if (s != ENS_OK && s != ENS_SPEECH_STOPPED)
            return -1;
        return c.campioni;
    }

    void esegui(const std::shared_ptr<Richiesta> &r)
    {
        if (r->annullata.load()) {
            Q_EMIT r->fine(true);
            return;
        }
        bool fatto = false;
        if (ok && scegli(r->voce, r->paroleAlMinuto))
            fatto = sintetizza(r->testo, r.get()) >= 0;
        Q_EMIT r->fine(fatto);
    }

    QString fonemi(const QString &testo, const QByteArray &voce)
    {
        if (!ok || !scegli(voce, 175))
            return QString();
        const QByteArray utf8 = testo.toUtf8();
        const void *p = utf8.constData();
        QStringList parti;
        while (p) {
            const char *f = espeak_TextToPhonemes(&p, espeakCHARS_UTF8, 0);
            if (f && *f)
                parti << QString::fromUtf8(f).trimmed();
        }
        return parti.join(u' ');
    }

private:
    void inizializza()
    {
        const QByteArray percorso = QFile::encodeName(cartella);
        espeak_ng_InitializePath(cartella.isEmpty() ? nullptr : percorso.constData());
        espeak_ng_ERROR_CONTEXT contesto = nullptr;
        espeak_ng_STATUS s = espeak_ng_Initialize(&contesto);
        espeak_ng_ClearErrorContext(&contesto);
        if (s != ENS_OK) {
            errore = QStringLiteral("espeak-ng: %1").arg(messaggio(s));
            return;
        }
        s = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, bloccoMs, nullptr);
        if (s != ENS_OK) {
            errore = QStringLiteral("espeak-ng: %1").arg(messaggio(s));
            return;
        }
        frequenza = espeak_ng_GetSampleRate();
        espeak_SetSynthCallback(richiamo);
        ok = true;
        // A voice counts only if it really produces sound here.
        for (const Candidata &c : candidate) {
            if (scegli(c.espeak, 175) && sintetizza(QStringLiteral("ciao"), nullptr) > 0)
                voci.append({QByteArray(c.espeak), QString::fromUtf8(c.nome)});
        }
        if (voci.isEmpty()) {
            ok = false;
            errore = QStringLiteral("espeak-ng: no Italian voice can speak");
        }
    }

    QByteArray m_voce;
};

namespace {
QMutex g_mutex;
SintesiEspeak *g_condivisa = nullptr;
} // namespace

std::shared_ptr<SintesiEspeak> SintesiEspeak::condivisa(const QString &cartellaDati)
{
    QMutexLocker lock(&g_mutex);
    if (!g_condivisa) {
        // espeak-ng 1.51 cannot be shut down and started again in one
        // process (espeak_Terminate waits for ever on a thread of its own),
        // so the owner lives until the application ends; its thread is
        // stopped then.
        g_condivisa = new SintesiEspeak(cartellaDati);
        qAddPostRoutine([] {
            QMutexLocker l(&g_mutex);
            if (g_condivisa)
                g_condivisa->fermaThread();
        });
    }
    return std::shared_ptr<SintesiEspeak>(g_condivisa, [](SintesiEspeak *) {});
}

SintesiEspeak::SintesiEspeak(const QString &cartellaDati)
    : m_thread(new QThread)
    , m_lavoratore(new Lavoratore)
{
    m_thread->setObjectName(QStringLiteral("espeak-ng"));
    m_lavoratore->cartella = cartellaDati;
    m_lavoratore->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_lavoratore, [l = m_lavoratore] { l->avvia(); }, Qt::QueuedConnection);
}

SintesiEspeak::~SintesiEspeak()
{
    fermaThread();
    delete m_lavoratore;
    delete m_thread;
}

void SintesiEspeak::fermaThread()
{
    if (m_thread->isRunning()) {
        // Whatever is still queued was cancelled by its engine; the one in
        // progress stops within a block of audio.
        m_thread->quit();
        m_thread->wait();
    }
}

bool SintesiEspeak::avviata() const
{
    return m_lavoratore->avvio.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool SintesiEspeak::pronta()
{
    m_lavoratore->avvio.wait();
    return m_lavoratore->ok;
}

QString SintesiEspeak::errore()
{
    m_lavoratore->avvio.wait();
    return m_lavoratore->errore;
}

QList<SintesiEspeak::Voce> SintesiEspeak::voci()
{
    m_lavoratore->avvio.wait();
    return m_lavoratore->voci;
}

QList<SintesiEspeak::Voce> SintesiEspeak::voci(const QByteArray &lingua)
{
    QList<Voce> scelte;
    for (const Voce &v : voci()) {
        if (v.nomeEspeak.split('+').constFirst() == lingua)
            scelte.append(v);
    }
    // A language without voices of its own is spoken by the Italian ones.
    return scelte.isEmpty() && lingua != "it" ? voci("it") : scelte;
}

int SintesiEspeak::frequenza()
{
    m_lavoratore->avvio.wait();
    return m_lavoratore->frequenza;
}

void SintesiEspeak::sintetizza(std::shared_ptr<Richiesta> r)
{
    QMetaObject::invokeMethod(
        m_lavoratore, [l = m_lavoratore, r] { l->esegui(r); }, Qt::QueuedConnection);
}

QString SintesiEspeak::fonemi(const QString &testo, const QByteArray &voce)
{
    QString risultato;
    QMetaObject::invokeMethod(
        m_lavoratore, [&] { risultato = m_lavoratore->fonemi(testo, voce); }, Qt::BlockingQueuedConnection);
    return risultato;
}

std::vector<qint16> SintesiEspeak::campioni(const QString &testo, const QByteArray &voce, int paroleAlMinuto,
                                            bool taglia)
{
    auto r = std::make_shared<Richiesta>();
    r->testo = testo;
    r->voce = voce;
    r->paroleAlMinuto = paroleAlMinuto;
    r->tagliaSilenzioIniziale = taglia;
    std::vector<qint16> s;
    std::promise<void> fatto;
    QObject::connect(
        r.get(), &Richiesta::blocco, r.get(),
        [&s](const QByteArray &b) {
            const auto *d = reinterpret_cast<const qint16 *>(b.constData());
            s.insert(s.end(), d, d + b.size() / 2);
        },
        Qt::DirectConnection);
    QObject::connect(
        r.get(), &Richiesta::fine, r.get(), [&fatto](bool) { fatto.set_value(); }, Qt::DirectConnection);
    sintetizza(r);
    fatto.get_future().wait();
    return s;
}
