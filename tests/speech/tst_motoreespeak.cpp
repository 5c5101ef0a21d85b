#include "motoreespeak.h"
#include "perparlare.h"
#include "sintesiespeak.h"
#include "testi.h"
#include "testoespeak.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The espeak-ng engine with no sound server: every utterance is synthesised, then timed instead of played.
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

    // Every voice offered speaks within the estimate Parla's watchdog relies on, even at the slowest speed.
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
            QVERIFY2(m.durataAudioMs() > 500 && m.durataAudioMs() <= stima,
                     qPrintable(
                         u"%1: %2 ms of audio, %3 estimated"_qs.arg(m.VoiceName(v)).arg(m.durataAudioMs()).arg(stima)));
        }
    }

    // A stop ends the utterance at once with one finito; a second stop or a replaced utterance gives no extra one.
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

    // Every shipped sentence sounds the same prepared or not; "c'è" and "è" keep their stress.
    void storie()
    {
        const auto sintesi = SintesiEspeak::condivisa();
        QVERIFY(!sintesi->fonemi(u"uno"_qs).isEmpty()); // or every comparison would hold
        for (const auto &[file, campi] : {std::pair{"lista1.txt", 15}, {"lista2.txt", 16}}) {
            const EsitoLettura e
                = leggiFileTesti(qEnvironmentVariable("NUMERELLA_DATA") + u"/testi/"_qs + QLatin1String(file), campi);
            QVERIFY2(e.ok() && !e.record.empty(), qPrintable(e.errore));
            for (const auto &record : e.record) {
                const Storia s = storiaDaCampi(record);
                QStringList frasi{s.domanda1, s.domanda2, s.domanda3};
                for (int n = 0; n <= 9; ++n)
                    frasi << s.risposta1.per(n) << s.risposta2.per(n) << s.risposta3.per(n);
                for (const QString &frase : std::as_const(frasi)) {
                    const QString fonemi = sintesi->fonemi(testoPerEspeak(preparaTesto(frase)));
                    QCOMPARE(fonemi, sintesi->fonemi(testoPerEspeak(frase)));
                    if (frase.contains(u"c'è"_qs, Qt::CaseInsensitive))
                        QVERIFY2(fonemi.contains(u"tS'E"_qs), qPrintable(frase + u' ' + fonemi));
                    if (frase.contains(QRegularExpression(u"(^| )[èÈ] "_qs)))
                        QVERIFY2(fonemi.contains(u"'E"_qs), qPrintable(frase + u' ' + fonemi));
                }
            }
        }
    }
};

QTEST_MAIN(TestMotoreEspeak)
#include "tst_motoreespeak.moc"
