#include "attesaparla.h"
#include "motoreespeak.h"
#include "serveraudioprova.h"

#include <QSignalSpy>
#include <QTest>

// Real speech end to end: Parla, espeak-ng and Qt's audio into a private PulseAudio sink, recorded.
class TestParlatoReale : public QObject
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

    void parlaSiSenteIntero()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        parla.TestoDaDire = u"Nel prato ci sono 4 conigli. Ne arrivano 3: quanti sono adesso?"_qs;
        QVERIFY(parlaFinoAllaFine(parla));
        QVERIFY2(!m.muto(), "the engine did not reach the sound server");
        // Once the recording ends in silence, the loud span (above -35 dBFS, in ms) is the sentence's audio.
        const auto forte = [](qint16 v) { return std::abs(int(v)) > 600; };
        qint64 sentito = 0;
        const auto finita = [&] {
            const QByteArray pcm = server.registrato();
            const auto *s = reinterpret_cast<const qint16 *>(pcm.constData()), *fine = s + pcm.size() / 2;
            const auto *primo = std::find_if(s, fine, forte);
            const auto *dopo
                = std::find_if(std::make_reverse_iterator(fine), std::make_reverse_iterator(primo), forte).base();
            sentito = (dopo - primo) * 1000 / 22050;
            return primo != fine && fine - dopo > 22050 / 2;
        };
        QTRY_VERIFY_WITH_TIMEOUT(finita(), 30000);
        server.fermaRegistrazione();
        QVERIFY2(sentito >= m.durataAudioMs() * 8 / 10 && m.durataAudioMs() > 2000,
                 qPrintable(u"heard %1 of %2 ms"_qs.arg(sentito).arg(m.durataAudioMs())));
    }

    // The sound server dies mid-sentence: what follows the sentence still comes, and the next sentence ends too.
    void serverMuoreDuranteLaFrase()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        QObject::connect(
            &m, &MotoreEspeak::primoAudio, &m, [this] { server.uccidi(); }, Qt::SingleShotConnection);
        for (const QString &frase : {u"Giulia ha sette caramelle, ne mangia tre, poi ne regala due a Marco."_qs,
                                     u"Quante caramelle restano?"_qs}) {
            parla.TestoDaDire = frase;
            QVERIFY(parlaFinoAllaFine(parla));
            QCOMPARE(m.SpeakingStatus(), 0);
        }
        QVERIFY(m.durataAudioMs() > 500);
    }
};

QTEST_MAIN(TestParlatoReale)
#include "tst_parlatoreale.moc"
