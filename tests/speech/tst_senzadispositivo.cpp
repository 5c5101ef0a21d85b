#include "motoreespeak.h"
#include "uscitaaudio.h"

#include <QAudioFormat>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

// With no sound server to reach, the engine and the audio output open no
// device and time every stream by its length.
class TestSenzaDispositivo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void motoreCronometrato()
    {
        MotoreEspeak m; // as the program builds it
        QSignalSpy fine(&m, &MotoreVoce::finito);
        QElapsedTimer t;
        t.start();
        m.SpeakText(QStringLiteral("Ci sono quattro gattini."));
        QCOMPARE(m.SpeakingStatus(), 1);
        QVERIFY(fine.wait(20000));
        QVERIFY(m.muto());
        const qint64 audio = m.durataAudioMs();
        QVERIFY2(t.elapsed() >= audio - 20 && t.elapsed() <= audio + 500,
                 qPrintable(QStringLiteral("%1 for %2").arg(t.elapsed()).arg(audio)));
    }

    void uscitaCronometrata_data()
    {
        QTest::addColumn<int>("ms");
        QTest::newRow("nothing") << 0;
        QTest::newRow("short") << 120;
        QTest::newRow("longer") << 400;
    }
    void uscitaCronometrata()
    {
        QFETCH(int, ms);
        UscitaAudio u;
        QSignalSpy fine(&u, &UscitaAudio::finito);
        QAudioFormat f;
        f.setSampleRate(8000);
        f.setChannelCount(1);
        f.setSampleFormat(QAudioFormat::Int16);
        QElapsedTimer t;
        t.start();
        u.inizia(f);
        u.scrivi(QByteArray(8 * ms * 2, '\0'));
        u.chiudi();
        QVERIFY(fine.size() == 1 || fine.wait(5000));
        QVERIFY(u.muta());
        QVERIFY2(t.elapsed() >= ms - 5 && t.elapsed() <= ms + 300, qPrintable(QString::number(t.elapsed())));
    }

    void unNuovoFlussoTaglia()
    {
        UscitaAudio u;
        QSignalSpy fine(&u, &UscitaAudio::finito);
        QAudioFormat f;
        f.setSampleRate(8000);
        f.setChannelCount(1);
        f.setSampleFormat(QAudioFormat::Int16);
        u.inizia(f);
        u.scrivi(QByteArray(8000 * 2, '\0')); // a second
        u.chiudi();
        QTest::qWait(50);
        QElapsedTimer t;
        t.start();
        u.inizia(f);
        u.scrivi(QByteArray(8 * 100 * 2, '\0'));
        u.chiudi();
        QVERIFY(fine.wait(3000));
        QVERIFY(t.elapsed() < 600);
        QTest::qWait(1100);
        QCOMPARE(fine.size(), 1); // the cut stream never ends
    }
};

int main(int argc, char **argv)
{
    // No sound server here, whatever the machine runs.
    qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-no-server");
    qputenv("ALSA_CONFIG_PATH", "/nonexistent");
    QApplication app(argc, argv);
    TestSenzaDispositivo t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_senzadispositivo.moc"
