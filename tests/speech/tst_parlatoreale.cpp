#include "modulo1.h"
#include "motoreespeak.h"
#include "perparlare.h"
#include "registroschermi.h"
#include "schermo.h"
#include "serveraudioprova.h"
#include "suoniwav.h"
#include "uscitaaudio.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {

class BoccaReale : public Schermo, public PortatoreMotore
{
public:
    BoccaReale()
        : Schermo(QStringLiteral("FormBocca"), 1500, 1500)
    {
    }
    MotoreVoce &Bocca() override { return m_motore; }
    MotoreEspeak m_motore;
};

struct Analisi {
    double piccoMassimo = 0; // 0..1
    qint64 primoMs = -1;      // first and last sample above the threshold
    qint64 ultimoMs = -1;
    qint64 totaleMs = 0;
};

Analisi analizza(const QByteArray &pcm, int frequenza)
{
    Analisi a;
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    const int soglia = 600; // about -35 dBFS: espeak-ng's speech is far above
    for (qsizetype i = 0; i < n; ++i) {
        const int v = std::abs(int(s[i]));
        a.piccoMassimo = std::max(a.piccoMassimo, v / 32768.0);
        if (v > soglia) {
            if (a.primoMs < 0)
                a.primoMs = i * 1000 / frequenza;
            a.ultimoMs = i * 1000 / frequenza;
        }
    }
    a.totaleMs = n * 1000 / frequenza;
    return a;
}

} // namespace

// Real speech end to end: Parla, the espeak-ng engine and Qt's audio output
// into a private PulseAudio null sink whose monitor is recorded.
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

    void parlaSiSente()
    {
        RegistroSchermi registro;
        BoccaReale *bocca = nullptr;
        registro.registra(QStringLiteral("FormBocca"), [&] { return bocca = new BoccaReale; });
        PerParlare parla(registro);
        registro.schermo(QStringLiteral("FormBocca"));
        QVERIFY(bocca);
        QVERIFY2(bocca->m_motore.VoiceCount() > 0, qPrintable(bocca->m_motore.errore()));

        QVERIFY2(server.registra(), qPrintable(server.errore()));
        QTest::qWait(100);

        parla.TestoDaDire = QStringLiteral("Nel prato ci sono 4 conigli. Ne arrivano 3: quanti sono adesso?");
        QElapsedTimer t;
        t.start();
        parla.Parla();
        const qint64 attesa = t.elapsed();
        const qint64 audio = bocca->m_motore.durataAudioMs();
        QVERIFY2(!bocca->m_motore.muto(), "the engine did not reach the sound server");

        QTest::qWait(400);
        const QByteArray registrato = server.fermaRegistrazione();
        const Analisi a = analizza(registrato, 22050);
        qInfo("audio %lld ms, Parla waited %lld ms, recorded %lld ms, sound from %lld to %lld ms, peak %.2f",
              audio, attesa, a.totaleMs, a.primoMs, a.ultimoMs, a.piccoMassimo);

        QVERIFY2(audio > 2000, "the sentence is a few seconds long");
        QVERIFY2(a.piccoMassimo > 0.2, "the recording is silent");
        const qint64 udito = a.ultimoMs - a.primoMs;
        // espeak-ng's audio begins and ends with a little silence of its
        // own, so what is heard is a bit shorter than what was synthesised,
        // never longer.
        QVERIFY2(udito >= audio * 8 / 10 && udito <= audio + 100,
                 qPrintable(QStringLiteral("heard %1 ms of %2 ms").arg(udito).arg(audio)));
        // Parla waits for the sound to be played out, not just synthesised.
        QVERIFY2(attesa >= audio - 50 && attesa <= audio + 1500,
                 qPrintable(QStringLiteral("waited %1 ms for %2 ms").arg(attesa).arg(audio)));
        registro.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void fermaTaglia()
    {
        MotoreEspeak m;
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        m.SpeakText(QStringLiteral("Questa frase è lunga e viene interrotta quasi subito dal bottone."));
        QTest::qWait(500);
        m.StopSpeech();
        QTest::qWait(800);
        const Analisi a = analizza(server.fermaRegistrazione(), 22050);
        QVERIFY2(a.piccoMassimo > 0.2, "nothing was heard before the stop");
        // Sound ends soon after the stop, well before the sentence would.
        QVERIFY2(a.ultimoMs - a.primoMs < 900, qPrintable(QString::number(a.ultimoMs - a.primoMs)));
    }

    void dopoTanteInterruzioni()
    {
        // Speech stopped as soon as it starts, many times over, must leave
        // the output as good as new: the next sentence is heard whole and
        // on time.
        MotoreEspeak m;
        for (int i = 0; i < 30; ++i) {
            QSignalSpy primo(&m, &MotoreEspeak::primoAudio);
            m.SpeakText(QStringLiteral("Nel prato ci sono 3 conigli."));
            QVERIFY(primo.size() == 1 || primo.wait(3000));
            m.StopSpeech();
        }
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        QSignalSpy fine(&m, &MotoreVoce::finito);
        QElapsedTimer t;
        t.start();
        m.SpeakText(QStringLiteral("Giulia ha sette caramelle, ne mangia tre."));
        QVERIFY(fine.wait(20000));
        const qint64 attesa = t.elapsed();
        QTest::qWait(300);
        const Analisi a = analizza(server.fermaRegistrazione(), 22050);
        const qint64 audio = m.durataAudioMs();
        qInfo("after 30 stops: audio %lld ms, finished after %lld ms, heard %lld ms", audio, attesa,
              a.ultimoMs - a.primoMs);
        QVERIFY2(attesa <= audio + 500, qPrintable(QString::number(attesa)));
        QVERIFY2(a.ultimoMs - a.primoMs >= audio * 8 / 10 && a.ultimoMs - a.primoMs <= audio + 100,
                 qPrintable(QString::number(a.ultimoMs - a.primoMs)));
    }

    void suonoIntero()
    {
        // The right sound is heard to its end: nothing of its tail is lost.
        const QString cartella = qEnvironmentVariable("NUMERELLA_DATA");
        const auto file = SuoniWav::leggiWav(cartella + QStringLiteral("/suoni/si.wav"));
        QVERIFY(file);
        const Analisi atteso = analizza(file->pcm, file->formato.sampleRate());
        Modulo1 stato;
        stato.SuonoAttivo = True;
        SuoniWav suoni(stato, cartella);
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        QSignalSpy fine(&suoni.uscita(), &UscitaAudio::finito);
        suoni.SuonoEsatto();
        QVERIFY(!suoni.uscita().muta());
        QVERIFY(fine.wait(5000));
        QTest::qWait(300);
        const Analisi a = analizza(server.fermaRegistrazione(), 22050);
        const qint64 udito = a.ultimoMs - a.primoMs;
        const qint64 nelFile = atteso.ultimoMs - atteso.primoMs;
        qInfo("sound: %lld ms heard of %lld ms in the file", udito, nelFile);
        QVERIFY2(qAbs(udito - nelFile) <= 40, qPrintable(QStringLiteral("%1 vs %2").arg(udito).arg(nelFile)));
    }

    void cleanupTestCase() { server.ferma(); }
};

QTEST_MAIN(TestParlatoReale)
#include "tst_parlatoreale.moc"
