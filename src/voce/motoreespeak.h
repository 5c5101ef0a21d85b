#pragma once

#include "motorevoce.h"
#include "sintesiespeak.h"
#include "velocita.h"

#include <QElapsedTimer>
#include <memory>

class UscitaAudio;

// The speech engine on espeak-ng: the voices of one language (Italian
// unless told otherwise), speed in words per
// minute (Velocita::MinimaEspeak to MassimaEspeak), audio to the default output as it is synthesised.
// Without an audio device speech is timed by its length, so callers see
// the same start and end. Without usable espeak-ng data the engine has no
// voices and every utterance ends at once.
class MotoreEspeak : public MotoreVoce
{
    Q_OBJECT
public:
    struct Opzioni {
        QString cartellaDati; // espeak-ng data; empty: espeak-ng's own
        bool senzaDispositivo = false; // time speech, never open a device
    };

    MotoreEspeak();
    explicit MotoreEspeak(const Opzioni &opzioni, QObject *padre = nullptr);
    ~MotoreEspeak() override;

    void SpeakText(const QString &testo) override;
    void StopSpeech() override;
    int SpeakingStatus() const override;
    void SpeechSpeed(int paroleAlMinuto) override;
    int VoiceCount() const override;
    QString VoiceName(int numero) const override;
    bool VoiceNumber(int numero) override;
    void SpeechLanguage(const QByteArray &lingua, const QString &meno) override;
    int durataMassimaMs() const override;

    // The espeak-ng voice the next utterance is spoken with: the chosen
    // one, or the language's first when the number is beyond its list.
    QByteArray voceEspeak() const;

    // Why the engine cannot speak (empty when it can).
    QString errore() const;
    // The output of the last utterance is timed, not heard.
    bool muto() const;
    // The length of the last utterance's audio, once fully synthesised.
    qint64 durataAudioMs() const;

Q_SIGNALS:
    // The first audio of an utterance went to the device (benchmarks).
    void primoAudio();

private:
    void finePlayback();
    void fineSintesi(quint64 numero, bool ok);
    void annullaRichiesta();
    void nonParla();

    std::shared_ptr<SintesiEspeak> m_sintesi;
    UscitaAudio *m_uscita;
    std::shared_ptr<SintesiEspeak::Richiesta> m_richiesta;
    bool m_parla = false;
    bool m_sintesiFinita = false;
    int m_voce = 1;
    QByteArray m_lingua = "it";
    QString m_meno = QStringLiteral("meno");
    int m_velocita = Velocita::Predefinita;
    int m_stima = 0;
    quint64 m_generazione = 0;
    quint64 m_numeroRichiesta = 0;
};
