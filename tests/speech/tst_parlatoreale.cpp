#include "motoreespeak.h"
#include "perparlare.h"
#include "serveraudioprova.h"

#include <QSignalSpy>
#include <QTest>

// Real speech end to end: Parla, the espeak-ng engine and Qt's audio output
// into a private PulseAudio null sink whose monitor is recorded.
class TestParlatoReale : public QObject
{
    Q_OBJECT
    ServerAudioProva server;
    QStringList blocchi;
    PerParlare::Blocco blocca = [this](bool abilitato) { blocchi << (abilitato ? u"on"_qs : u"off"_qs); };
    const QStringList intorno{u"off"_qs, u"on"_qs};

private Q_SLOTS:
    void initTestCase()
    {
        if (!ServerAudioProva::disponibile())
            QSKIP("pulseaudio is not installed");
        QVERIFY2(server.avvia(22050), qPrintable(server.errore()));
    }

    void parlaSiSenteIntero()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        blocchi.clear();
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        parla.TestoDaDire = u"Nel prato ci sono 4 conigli. Ne arrivano 3: quanti sono adesso?"_qs;
        parla.Parla(blocca);
        QCOMPARE(blocchi, intorno);
        QCOMPARE(m.SpeakingStatus(), 0);
        QVERIFY2(!m.muto(), "the engine did not reach the sound server");
        QTest::qWait(500); // what the server still holds reaches the recorder
        // From the first to the last sample above about -35 dBFS, in ms.
        const QByteArray pcm = server.fermaRegistrazione();
        const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
        qsizetype primo = -1, ultimo = -1;
        for (qsizetype i = 0; i < pcm.size() / 2; ++i) {
            if (std::abs(int(s[i])) > 600) {
                primo = primo < 0 ? i : primo;
                ultimo = i;
            }
        }
        const qint64 sentito = primo < 0 ? 0 : (ultimo - primo) * 1000 / 22050, audio = m.durataAudioMs();
        // espeak-ng's audio begins and ends with a little silence of its
        // own: what is heard is somewhat shorter, never much longer.
        QVERIFY2(audio > 2000 && sentito >= audio * 8 / 10 && sentito <= audio + 300,
                 qPrintable(u"heard %1 of %2 ms"_qs.arg(sentito).arg(audio)));
    }

    // The sound server dies in the middle of a sentence: Parla still comes
    // back with the buttons given back, and the next sentence ends too.
    void serverMuoreDuranteLaFrase()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        QObject::connect(
            &m, &MotoreEspeak::primoAudio, &m, [this] { server.uccidi(); }, Qt::SingleShotConnection);
        for (const QString &frase : {u"Giulia ha sette caramelle, ne mangia tre, poi ne regala due a Marco."_qs,
                                     u"Quante caramelle restano?"_qs}) {
            blocchi.clear();
            parla.TestoDaDire = frase;
            parla.Parla(blocca);
            QCOMPARE(blocchi, intorno);
            QCOMPARE(m.SpeakingStatus(), 0);
        }
        QVERIFY(m.durataAudioMs() > 500);
    }
};

QTEST_MAIN(TestParlatoReale)
#include "tst_parlatoreale.moc"
