#include "motoreespeak.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// espeak-ng keeps its state for the whole process, so an engine without
// its data is tried in a process of its own.
class TestEspeakSenzaDati : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nonParlaMaNonSiBlocca()
    {
        QTemporaryDir vuota;
        QVERIFY(vuota.isValid());
        MotoreEspeak::Opzioni o;
        o.cartellaDati = vuota.path();
        o.senzaDispositivo = true;
        MotoreEspeak m(o);
        QCOMPARE(m.VoiceCount(), 0);
        QVERIFY(m.VoiceName(1).isEmpty());
        QVERIFY(!m.VoiceNumber(1));
        QVERIFY(!m.errore().isEmpty());

        QSignalSpy fine(&m, &MotoreVoce::finito);
        QElapsedTimer t;
        t.start();
        m.SpeakText(QStringLiteral("ciao"));
        QCOMPARE(m.SpeakingStatus(), 0);
        QVERIFY(fine.wait(1000));
        QVERIFY(t.elapsed() < 500);
        m.SpeechSpeed(130);
        m.StopSpeech();
        QCOMPARE(fine.size(), 1);
    }
};

QTEST_MAIN(TestEspeakSenzaDati)
#include "tst_espeaksenzadati.moc"
