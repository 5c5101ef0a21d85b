#pragma once

#include "motorevoce.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

// A speech engine with fixed timing for tests: nothing is heard.
//
// - An utterance lasts msPerCarattere ms per character of the text, or
//   durataMs when that is set. While it lasts SpeakingStatus() is 1; at its
//   end finito() is emitted (from the event loop, like the real engine).
// - SpeakText while speaking replaces the utterance (no finito for the old
//   one; the new one's timing starts). An empty text reports finito at once
//   (queued) and never makes SpeakingStatus non-zero.
// - StopSpeech ends the utterance in progress and emits finito at once
//   (synchronously); with nothing in progress it only records the call.
// - muto = true: the engine never reports the end (SpeakingStatus stays 1
//   and finito never comes) until StopSpeech or finisciOra(). For watchdog
//   tests.
// - Voices: the names in voci, numbered from 1. VoiceNumber fails (returns
//   false, the voice does not change) for numbers outside 1..voci.size()
//   and for numbers in vociGuaste.
//
// Every call is recorded in chiamate, in order, as
//   "SpeakText:<text>", "StopSpeech", "VoiceNumber:<n>", "SpeechSpeed:<n>"
// (reads such as SpeakingStatus/VoiceCount/VoiceName are not recorded;
// SpeakingStatus reads are counted in lettureStato); testi holds only the
// SpeakText texts.
class MotoreFinto : public MotoreVoce
{
    Q_OBJECT
public:
    explicit MotoreFinto(QObject *padre = nullptr);
    ~MotoreFinto() override;

    void SpeakText(const QString &testo) override;
    void StopSpeech() override;
    int SpeakingStatus() const override;
    void SpeechSpeed(int paroleAlMinuto) override;
    int VoiceCount() const override;
    QString VoiceName(int numero) const override;
    bool VoiceNumber(int numero) override;
    int durataMassimaMs() const override;

    // Settings a test may change at any time.
    int msPerCarattere = 10;
    std::optional<int> durataMs;
    bool muto = false;
    QStringList voci{QStringLiteral("Italiano"), QStringLiteral("Italiano, voce femminile")};
    QSet<int> vociGuaste;

    // What happened.
    QStringList chiamate;
    QStringList testi;
    int voce = 1;     // the voice selected last with success
    int velocita = 0; // the last speed set
    int quanteFinito = 0; // finito() emissions so far
    mutable int lettureStato = 0; // SpeakingStatus() reads (a busy wait shows here)

    // Ends the utterance in progress now, as if it had played out.
    void finisciOra();
    // As if the user asked the engine's panel for a sample.
    void emettiSampleRequest() { Q_EMIT SampleRequest(); }

private:
    void termina();
    QTimer m_timer;
    bool m_parla = false;
    quint64 m_generazione = 0;
};

// Hands out MotoreFinto engines as a FabbricaMotore and keeps each one it
// made, in order: in a program test the first one is FormBocca's, the next
// ones belong to FormImposta. prepara, when set, is run on each new engine.
class FabbricaFinta
{
public:
    FabbricaMotore fabbrica();
    QList<QPointer<MotoreFinto>> creati;
    std::function<void(MotoreFinto &)> prepara;
    MotoreFinto *ultimo() const { return creati.isEmpty() ? nullptr : creati.last().data(); }
};
