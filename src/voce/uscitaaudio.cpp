#include "uscitaaudio.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace {
// How long a device may lag behind the clock before its stream is taken for
// played anyway (a stalled or suspended output must not hold speech for
// ever).
constexpr qint64 ritardoMassimoMs = 2000;

// The device buffer asked for. Qt asks the sound server for the size it got
// last time, which can shrink stream after stream until the buffer takes
// only a few bytes at a time and the sound stutters; so it is set anew for
// every stream. 200 ms is long enough to ride out a busy moment of the
// user-interface thread; a stop still cuts off at once (the stream is
// dropped, not drained).
constexpr int bufferMs = 200;
} // namespace

UscitaAudio::UscitaAudio(QObject *padre)
    : QObject(padre)
{
    m_alimentatore.setSingleShot(true);
    m_fine.setSingleShot(true);
    m_fine.setTimerType(Qt::PreciseTimer);
    connect(&m_alimentatore, &QTimer::timeout, this, [this] { alimenta(); });
    connect(&m_fine, &QTimer::timeout, this, [this] { controllaFine(); });
}

UscitaAudio::~UscitaAudio()
{
    ferma();
}

qint64 UscitaAudio::durataUs() const
{
    return m_formato.isValid() ? m_formato.durationForBytes(qint32(std::min<qint64>(m_totale, INT_MAX))) : 0;
}

void UscitaAudio::inizia(const QAudioFormat &formato)
{
    ferma();
    m_attiva = true;
    m_chiuso = false;
    m_totale = 0;
    m_attesa.clear();
    m_dallInizio.invalidate();
    m_muta = true;
    m_formato = formato;

    if (m_forzaMuta)
        return;
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull())
        return;
    // One sink is kept while the format and the device stay the same, so a
    // new stream starts without building one.
    if (!m_sink || m_formatoSink != formato || m_dispositivo != dispositivo) {
        delete m_sink;
        m_sink = new QAudioSink(dispositivo, formato, this);
        m_formatoSink = formato;
        m_dispositivo = dispositivo;
        connect(m_sink, &QAudioSink::stateChanged, this, [this] { statoSink(); });
    }
    m_sink->setBufferSize(formato.bytesForDuration(bufferMs * 1000));
    m_io = m_sink->start();
    if (!m_io || m_sink->error() != QAudio::NoError) {
        delete m_sink;
        m_io = nullptr;
        return;
    }
    m_muta = false;
}

void UscitaAudio::scrivi(const QByteArray &pcm)
{
    if (!m_attiva || pcm.isEmpty())
        return;
    m_totale += pcm.size();
    if (m_muta) {
        if (!m_dallInizio.isValid()) {
            m_dallInizio.start();
            Q_EMIT primiDati();
        }
        return;
    }
    m_attesa += pcm;
    alimenta();
}

void UscitaAudio::alimenta()
{
    if (!m_attiva || m_muta || !m_sink || !m_io)
        return;
    const int frame = std::max(1, m_formato.bytesPerFrame());
    while (!m_attesa.isEmpty()) {
        qint64 libero = m_sink->bytesFree();
        libero -= libero % frame;
        const qint64 n = std::min<qint64>(libero, m_attesa.size());
        if (n <= 0)
            break;
        const qint64 scritti = m_io->write(m_attesa.constData(), n);
        if (scritti <= 0)
            break;
        m_attesa.remove(0, scritti);
        if (!m_dallInizio.isValid()) {
            m_dallInizio.start();
            Q_EMIT primiDati();
        }
    }
    if (!m_attesa.isEmpty()) {
        // The device's buffer is full: come back when about a fifth of it
        // has been played.
        const qint64 buffer = std::max<qint64>(m_sink->bufferSize(), frame);
        const int ms = std::clamp(int(m_formato.durationForBytes(qint32(buffer)) / 5000), 5, 200);
        m_alimentatore.start(ms);
    } else if (m_chiuso) {
        controllaFine();
    }
}

void UscitaAudio::chiudi()
{
    if (!m_attiva)
        return;
    if (!m_muta && m_totale > 0) {
        // The server starts playing once a buffer's worth is there (or at
        // the end of a drain, which Qt does not ask for); a shorter sound is
        // made up to that length with silence so that it is played at all.
        const qint64 minimo = m_formato.bytesForDuration(bufferMs * 1000);
        if (m_totale < minimo)
            scrivi(QByteArray(minimo - m_totale, m_formato.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : '\0'));
    }
    m_chiuso = true;
    controllaFine();
}

void UscitaAudio::controllaFine()
{
    if (!m_attiva || !m_chiuso || !m_attesa.isEmpty())
        return;
    const qint64 durata = durataUs();
    const qint64 trascorsi = m_dallInizio.isValid() ? m_dallInizio.nsecsElapsed() / 1000 : durata;
    // Sound cannot play faster than the clock, so the clock gives the
    // earliest end; the device's own count of played audio the real one.
    qint64 resto = durata - trascorsi;
    if (!m_muta && m_sink && trascorsi - durata < ritardoMassimoMs * 1000) {
        // Within a couple of ms counts as played: the count is rounded.
        const qint64 restoDispositivo = durata - m_sink->processedUSecs() - 2000;
        resto = std::max(resto, restoDispositivo);
    }
    if (resto <= 0) {
        termina();
        return;
    }
    // The device's count moves in steps, so it is not asked more often
    // than every 10 ms.
    const qint64 ms = (resto + 999) / 1000;
    m_fine.start(int(std::clamp<qint64>(ms, m_muta ? 0 : 10, 60000)));
}

void UscitaAudio::statoSink()
{
    if (!m_attiva || m_muta || !m_sink)
        return;
    const QAudio::State stato = m_sink->state();
    if (stato == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
        passaAMuta(); // the device broke down: finish by the clock
    } else if (stato == QAudio::IdleState && m_chiuso) {
        controllaFine();
    }
}

void UscitaAudio::passaAMuta()
{
    m_muta = true;
    m_attesa.clear();
    m_alimentatore.stop();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    m_io = nullptr;
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

void UscitaAudio::ferma()
{
    const bool eraAttiva = m_attiva;
    m_attiva = false;
    m_alimentatore.stop();
    m_fine.stop();
    m_attesa.clear();
    if (eraAttiva && m_sink)
        m_sink->stop();
    m_io = nullptr;
}
