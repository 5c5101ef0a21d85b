#pragma once

#include "motorevoce.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// A speech engine for tests: nothing is heard.
// - An utterance lasts durataMs; SpeakingStatus() is 1 meanwhile, and at
//   its end finito() comes from the event loop, as from the real engine.
//   SpeakText while speaking replaces the utterance; an empty text reports
//   its end at once.
// - muto: the utterance never ends by itself, only by StopSpeech or
//   finisciOra(), so a test decides when a sentence ends.
// - chiamate records every call ("SpeakText:<text>", "StopSpeech",
//   "VoiceNumber:<n>", "SpeechSpeed:<n>"); testi only the spoken texts.
class MotoreFinto : public MotoreVoce
{
    Q_OBJECT
public:
    MotoreFinto();

    void SpeakText(const QString &testo) override;
    void StopSpeech() override;
    int SpeakingStatus() const override;
    void SpeechSpeed(int paroleAlMinuto) override;
    int VoiceCount() const override { return int(voci.size()); }
    QString VoiceName(int numero) const override { return voci.value(numero - 1); }
    bool VoiceNumber(int numero) override;
    int durataMassimaMs() const override { return durataMs; }

    int durataMs = 1;
    bool muto = false;
    QStringList voci{QStringLiteral("Italiano"), QStringLiteral("Italiano, voce femminile")};

    QStringList chiamate;
    QStringList testi;
    int voce = 1; // the voice selected last with success
    int velocita = 0; // the last speed set
    mutable int lettureStato = 0; // SpeakingStatus() reads (a busy wait shows here)

    // Ends the utterance in progress now, as if it had played out.
    void finisciOra();
    void emettiSampleRequest() { Q_EMIT SampleRequest(); }

private:
    void termina();
    QTimer m_timer;
    bool m_parla = false;
};

// Hands out MotoreFinto engines and keeps each one it made, in order: the
// first one is FormBocca's, the next ones FormImposta's.
class FabbricaFinta
{
public:
    FabbricaMotore fabbrica();
    QList<QPointer<MotoreFinto>> creati;
    std::function<void(MotoreFinto &)> prepara;
    MotoreFinto *ultimo() const { return creati.isEmpty() ? nullptr : creati.last().data(); }
};
