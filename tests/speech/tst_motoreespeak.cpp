#include "motoreespeak.h"
#include "perparlare.h"
#include "sintesiespeak.h"
#include "testoespeak.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

// The espeak-ng engine as the program builds it, on a machine without a
// sound server: every utterance is really synthesised, then timed instead
// of played. No test looks at a clock; each waits for the end it expects.
class TestMotoreEspeak : public QObject
{
    Q_OBJECT
    std::unique_ptr<MotoreEspeak> motore;

    // Speaks and waits for the end; false when it never came.
    static bool parla(MotoreEspeak &m, const QString &testo)
    {
        QSignalSpy fine(&m, &MotoreVoce::finito);
        m.SpeakText(testo);
        return fine.wait(30000) && m.SpeakingStatus() == 0;
    }

    static QStringList parole(const QString &testo)
    {
        QString f = SintesiEspeak::condivisa()->fonemi(testo);
        for (const char *pausa : {"_|", "_:", "_!"})
            f.replace(QLatin1String(pausa), QLatin1String(" "));
        return f.split(u' ', Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(SintesiEspeak::condivisa()->pronta(), qPrintable(SintesiEspeak::condivisa()->errore()));
    }
    void init() { motore = std::make_unique<MotoreEspeak>(); }
    void cleanup() { motore.reset(); }

    // Every voice offered really speaks, and with no device the speech is
    // timed by its length (nothing waits for a sound card).
    void ogniVoceParla()
    {
        QVERIFY(motore->VoiceCount() >= 1);
        QCOMPARE(motore->VoiceName(1), QStringLiteral("Italiano"));
        QVERIFY(motore->VoiceName(motore->VoiceCount() + 1).isEmpty());
        for (int v = 1; v <= motore->VoiceCount(); ++v) {
            QVERIFY(motore->VoiceNumber(v));
            QVERIFY2(parla(*motore, QStringLiteral("uno")), qPrintable(motore->VoiceName(v)));
            QVERIFY2(motore->durataAudioMs() > 100, qPrintable(motore->VoiceName(v)));
            QVERIFY(motore->muto());
        }
        QVERIFY(!motore->VoiceNumber(motore->VoiceCount() + 1)); // an unknown voice speaks with the first
        QVERIFY(parla(*motore, QStringLiteral("ciao")) && motore->durataAudioMs() > 100);
    }

    // A stop ends the utterance at once with one finito; a second stop or
    // a replaced utterance gives no extra one.
    void fermaESostituisce()
    {
        QSignalSpy fine(motore.get(), &MotoreVoce::finito);
        QSignalSpy stato(motore.get(), &MotoreVoce::statoCambiato);
        motore->SpeakText(QStringLiteral("Una frase abbastanza lunga da essere interrotta a metà strada."));
        QVERIFY(stato.size() == 1 && stato.at(0).at(0).toBool());
        motore->StopSpeech();
        QCOMPARE(fine.size(), 1);
        QCOMPARE(motore->SpeakingStatus(), 0);
        motore->StopSpeech();
        QCOMPARE(fine.size(), 1);
        QCOMPARE(stato.size(), 2);

        motore->SpeakText(QStringLiteral("Questa frase lunga non verrà detta fino alla fine, viene sostituita."));
        motore->SpeakText(QStringLiteral("Sette."));
        QVERIFY(fine.wait(30000));
        QCOMPARE(fine.size(), 2);
        QVERIFY(parla(*motore, QStringLiteral("Otto."))); // a late end of the replaced one would end this early
        QCOMPARE(fine.size(), 3);
    }

    void testoVuotoFiniscePoi()
    {
        QSignalSpy fine(motore.get(), &MotoreVoce::finito);
        motore->SpeakText(QStringLiteral("   "));
        QCOMPARE(motore->SpeakingStatus(), 0);
        QCOMPARE(fine.size(), 0); // queued, so a caller can connect first
        QVERIFY(fine.wait(5000));
    }

    // The watchdog of Parla relies on the estimate made before synthesis
    // being an upper bound of the audio.
    void stimaNonTroppoBassa_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("velocita");
        QTest::newRow("operation, slowest") << QStringLiteral(" 8 -  5 =  3") << 10; // below 80: spoken at 80
        QTest::newRow("sentence, slow") << QStringLiteral("Giulia ha 7 caramelle, ne mangia 3. Quante ne restano?") << 80;
    }
    void stimaNonTroppoBassa()
    {
        QFETCH(QString, testo);
        QFETCH(int, velocita);
        motore->SpeechSpeed(velocita);
        QSignalSpy fine(motore.get(), &MotoreVoce::finito);
        motore->SpeakText(testo);
        const int stima = motore->durataMassimaMs();
        QVERIFY(fine.wait(30000));
        QVERIFY2(stima >= motore->durataAudioMs(), qPrintable(QStringLiteral("%1 < %2").arg(stima).arg(motore->durataAudioMs())));
    }

    // Every operation the screens write: its signs are heard as words, in order.
    void operazioni_data()
    {
        QTest::addColumn<QString>("scritta");
        QTest::addColumn<QStringList>("attese");
        for (int a = 0; a <= 9; ++a) {
            for (int b = 0; b <= 9; ++b) {
                const bool piu = a + b <= 9;
                const bool meno = b <= a;
                for (int segno = 0; segno < 2; ++segno) {
                    if (!(segno ? meno : piu))
                        continue;
                    const int c = segno ? a - b : a + b;
                    QTest::addRow("%d %c %d", a, segno ? '-' : '+', b)
                        << QStringLiteral(" %1 %2  %3 =  %4").arg(a).arg(QChar(segno ? u'-' : u'+')).arg(b).arg(c)
                        << parole(QString::number(a)) + QStringList{segno ? u"m'eno"_qs : u"pj'u"_qs}
                            + parole(QString::number(b)) + QStringList{u"Ugw'ale"_qs} + parole(QString::number(c));
                }
            }
        }
    }
    void operazioni()
    {
        QFETCH(QString, scritta);
        QFETCH(QStringList, attese);
        QCOMPARE(parole(testoPerEspeak(preparaTesto(scritta))), attese);
    }
};

int main(int argc, char **argv)
{
    // No sound server here, whatever the machine runs.
    qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-no-server");
    qputenv("ALSA_CONFIG_PATH", "/nonexistent");
    QApplication app(argc, argv);
    TestMotoreEspeak t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_motoreespeak.moc"
