#include "uscitaaudio.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QThread>

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace {
// How long a server may lag behind the clock before its stream is taken for
// played anyway (a stalled or suspended output must not hold speech for
// ever).
constexpr qint64 ritardoMassimoMs = 2000;

// A stream starts playing once this much is queued. The synthesiser makes
// sound many times faster than it is played, so this is there within a few
// ms of the first samples, and a short stall of the machine after the start
// cannot empty the queue before the next block arrives. A shorter stream
// (a sound) starts at its end.
constexpr int avvioMs = 30;

// The latency asked of the server (its buffer plus the card's). Everything
// written beyond it is queued in the server as well: a sentence is handed
// over whole as fast as it is made, so nothing the machine does afterwards
// can make it stutter.
constexpr int latenzaMs = 60;

// How long the first stream waits for the server to answer.
constexpr int attesaServerMs = 1000;

pa_sample_format_t formatoPulse(QAudioFormat::SampleFormat f)
{
    switch (f) {
    case QAudioFormat::UInt8:
        return PA_SAMPLE_U8;
    case QAudioFormat::Int16:
        return PA_SAMPLE_S16NE;
    case QAudioFormat::Int32:
        return PA_SAMPLE_S32NE;
    case QAudioFormat::Float:
        return PA_SAMPLE_FLOAT32NE;
    default:
        return PA_SAMPLE_INVALID;
    }
}

class Blocco
{
public:
    explicit Blocco(pa_threaded_mainloop *ciclo)
        : m_ciclo(ciclo)
    {
        if (m_ciclo)
            pa_threaded_mainloop_lock(m_ciclo);
    }
    ~Blocco()
    {
        if (m_ciclo)
            pa_threaded_mainloop_unlock(m_ciclo);
    }
    Blocco(const Blocco &) = delete;
    Blocco &operator=(const Blocco &) = delete;

private:
    pa_threaded_mainloop *m_ciclo;
};
} // namespace

// The connection to the server, and the stream playing now. Everything in
// it is touched under the main loop's lock only, from this object's thread,
// the main loop's and the threads that write PCM.
struct UscitaAudio::Collegamento {
    pa_threaded_mainloop *ciclo = nullptr;
    pa_context *contesto = nullptr;
    pa_stream *flusso = nullptr;
    quint64 numero = 0; // of the stream playing now
    QByteArray attesa; // written before the stream was ready
    bool svuotaAllaPronta = false;
    UscitaAudio *proprietario = nullptr; // null once it is gone

    Collegamento() = default;
    Collegamento(const Collegamento &) = delete;
    Collegamento &operator=(const Collegamento &) = delete;

    ~Collegamento()
    {
        if (!ciclo)
            return;
        pa_threaded_mainloop_stop(ciclo);
        chiudiFlusso();
        if (contesto) {
            pa_context_disconnect(contesto);
            pa_context_unref(contesto);
        }
        pa_threaded_mainloop_free(ciclo);
    }

