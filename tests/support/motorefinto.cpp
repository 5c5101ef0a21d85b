#include "motorefinto.h"

#include <QMetaObject>

MotoreFinto::MotoreFinto(QObject *padre)
    : MotoreVoce(padre)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { termina(); });
}

MotoreFinto::~MotoreFinto() = default;

void MotoreFinto::SpeakText(const QString &testo)
{
    chiamate << QStringLiteral("SpeakText:") + testo;
    testi << testo;
    ++m_generazione;
    m_timer.stop();
    if (testo.isEmpty()) {
        const bool parlava = m_parla;
        m_parla = false;
        if (parlava)
            Q_EMIT statoCambiato(false);
        const quint64 g = m_generazione;
        QMetaObject::invokeMethod(
            this,
            [this, g] {
                if (g == m_generazione) {
                    ++quanteFinito;
                    Q_EMIT finito();
                }
            },
            Qt::QueuedConnection);
        return;
    }
    const bool parlava = m_parla;
    m_parla = true;
    if (!parlava)
        Q_EMIT statoCambiato(true);
    if (!muto)
        m_timer.start(durataMs ? *durataMs : int(testo.size()) * msPerCarattere);
}

void MotoreFinto::StopSpeech()
{
    chiamate << QStringLiteral("StopSpeech");
    ++m_generazione;
    if (m_parla)
        termina();
}

void MotoreFinto::finisciOra()
{
    if (m_parla)
        termina();
}

void MotoreFinto::termina()
{
    m_timer.stop();
    m_parla = false;
    ++quanteFinito;
    Q_EMIT statoCambiato(false);
    Q_EMIT finito();
}

int MotoreFinto::SpeakingStatus() const
{
    ++lettureStato;
    return m_parla ? 1 : 0;
}

void MotoreFinto::SpeechSpeed(int paroleAlMinuto)
{
    chiamate << QStringLiteral("SpeechSpeed:%1").arg(paroleAlMinuto);
    velocita = paroleAlMinuto;
}

int MotoreFinto::VoiceCount() const { return int(voci.size()); }

QString MotoreFinto::VoiceName(int numero) const
{
    return numero >= 1 && numero <= voci.size() ? voci.at(numero - 1) : QString();
}

bool MotoreFinto::VoiceNumber(int numero)
{
    chiamate << QStringLiteral("VoiceNumber:%1").arg(numero);
    if (numero < 1 || numero > voci.size() || vociGuaste.contains(numero))
        return false;
    voce = numero;
    return true;
}

int MotoreFinto::durataMassimaMs() const
{
    if (durataMs)
        return *durataMs;
    const QString t = testi.isEmpty() ? QString() : testi.last();
    return int(t.size()) * msPerCarattere;
}

FabbricaMotore FabbricaFinta::fabbrica()
{
    return [this]() -> std::unique_ptr<MotoreVoce> {
        auto m = std::make_unique<MotoreFinto>();
        if (prepara)
            prepara(*m);
        creati.append(m.get());
        return m;
    };
}
