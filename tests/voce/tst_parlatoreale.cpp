#include "attesaparla.h"
#include "motoreespeak.h"
#include "serveraudioprova.h"
#include "sintesiespeak.h"
#include "testoespeak.h"

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

    // A sentence recorded from the sink has no gap its synthesised samples do not have: from its first loud sample
    // (above -35 dBFS) to its last, it is no longer than they are.
    void parlaSiSenteIntero()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        parla.TestoDaDire = u"Nel prato ci sono 4 conigli. Ne arrivano 3: quanti sono adesso?"_qs;
        QVERIFY(parlaFinoAllaFine(parla));
        QVERIFY2(!m.muto(), "the engine did not reach the sound server");
        const auto forte = [](qint16 v) { return std::abs(int(v)) > 600; };
        const auto durata = [&](const QByteArray &b) { // ms, and the silence after it
            const auto *s = (const qint16 *)b.data(), *fine = s + b.size() / 2, *primo = std::find_if(s, fine, forte);
            const auto *dopo
                = std::find_if(std::make_reverse_iterator(fine), std::make_reverse_iterator(primo), forte).base();
            return std::pair((dopo - primo) * 1000 / 22050, (fine - dopo) * 1000 / 22050);
        };
        QTRY_VERIFY_WITH_TIMEOUT(durata(server.registrato()).second > 500, 30000);
        const qint64 sentito = durata(server.fermaRegistrazione()).first;
        const auto s = SintesiEspeak::condivisa()->campioni(testoPerEspeak(preparaTesto(parla.TestoDaDire)));
        const qint64 sintetizzato = durata(QByteArray((const char *)s.data(), qsizetype(s.size()) * 2)).first;
        // (The monitor may miss the first block of a stream: the sink had already passed it on as silence.)
        QVERIFY2(sentito <= sintetizzato + 5 && sentito >= sintetizzato - 40 && sintetizzato > 2000,
                 qPrintable(u"heard %1 of %2 ms"_qs.arg(sentito).arg(sintetizzato)));
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