    bool avvia()
    {
        ciclo = pa_threaded_mainloop_new();
        if (!ciclo)
            return false;
        contesto = pa_context_new(pa_threaded_mainloop_get_api(ciclo), "Numerella");
        return contesto && pa_context_connect(contesto, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0
            && pa_threaded_mainloop_start(ciclo) >= 0;
    }

    pa_context_state_t stato()
    {
        Blocco b(ciclo);
        return pa_context_get_state(contesto);
    }

    void scrivi(quint64 n, const QByteArray &pcm)
    {
        Blocco b(ciclo);
        if (n != numero || !flusso)
            return;
        if (pa_stream_get_state(flusso) == PA_STREAM_READY)
            pa_stream_write(flusso, pcm.constData(), size_t(pcm.size()), nullptr, 0, PA_SEEK_RELATIVE);
        else
            attesa += pcm;
    }

    // With the lock held.
    void svuota()
    {
        if (pa_operation *o = pa_stream_drain(flusso, &Collegamento::finitoSvuotare, this))
            pa_operation_unref(o);
    }

    // With the lock held.
    void chiudiFlusso()
    {
        if (flusso) {
            // Dropped, not drained: a stop cuts off at once.
            pa_stream_set_state_callback(flusso, nullptr, nullptr);
            pa_stream_disconnect(flusso);
            pa_stream_unref(flusso);
            flusso = nullptr;
        }
        attesa.clear();
        svuotaAllaPronta = false;
    }

    // With the lock held: tells the owner on its thread, if it is still there.
    template <typename F> void avvisa(F f)
    {
        if (UscitaAudio *u = proprietario)
            QMetaObject::invokeMethod(
                u, [u, f, n = numero] { f(u, n); }, Qt::QueuedConnection);
    }

    // On the main loop's thread, with its lock held.
    static void statoFlusso(pa_stream *s, void *dati)
    {
        auto *c = static_cast<Collegamento *>(dati);
        if (s != c->flusso)
            return;
        const pa_stream_state_t stato = pa_stream_get_state(s);
        if (stato == PA_STREAM_READY) {
            if (!c->attesa.isEmpty())
                pa_stream_write(s, c->attesa.constData(), size_t(c->attesa.size()), nullptr, 0, PA_SEEK_RELATIVE);
            c->attesa.clear();
            if (c->svuotaAllaPronta)
                c->svuota();
        } else if (!PA_STREAM_IS_GOOD(stato)) {
            // The server refused the stream or went away: the rest is timed.
            c->avvisa([](UscitaAudio *u, quint64 n) { u->passaAMuta(n); });
        }
    }

    // On the main loop's thread, with its lock held.
    static void finitoSvuotare(pa_stream *s, int ok, void *dati)
    {
        auto *c = static_cast<Collegamento *>(dati);
        if (s != c->flusso)
            return;
        if (ok)
            c->avvisa([](UscitaAudio *u, quint64 n) { u->svuotato(n); });
        else
            c->avvisa([](UscitaAudio *u, quint64 n) { u->passaAMuta(n); });
    }
};

UscitaAudio::UscitaAudio(QObject *padre)
    : QObject(padre)
{
    m_fine.setSingleShot(true);
    m_fine.setTimerType(Qt::PreciseTimer);
    connect(&m_fine, &QTimer::timeout, this, [this] { controllaFine(); });
    // The connection is made once the owner has said whether to make one at
    // all, so that the first sentence finds the server ready.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_forzaMuta && !m_collegamento)
                connetti(false);
        },
        Qt::QueuedConnection);
}

UscitaAudio::~UscitaAudio()
{
    ferma();
    if (m_collegamento) {
        Blocco b(m_collegamento->ciclo);
        m_collegamento->proprietario = nullptr;
    }
}

qint64 UscitaAudio::durataUs() const
{
    return m_formato.isValid() ? m_formato.durationForBytes(qint32(std::min<qint64>(m_totale, INT_MAX))) : 0;
}

bool UscitaAudio::connetti(bool attendi)
{
    if (m_collegamento && !PA_CONTEXT_IS_GOOD(m_collegamento->stato())) {
        // The server went away: try afresh.
        {
            Blocco b(m_collegamento->ciclo);
            m_collegamento->proprietario = nullptr;
        }
        m_collegamento.reset();
    }
    if (!m_collegamento) {
        auto c = std::make_shared<Collegamento>();
        if (!c->avvia())
            return false;
        c->proprietario = this;
        m_collegamento = c;
    }
    // A server that answers does so within milliseconds; one that does not
    // leaves the stream timed, never the screen frozen.
    for (QDeadlineTimer scadenza(attesaServerMs);; QThread::usleep(500)) {
        const pa_context_state_t stato = m_collegamento->stato();
        if (stato == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(stato) || !attendi || scadenza.hasExpired())
            return false;
    }
}

