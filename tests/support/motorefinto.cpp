#include "motorefinto.h"

MotoreFinto::MotoreFinto()
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { termina(); });
}

void MotoreFinto::SpeakText(const QString &testo)
{
    chiamate << QStringLiteral("SpeakText:") + testo;
    testi << testo;
    m_timer.stop();
    if (testo.isEmpty()) {
        m_parla = false;
        QMetaObject::invokeMethod(this, &MotoreFinto::finito, Qt::QueuedConnection);
        return;
    }
    if (!m_parla)
        Q_EMIT statoCambiato(true);
    m_parla = true;
    if (!muto)
        m_timer.start(durataMs);
}

void MotoreFinto::termina()
{
    m_timer.stop();
    m_parla = false;
    Q_EMIT statoCambiato(false);
    Q_EMIT finito();
}

bool MotoreFinto::VoiceNumber(int numero)
{
    chiamate << QStringLiteral("VoiceNumber:%1").arg(numero);
    if (numero < 1 || numero > voci.size())
        return false;
    voce = numero;
    return true;
}

FabbricaMotore FabbricaFinta::fabbrica()
{
    return [this]() -> std::unique_ptr<MotoreVoce> {
        auto m = std::make_unique<MotoreFinto>();
        creati.append(m.get());
        return m;
    };
}
