#include "motoreespeak.h"
#include "perparlare.h"
#include "serveraudioprova.h"

#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// From the first to the last sample above about -35 dBFS (espeak-ng's
// speech is far above), in ms, and the loudest sample (0..1).
struct Udito {
    qint64 ms = 0;
    double picco = 0;
};

Udito analizza(const QByteArray &pcm)
{
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    qsizetype primo = -1, ultimo = -1;
    Udito u;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i) {
        const int v = std::abs(int(s[i]));
        u.picco = std::max(u.picco, v / 32768.0);
        if (v > 600) {
            primo = primo < 0 ? i : primo;
            ultimo = i;
        }
    }
    u.ms = primo < 0 ? 0 : (ultimo - primo) * 1000 / 22050;
    return u;
}

// A hang cannot be caught by the event loop it blocks: this thread ends
// the process with a message saying where it stood.
class Guardia
{
public:
    explicit Guardia(const char *dove)
        : m_filo([this, dove] {
            for (int i = 0; i < 1200 && !m_fatto; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!m_fatto) {
                std::fprintf(stderr, "HANG: %s has not returned after 120 s\n", dove);
                std::abort();
            }
        })
    {
    }
    ~Guardia()
    {
        m_fatto = true;
        m_filo.join();
    }

private:
    std::atomic<bool> m_fatto{false};
    std::thread m_filo;
};

} // namespace

// Real speech end to end: Parla, the espeak-ng engine and Qt's audio output
// into a private PulseAudio null sink whose monitor is recorded.
class TestParlatoReale : public QObject
{
    Q_OBJECT
    ServerAudioProva server;
    QStringList blocchi;
    PerParlare::Blocco blocca = [this](bool abilitato) { blocchi << (abilitato ? u"true"_qs : u"false"_qs); };
    const QStringList intorno{QStringLiteral("false"), QStringLiteral("true")};

private Q_SLOTS:
    void initTestCase()
    {
        if (!ServerAudioProva::disponibile())
            QSKIP("pulseaudio is not installed");
        QVERIFY2(server.avvia(22050), qPrintable(server.errore()));
    }
    void init() { blocchi.clear(); }

    void parlaSiSenteIntero()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        parla.TestoDaDire = QStringLiteral("Nel prato ci sono 4 conigli. Ne arrivano 3: quanti sono adesso?");
        parla.Parla(blocca);
        QCOMPARE(blocchi, intorno);
        QCOMPARE(m.SpeakingStatus(), 0);
        QVERIFY2(!m.muto(), "the engine did not reach the sound server");
        QTest::qWait(500); // what the server still holds reaches the recorder
        const Udito u = analizza(server.fermaRegistrazione());
        const qint64 audio = m.durataAudioMs();
        QVERIFY2(audio > 2000 && u.picco > 0.2, qPrintable(QStringLiteral("audio %1 ms, peak %2").arg(audio).arg(u.picco)));
        // espeak-ng's audio begins and ends with a little silence of its
        // own: what is heard is somewhat shorter, never much longer.
        QVERIFY2(u.ms >= audio * 8 / 10 && u.ms <= audio + 300, qPrintable(QStringLiteral("heard %1 of %2 ms").arg(u.ms).arg(audio)));
    }

    void fermaTaglia()
    {
        MotoreEspeak m;
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        QSignalSpy primo(&m, &MotoreEspeak::primoAudio);
        m.SpeakText(QStringLiteral("Questa frase è lunga e viene interrotta appena si comincia a sentire, dal bottone."));
        QVERIFY(primo.wait(30000));
        m.StopSpeech();
        QTest::qWait(6000); // longer than the whole sentence would take
        const Udito u = analizza(server.fermaRegistrazione());
        QVERIFY2(u.ms < 1500, qPrintable(QStringLiteral("%1 ms heard after a stop").arg(u.ms)));
    }

    // The sound server dies in the middle of a sentence: Parla still comes
    // back with the buttons given back, the engine has ended (not merely
    // been given up by the watchdog), and the next sentence ends too.
    void serverMuoreDuranteLaFrase()
    {
        MotoreEspeak m;
        PerParlare parla;
        parla.usaMotore(&m);
        QObject::connect(&m, &MotoreEspeak::primoAudio, &m, [this] { server.uccidi(); }, Qt::SingleShotConnection);
        parla.TestoDaDire = QStringLiteral("Giulia ha sette caramelle, ne mangia tre, poi ne regala due a Marco.");
        {
            Guardia g("Parla, with the sound server killed during the sentence");
            parla.Parla(blocca);
        }
        QCOMPARE(blocchi, intorno);
        QCOMPARE(m.SpeakingStatus(), 0);
        blocchi.clear();
        parla.TestoDaDire = QStringLiteral("Quante caramelle restano?");
        {
            Guardia g("Parla, the sentence after the sound server died");
            parla.Parla(blocca);
        }
        QCOMPARE(blocchi, intorno);
        QCOMPARE(m.SpeakingStatus(), 0);
        QVERIFY(m.durataAudioMs() > 500);
    }

    void cleanupTestCase() { server.ferma(); }
};

QTEST_MAIN(TestParlatoReale)
#include "tst_parlatoreale.moc"
