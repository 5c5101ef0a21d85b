#pragma once

#include "suoni.h"
#include "tipi.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class UscitaAudio;

// The right and wrong sounds, played from "suoni/si.wav" and "suoni/no.wav"
// in the program folder. Each call returns at once; a new sound cuts off
// the one still playing; a file that is missing or cannot be played gives
// a short beep instead. The files are played whole (to their last sample),
// through the same audio output as speech, and not at all while
// SuonoAttivo is false.
class SuoniWav : public Suoni
{
public:
    // suonoAttivo: the program-wide switch, read at every sound.
    SuoniWav(const Boolean &suonoAttivo, const QString &cartellaProgramma);
    ~SuoniWav() override;

    void SuonoEsatto() override;
    void SuonoErrato() override;

    // PCM of a WAV file and its format; nothing for a file that is not a
    // playable WAV (PCM 8/16/32-bit or 32-bit float).
    struct Audio {
        QAudioFormat formato;
        QByteArray pcm;
    };
    static std::optional<Audio> leggiWav(const QString &percorso);
    // The default alert: a short soft beep.
    static Audio allarme();

private:
    void suona(const QString &relativo);

    const Boolean &m_attivo;
    QString m_cartella;
    std::unique_ptr<UscitaAudio> m_uscita;
};
