#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// What the program uses of a speech engine. Speed is words per minute;
// voices are numbered from 1.
class MotoreVoce : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~MotoreVoce() override = default;

    // Starts speaking and returns at once; replaces an utterance in progress.
    // An empty text speaks nothing and reports the end at once.
    virtual void SpeakText(const QString &testo) = 0;
    virtual void StopSpeech() = 0;
    // Non-zero from SpeakText until the last sample has been played or the
    // speech was stopped.
    virtual int SpeakingStatus() const = 0;
    virtual void SpeechSpeed(int paroleAlMinuto) = 0;
    virtual int VoiceCount() const = 0;
    virtual QString VoiceName(int numero) const = 0;
    // False when the voice cannot be selected.
    virtual bool VoiceNumber(int numero) = 0;

    // The language spoken from now on: its code ("it", "en-gb"), which also
    // chooses the voices offered, and its word for a minus sign.
    virtual void SpeechLanguage(const QByteArray &lingua, const QString &meno)
    {
        Q_UNUSED(lingua);
        Q_UNUSED(meno);
    }

    // Longest time the current utterance can take, in ms (for the watchdog
    // of the speech wait).
    virtual int durataMassimaMs() const = 0;

Q_SIGNALS:
    // The utterance in progress has ended (played out or stopped).
    void finito();
    // The engine's panel asks for a sample sentence.
    void SampleRequest();
    // Speaking started or ended (the panel's mouth follows it).
    void statoCambiato(bool parla);
};

using FabbricaMotore = std::function<std::unique_ptr<MotoreVoce>()>;
