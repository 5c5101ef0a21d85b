#include "motoreespeak.h"
#include "sintesiespeak.h"

#include <QSignalSpy>
#include <QTest>

// The espeak-ng engine as the program builds it, with no sound server:
// every utterance is really synthesised, then timed instead of played.
class TestMotoreEspeak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-no-server");
        qputenv("ALSA_CONFIG_PATH", "/nonexistent");
        QVERIFY2(SintesiEspeak::condivisa()->pronta(), qPrintable(SintesiEspeak::condivisa()->errore()));
    }

    // Every voice offered really speaks, within the estimate Parla's
    // watchdog relies on, even at the slowest speed.
    void ogniVoceParla()
    {
        MotoreEspeak m;
        QVERIFY(m.VoiceCount() >= 1);
        QCOMPARE(m.VoiceName(1), u"Italiano"_qs);
        m.SpeechSpeed(10);
        for (int v = 1; v <= m.VoiceCount() + 1; ++v) {
            QCOMPARE(m.VoiceNumber(v), v <= m.VoiceCount()); // an unknown voice speaks with the first
            QSignalSpy fine(&m, &MotoreVoce::finito);
            m.SpeakText(u"Ne mangia 3."_qs);
            const int stima = m.durataMassimaMs();
            QVERIFY(fine.wait(60000));
            QCOMPARE(m.SpeakingStatus(), 0);
            QVERIFY2(m.durataAudioMs() > 500 && m.durataAudioMs() <= stima,
                     qPrintable(
                         u"%1: %2 ms of audio, %3 estimated"_qs.arg(m.VoiceName(v)).arg(m.durataAudioMs()).arg(stima)));
        }
    }

    // A stop ends the utterance at once with one finito; a second stop or
    // a replaced utterance gives no extra one.
    void fermaESostituisce()
    {
        MotoreEspeak m;
        QSignalSpy fine(&m, &MotoreVoce::finito);
        m.SpeakText(u"Una frase abbastanza lunga da essere interrotta a metà strada."_qs);
        m.StopSpeech();
        QCOMPARE(fine.size(), 1);
        QCOMPARE(m.SpeakingStatus(), 0);
        m.StopSpeech();
        m.SpeakText(u"Questa frase lunga non verrà detta fino alla fine, viene sostituita."_qs);
        m.SpeakText(u"Sette."_qs);
        QVERIFY(fine.wait(30000));
        QCOMPARE(fine.size(), 2);
        m.SpeakText(u"Otto."_qs);
        QVERIFY(fine.wait(30000));
        QCOMPARE(fine.size(), 3); // a late end of the replaced one would end this early
        QCOMPARE(m.SpeakingStatus(), 0);
    }
};

QTEST_MAIN(TestMotoreEspeak)
#include "tst_motoreespeak.moc"