void UscitaAudio::inizia(const QAudioFormat &formato)
{
    ferma();
    m_attiva = true;
    m_chiuso = false;
    m_svuotato = false;
    m_totale = 0;
    m_dallInizio.invalidate();
    m_muta = true;
    m_formato = formato;

    const pa_sample_spec ss{formatoPulse(formato.sampleFormat()), quint32(std::max(0, formato.sampleRate())),
                            quint8(std::clamp(formato.channelCount(), 0, 255))};
    if (m_forzaMuta || !pa_sample_spec_valid(&ss) || !connetti(true))
        return;
    Collegamento &c = *m_collegamento;
    Blocco b(c.ciclo);
    pa_stream *s = pa_stream_new(c.contesto, "Numerella", &ss, nullptr);
    if (!s)
        return;
    pa_buffer_attr a;
    a.maxlength = a.minreq = a.fragsize = quint32(-1);
    a.tlength = quint32(pa_usec_to_bytes(latenzaMs * 1000, &ss));
    a.prebuf = quint32(pa_usec_to_bytes(avvioMs * 1000, &ss));
    pa_stream_set_state_callback(s, &Collegamento::statoFlusso, &c);
    if (pa_stream_connect_playback(s, nullptr, &a, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        pa_stream_set_state_callback(s, nullptr, nullptr);
        pa_stream_unref(s);
        return;
    }
    c.flusso = s;
    m_numeroFlusso = ++c.numero;
    m_muta = false;
}

UscitaAudio::Scrittore UscitaAudio::scrittore() const
{
    if (!m_attiva || m_muta || !m_collegamento)
        return [](const QByteArray &) {};
    return [c = m_collegamento, n = m_numeroFlusso](const QByteArray &pcm) { c->scrivi(n, pcm); };
}

void UscitaAudio::scrivi(const QByteArray &pcm)
{
    if (!m_attiva || pcm.isEmpty())
        return;
    scrittore()(pcm);
    contati(pcm.size());
}

void UscitaAudio::contati(qsizetype byte)
{
    if (!m_attiva || byte <= 0)
        return;
    m_totale += byte;
    if (!m_dallInizio.isValid()) {
        m_dallInizio.start();
        Q_EMIT primiDati();
    }
}

void UscitaAudio::chiudi()
{
    if (!m_attiva)
        return;
    m_chiuso = true;
    if (!m_muta && m_totale > 0) {
        // The server plays out what it has, a stream shorter than the start
        // threshold included, and says when it is done.
        Blocco b(m_collegamento->ciclo);
        if (Collegamento &c = *m_collegamento; c.flusso && pa_stream_get_state(c.flusso) == PA_STREAM_READY)
            c.svuota();
        else
            c.svuotaAllaPronta = true;
    }
    controllaFine();
}

void UscitaAudio::controllaFine()
{
    if (!m_attiva || !m_chiuso)
        return;
    const qint64 durata = durataUs();
    const qint64 trascorsi = m_dallInizio.isValid() ? m_dallInizio.nsecsElapsed() / 1000 : durata;
    // Sound cannot play faster than the clock, so the clock gives the
    // earliest end; the server's word the real one, unless it is far late.
    qint64 resto = durata - trascorsi;
    if (!m_muta && m_totale > 0 && !m_svuotato)
        resto = durata + ritardoMassimoMs * 1000 - trascorsi;
    if (resto <= 0) {
        termina();
        return;
    }
    m_fine.start(int(std::clamp<qint64>((resto + 999) / 1000, 0, 60000)));
}

void UscitaAudio::svuotato(quint64 flusso)
{
    if (!m_attiva || m_muta || flusso != m_numeroFlusso)
        return;
    m_svuotato = true;
    controllaFine();
}

void UscitaAudio::passaAMuta(quint64 flusso)
{
    if (!m_attiva || m_muta || flusso != m_numeroFlusso)
        return;
    m_muta = true;
    chiudiFlusso();
    if (!m_dallInizio.isValid() && m_totale > 0) {
        m_dallInizio.start();
        Q_EMIT primiDati();
    }
    controllaFine();
}

void UscitaAudio::termina()
{
    ferma();
    Q_EMIT finito();
}

void UscitaAudio::chiudiFlusso()
{
    if (m_collegamento) {
        Blocco b(m_collegamento->ciclo);
        m_collegamento->chiudiFlusso();
    }
}

void UscitaAudio::ferma()
{
    m_attiva = false;
    m_fine.stop();
    chiudiFlusso();
}
