#pragma once

#include "motorevoce.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>

// A speech engine for tests: nothing is heard. An utterance lasts durataMs (muto: until StopSpeech or finisciOra),
// then finito() comes from the event loop; an empty text ends at once. chiamate records every call ("SpeakText:<text>",
// "StopSpeech", "VoiceNumber:<n>", "SpeechSpeed:<n>", "SpeechLanguage:<code>:<minus>").
class MotoreFinto : public MotoreVoce
{
    Q_OBJECT
public:
    MotoreFinto();

    void SpeakText(const QString &testo) override;
    void StopSpeech() override { chiamate << u"StopSpeech"_qs, finisciOra(); }
    int SpeakingStatus() const override { return ++lettureStato, m_parla ? 1 : 0; }
    void SpeechSpeed(int v) override { chiamate << u"SpeechSpeed:%1"_qs.arg(velocita = v); }
    int VoiceCount() const override { return int(voci.size()); }
    QString VoiceName(int numero) const override { return voci.value(numero - 1); }
    bool VoiceNumber(int numero) override;
    void SpeechLanguage(const QByteArray &lingua, const QString &meno) override
    {
        chiamate << u"SpeechLanguage:"_qs + QString::fromLatin1(lingua) + u':' + meno;
    }
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
    void finisciOra()
    {
        if (m_parla)
            termina();
    }
    void emettiSampleRequest() { Q_EMIT SampleRequest(); }

private:
    void termina();
    QTimer m_timer;
    bool m_parla = false;
};

// Makes MotoreFinto engines and keeps them in order: FormBocca's comes first.
class FabbricaFinta
{
public:
    FabbricaMotore fabbrica();
    QList<QPointer<MotoreFinto>> creati;
    MotoreFinto *ultimo() const { return creati.isEmpty() ? nullptr : creati.last().data(); }
};
