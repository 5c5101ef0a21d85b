#include "attesaparla.h"
#include "caricatorevoce.h"
#include "serveraudioprova.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

// Speech and sounds as the program has them: from the plugin loaded after the first picture, into a private
// PulseAudio sink, recorded. Its own process: espeak-ng and the sound server's client are the plugin's alone.
class TstVoce : public QObject
{
    Q_OBJECT
    ServerAudioProva server;

private Q_SLOTS:
    void initTestCase()
    {
        if (!ServerAudioProva::disponibile())
            QSKIP("pulseaudio is not installed");
        QVERIFY2(server.avvia(22050), qPrintable(server.errore()));
    }

    // As the program speaks and sounds: through the plugin loaded after the first picture, or once the window has
    // gone unpainted. Without the plugin it is silent, says so once under the plugin's name, and nothing waits.
    void dopoIlCaricamento_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<bool>("sentito");
        QTest::addColumn<bool>("dipinta");
        const QString manca = u"/nonexistent/libnumerella_voce.so"_qs;
        QTest::newRow("plugin beside the program")
            << qEnvironmentVariable("NUMERELLA_BUILD") + u"/libnumerella_voce.so"_qs << true << true;
        QTest::newRow("plugin missing") << manca << false << true;
        QTest::newRow("window gone before its first paint") << manca << false << false;
    }
    void dopoIlCaricamento()
    {
        QFETCH(QString, plugin);
        QFETCH(bool, sentito);
        QFETCH(bool, dipinta);
        if (!sentito)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(u"plugin /nonexistent/libnumerella_voce.so [^/]*$"_qs));
        CaricatoreVoce caricatore(plugin);
        auto finestra = std::make_unique<QWidget>();
        caricatore.avviaDopoIlDisegno(finestra.get());
        QSignalSpy pronto(&caricatore, &CaricatoreVoce::pronto);
        dipinta ? finestra->show() : finestra.reset();
        QVERIFY(pronto.wait(30000));
        QFile mappe(u"/proc/self/maps"_qs); // what the user-interface thread needs, opened before the plugin
        QVERIFY(mappe.open(QIODevice::ReadOnly) && mappe.readAll().contains("imageformats/libqgif.so"));
        MotoreDifferito m(&caricatore);
        const Boolean attivo = True;
        SuoniDifferiti suoni(caricatore, attivo, qEnvironmentVariable("NUMERELLA_DATA"));
        PerParlare parla;
        parla.usaMotore(&m);
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        parla.TestoDaDire = u"Quante caramelle restano?"_qs;
        QVERIFY(parlaFinoAllaFine(parla));
        suoni.SuonoEsatto();
        // Loud samples (above -35 dBFS) followed by half a second of silence; none at all without the plugin.
        const auto forti = [this] {
            const QByteArray pcm = server.registrato();
            const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
            qint64 n = 0, ultimo = -1;
            for (qint64 i = 0; i < pcm.size() / 2; ++i)
                ultimo = std::abs(int(s[i])) > 600 ? (++n, i) : ultimo;
            return std::pair{n, pcm.size() / 2 - ultimo};
        };
        QTRY_VERIFY_WITH_TIMEOUT(forti().second > 22050 / 2 && (forti().first > 0 || !sentito), 30000);
        QCOMPARE(forti().first > 22050, sentito); // more than a second of sentence and sound
        server.fermaRegistrazione();
    }

    // The engine is made when the load ends, before anyone asks for speech: only a real one refuses a voice it
    // does not have. Speech asked for before the load has ended then gets that engine.
    void unSoloMotore()
    {
        CaricatoreVoce caricatore(qEnvironmentVariable("NUMERELLA_BUILD") + u"/libnumerella_voce.so"_qs);
        MotoreDifferito m(&caricatore);
        bool fatto = false;
        connect(&caricatore, &CaricatoreVoce::pronto, this, [&] { fatto = !m.VoiceNumber(100000); });
        QVERIFY(m.VoiceCount() > 0);
        QVERIFY(fatto);
    }
};

QTEST_MAIN(TstVoce)
#include "tst_voce.moc"
