#include "motoreespeak.h"

#include "testoespeak.h"
#include "uscitaaudio.h"

#include <QAudioFormat>
#include <QMetaObject>

#include <algorithm>

namespace {

// Audio that reaches the device is heard a little later than the clock
// says (the device's buffer); the end may come that much after the length.
constexpr int ritardoDispositivoMs = 1500;

// An upper bound on how long espeak-ng takes to say testo at wpm words a
// minute before it has been synthesised: every three characters counted as
// a word, and each digit or sign as one more (they are read as words).
int stima(const QString &testo, int wpm)
{
    qint64 segni = 0;
    for (QChar c : testo) {
        if (c.isDigit() || c == u'+' || c == u'=')
            ++segni;
    }
    const qint64 ms = (qint64(testo.size()) * 20000 + segni * 60000) / std::max(1, wpm);
    return int(std::min<qint64>(ms + ritardoDispositivoMs, 10 * 60 * 1000));
}

} // namespace

MotoreEspeak::MotoreEspeak()
    : MotoreEspeak(Opzioni{})
{
}

MotoreEspeak::MotoreEspeak(const Opzioni &opzioni, QObject *padre)
    : MotoreVoce(padre)
    , m_sintesi(SintesiEspeak::condivisa(opzioni.cartellaDati))
    , m_uscita(new UscitaAudio(this))
{
    m_uscita->setSenzaDispositivo(opzioni.senzaDispositivo);
    connect(m_uscita, &UscitaAudio::finito, this, [this] { finePlayback(); });
    connect(m_uscita, &UscitaAudio::primiDati, this, &MotoreEspeak::primoAudio);
}

MotoreEspeak::~MotoreEspeak()
{
    annullaRichiesta();
}

void MotoreEspeak::annullaRichiesta()
{
    if (m_richiesta) {
        m_richiesta->annullata = true;
        m_richiesta->disconnect(this);
        m_richiesta.reset();
    }
}

void MotoreEspeak::nonParla()
{
    if (m_parla) {
        m_parla = false;
        Q_EMIT statoCambiato(false);
    }
}

void MotoreEspeak::SpeakText(const QString &testo)
{
    const quint64 generazione = ++m_generazione;
    annullaRichiesta();
    m_uscita->ferma();

    const QString pronto = testoPerEspeak(testo, m_lingua, m_meno);
    if (pronto.trimmed().isEmpty() || VoiceCount() == 0) {
        // Nothing to say, or nothing to say it with: the end is reported
        // at once, but after the caller has had the chance to wait for it.
        nonParla();
        QMetaObject::invokeMethod(
            this,
            [this, generazione] {
                if (generazione == m_generazione)
                    Q_EMIT finito();
            },
            Qt::QueuedConnection);
        return;
    }

    auto r = std::make_shared<SintesiEspeak::Richiesta>();
    r->testo = pronto;
    r->voce = voceEspeak();
    r->paroleAlMinuto = m_velocita;
    // Blocks of a request given up may still be queued when the next one
    // starts, so each request is known by its number, never by its address
    // (a new one can be allocated where the old one was).
    const quint64 numero = ++m_numeroRichiesta;
    QAudioFormat formato;
    formato.setSampleRate(m_sintesi->frequenza());
    formato.setChannelCount(1);
    formato.setSampleFormat(QAudioFormat::Int16);
    m_uscita->inizia(formato);
    // The samples go to the sound server straight from the synthesis
    // thread: the user-interface thread is busiest just when a sentence
    // starts (a new screen being built and painted), and the child would
    // hear that wait. This thread only counts them afterwards.
    connect(r.get(), &SintesiEspeak::Richiesta::blocco, r.get(), m_uscita->scrittore(), Qt::DirectConnection);
    connect(r.get(), &SintesiEspeak::Richiesta::blocco, this, [this, numero](const QByteArray &pcm) {
        if (m_richiesta && numero == m_numeroRichiesta)
            m_uscita->contati(pcm.size());
    });
    connect(r.get(), &SintesiEspeak::Richiesta::fine, this, [this, numero](bool ok) { fineSintesi(numero, ok); });

    m_richiesta = r;
    m_sintesiFinita = false;
    m_stima = stima(pronto, m_velocita);
    if (!m_parla) {
        m_parla = true;
        Q_EMIT statoCambiato(true);
    }
    m_sintesi->sintetizza(r);
}

void MotoreEspeak::fineSintesi(quint64 numero, bool)
{
    if (!m_richiesta || numero != m_numeroRichiesta)
        return;
    // A failed synthesis plays what it made, if anything, and ends.
    m_sintesiFinita = true;
    m_uscita->chiudi();
}

void MotoreEspeak::finePlayback()
{
    if (!m_parla)
        return;
    annullaRichiesta();
    nonParla();
    Q_EMIT finito();
}

void MotoreEspeak::StopSpeech()
{
    ++m_generazione;
    annullaRichiesta();
    m_uscita->ferma();
    if (m_parla) {
        nonParla();
        Q_EMIT finito();
    }
}

int MotoreEspeak::SpeakingStatus() const
{
    return m_parla ? 1 : 0;
}

void MotoreEspeak::SpeechSpeed(int paroleAlMinuto)
{
    m_velocita = std::clamp(paroleAlMinuto, Velocita::MinimaEspeak, Velocita::MassimaEspeak);
}

int MotoreEspeak::VoiceCount() const
{
    return int(m_sintesi->voci(m_lingua).size());
}

QByteArray MotoreEspeak::voceEspeak() const
{
    const QList<SintesiEspeak::Voce> voci = m_sintesi->voci(m_lingua);
    if (voci.isEmpty())
        return QByteArray();
    return voci.at(m_voce >= 1 && m_voce <= voci.size() ? m_voce - 1 : 0).nomeEspeak;
}

void MotoreEspeak::SpeechLanguage(const QByteArray &lingua, const QString &meno)
{
    m_lingua = lingua.isEmpty() ? QByteArray("it") : lingua;
    m_meno = meno;
}

QString MotoreEspeak::VoiceName(int numero) const
{
    const QList<SintesiEspeak::Voce> voci = m_sintesi->voci(m_lingua);
    return numero >= 1 && numero <= voci.size() ? voci.at(numero - 1).nome : QString();
}

bool MotoreEspeak::VoiceNumber(int numero)
{
    // At start-up the voices are still being tried out on the engine's
    // thread (a few hundred milliseconds): the program does not wait for
    // that before showing its first screen. The number is kept as it is and
    // checked when speaking, which falls back to the first voice.
    if (!m_sintesi->avviata()) {
        m_voce = numero;
        return true;
    }
    const bool valida = numero >= 1 && numero <= VoiceCount();
    // An unknown voice speaks with the first one rather than not at all.
    m_voce = valida ? numero : 1;
    return valida;
}

int MotoreEspeak::durataMassimaMs() const
{
    if (m_sintesiFinita)
        return int(m_uscita->durataUs() / 1000) + ritardoDispositivoMs;
    return m_stima;
}

QString MotoreEspeak::errore() const
{
    return m_sintesi->errore();
}

bool MotoreEspeak::muto() const
{
    return m_uscita->muta();
}

qint64 MotoreEspeak::durataAudioMs() const
{
    return m_sintesiFinita ? m_uscita->durataUs() / 1000 : -1;
}
