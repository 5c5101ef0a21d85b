#include "suoniwav.h"

#include "percorsi.h"
#include "uscitaaudio.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cmath>

namespace {

// A RIFF file far bigger than a feedback sound is not one.
constexpr qint64 dimensioneMassima = 16 * 1024 * 1024;

quint16 u16(const QByteArray &b, qsizetype i)
{
    return qFromLittleEndian<quint16>(b.constData() + i);
}

quint32 u32(const QByteArray &b, qsizetype i)
{
    return qFromLittleEndian<quint32>(b.constData() + i);
}

} // namespace

SuoniWav::SuoniWav(const Boolean &suonoAttivo, const QString &cartellaProgramma)
    : m_attivo(suonoAttivo)
    , m_cartella(cartellaProgramma)
    , m_uscita(std::make_unique<UscitaAudio>())
{
}

SuoniWav::~SuoniWav() = default;

void SuoniWav::SuonoEsatto()
{
    suona(QStringLiteral("suoni/si.wav"));
}

void SuoniWav::SuonoErrato()
{
    suona(QStringLiteral("suoni/no.wav"));
}

void SuoniWav::suona(const QString &relativo)
{
    if (m_attivo == False)
        return;
    std::optional<Audio> a = leggiWav(Percorsi::unisci(m_cartella, relativo));
    if (!a)
        a = allarme();
    m_uscita->inizia(a->formato); // cuts off the sound still playing
    m_uscita->scrivi(a->pcm);
    m_uscita->chiudi();
}

std::optional<SuoniWav::Audio> SuoniWav::leggiWav(const QString &percorso)
{
    QFile f(percorso);
    // Only a regular file: opening a pipe would wait for a writer.
    if (!QFileInfo(percorso).isFile() || !f.open(QIODevice::ReadOnly) || f.size() > dimensioneMassima)
        return std::nullopt;
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<QAudioFormat> formato;
    QByteArray pcm;
    bool datiTrovati = false;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const QByteArray id = b.mid(i, 4);
        const qint64 lunghezza = u32(b, i + 4);
        const qsizetype inizio = i + 8;
        const qint64 disponibili = std::min<qint64>(lunghezza, b.size() - inizio);
        if (id == "fmt " && disponibili >= 16) {
            quint16 tipo = u16(b, inizio);
            const int canali = u16(b, inizio + 2);
            const int frequenza = int(u32(b, inizio + 4));
            const int bit = u16(b, inizio + 14);
            if (tipo == 0xFFFE && disponibili >= 26)
                tipo = u16(b, inizio + 24); // WAVE_FORMAT_EXTENSIBLE: the sub-format
            QAudioFormat q;
            q.setChannelCount(canali);
            q.setSampleRate(frequenza);
            if (tipo == 1 && bit == 8)
                q.setSampleFormat(QAudioFormat::UInt8);
            else if (tipo == 1 && bit == 16)
                q.setSampleFormat(QAudioFormat::Int16);
            else if (tipo == 1 && bit == 32)
                q.setSampleFormat(QAudioFormat::Int32);
            else if (tipo == 3 && bit == 32)
                q.setSampleFormat(QAudioFormat::Float);
            if (canali < 1 || canali > 8 || frequenza < 1000 || frequenza > 192000
                || q.sampleFormat() == QAudioFormat::Unknown)
                return std::nullopt;
            formato = q;
        } else if (id == "data") {
            // A truncated file plays what it has.
            pcm = b.mid(inizio, disponibili);
            datiTrovati = true;
        }
        i = inizio + lunghezza + (lunghezza & 1); // chunks are word aligned
    }
    if (!formato || !datiTrovati)
        return std::nullopt;
    pcm.chop(pcm.size() % formato->bytesPerFrame());
    if (pcm.isEmpty())
        return std::nullopt;
    return Audio{*formato, pcm};
}

SuoniWav::Audio SuoniWav::allarme()
{
    // 150 ms of a soft 880 Hz tone with rounded edges: noticeable, not
    // alarming.
    constexpr int frequenza = 22050;
    constexpr int campioni = frequenza * 150 / 1000;
    constexpr int bordo = frequenza * 10 / 1000;
    Audio a;
    a.formato.setSampleRate(frequenza);
    a.formato.setChannelCount(1);
    a.formato.setSampleFormat(QAudioFormat::Int16);
    a.pcm.resize(campioni * 2);
    auto *s = reinterpret_cast<qint16 *>(a.pcm.data());
    for (int i = 0; i < campioni; ++i) {
        const double inviluppo = std::min({1.0, double(i) / bordo, double(campioni - i) / bordo});
        s[i] = qint16(std::lround(0.4 * 32767 * inviluppo * std::sin(2 * M_PI * 880.0 * i / frequenza)));
    }
    return a;
}
