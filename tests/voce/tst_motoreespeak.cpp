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

    // Every voice offered speaks within the estimate Parla's watchdog relies on, even at the slowest speed; a
    // voice number beyond the language's list speaks with its first voice.
    void ogniVoceParla_data()
    {
        QTest::addColumn<QByteArray>("lingua");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("frase");
        QTest::newRow("Italian") << QByteArray("it") << u"Italiano"_qs << u"Ne mangia 3."_qs;
        QTest::newRow("English") << QByteArray("en-gb") << u"English"_qs << u"She eats 3."_qs;
    }
    void ogniVoceParla()
    {
        QFETCH(QByteArray, lingua);
        QFETCH(QString, frase);
        MotoreEspeak m;
        m.SpeechLanguage(lingua, u"-"_qs);
        QVERIFY(m.VoiceCount() >= 1);
        QTEST(m.VoiceName(1), "prima");
        m.SpeechSpeed(10);
        for (int v = 1; v <= m.VoiceCount() + 1; ++v) {
            QCOMPARE(m.VoiceNumber(v), v <= m.VoiceCount());
            QVERIFY(m.voceEspeak().startsWith(lingua) && (v == 1 || v > m.VoiceCount()) == (m.voceEspeak() == lingua));
            QSignalSpy fine(&m, &MotoreVoce::finito);
            m.SpeakText(frase);
            const int stima = m.durataMassimaMs();
            QVERIFY(fine.wait(60000));
            QVERIFY2(m.durataAudioMs() > 500 && m.durataAudioMs() <= stima,
                     qPrintable(
                         u"%1: %2 ms of audio, %3 estimated"_qs.arg(m.VoiceName(v)).arg(m.durataAudioMs()).arg(stima)));
        }
    }

    // espeak-ng's leading silence is cut to a few ms before the first sound (above -66 dBFS), and what follows is
    // espeak-ng's own samples (the same utterance may vary later on, not at its start).
    void silenzioIniziale_data()
    {
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QByteArray>("voce");
        QTest::newRow("plosive") << u"Quante mele ci sono sul tavolo?"_qs << QByteArray("it");
        QTest::newRow("fricative") << u"Sette."_qs << QByteArray("it");
        QTest::newRow("robot voice") << u"Sette."_qs << QByteArray("it+klatt");
        QTest::newRow("English") << u"She eats 3."_qs << QByteArray("en-gb");
    }
    void silenzioIniziale()
    {
        QFETCH(QString, frase);
        QFETCH(QByteArray, voce);
        const auto sintesi = SintesiEspeak::condivisa();
        const std::vector<qint16> propri = sintesi->campioni(frase, voce, 175, false),
                                  tagliati = sintesi->campioni(frase, voce);
        const auto forte = [](qint16 v) { return std::abs(int(v)) > 16; };
        const qint64 primo = std::find_if(propri.begin(), propri.end(), forte) - propri.begin(), ms = 22;
        const qint64 tenuti = std::find_if(tagliati.begin(), tagliati.end(), forte) - tagliati.begin();
        QVERIFY2(tenuti >= ms && tenuti <= 10 * ms, qPrintable(u"%1 samples before the first sound"_qs.arg(tenuti)));
        QVERIFY(qint64(tagliati.size()) > tenuti + 20 * ms && primo >= tenuti);
        QVERIFY(std::equal(tagliati.begin(), tagliati.begin() + tenuti + 20 * ms, propri.begin() + primo - tenuti));
        // What the engine itself hands the audio output (counted, as no sound server is there): espeak-ng's own
        // samples from 10 ms at most before the first sound.
        MotoreEspeak m;
        m.SpeechLanguage(voce.split('+').constFirst(), u"meno"_qs);
        m.SpeechSpeed(175);
        for (int v = 1; m.voceEspeak() != voce && v <= m.VoiceCount(); ++v)
            m.VoiceNumber(v);
        QSignalSpy fine(&m, &MotoreVoce::finito);
        m.SpeakText(frase);
        QVERIFY(fine.wait(60000) && m.voceEspeak() == voce && m.durataAudioMs() > 0);
        // (The length is given in whole ms: up to 1 ms of samples more may have been handed over.)
        const qint64 f = sintesi->frequenza(), prima = m.durataAudioMs() * f / 1000 - (qint64(propri.size()) - primo);
        QVERIFY2(prima <= f / 100, qPrintable(u"%1 samples before the first sound"_qs.arg(prima)));
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

    // Every shipped sentence, for every number, and every operation up to 9 read in the stories' language: numbers
    // and signs as its words, never another language's; in Italian "c'è" and "è" keep their stress.
    void storie_data()
    {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<QByteArray>("lingua");
        QTest::addColumn<QStringList>("parole"); // zero to nine, then plus, minus, equals
        const QString it = u"zero uno due tre quattro cinque sei sette otto nove più meno uguale"_qs,
                      en = u"zero one two three four five six seven eight nine plus minus equals"_qs;
        QTest::newRow("Italian") << u"testi"_qs << QByteArray("it") << it.split(u' ');
        QTest::newRow("English") << u"testi/English"_qs << QByteArray("en-gb") << en.split(u' ');
    }
    void storie()
    {
        QFETCH(QString, cartella);
        QFETCH(QByteArray, lingua);
        QFETCH(QStringList, parole);
        const auto sintesi = SintesiEspeak::condivisa();
        // Not the other language's voice by mistake.
        QVERIFY(sintesi->fonemi(parole[3], lingua) != sintesi->fonemi(parole[3], lingua == "it" ? "en-gb" : "it"));
        const auto leggi
            = [&](const QString &frase) { return sintesi->fonemi(testoPerEspeak(frase, lingua, parole[11]), lingua); };
        QStringList frasi;
        std::vector<Storia> t1, t2;
        QCOMPARE(CaricaListe(t1, t2, qEnvironmentVariable("NUMERELLA_DATA"), cartella), QString());
        for (const auto *t : {&t1, &t2}) {
            for (const Storia &s : *t) {
                frasi << s.domanda1 << s.domanda2 << s.domanda3;
                for (int n = 0; n <= 9; ++n)
                    frasi << s.risposta1.per(n) << s.risposta2.per(n) << s.risposta3.per(n);
            }
        }
        for (int a = 0; a <= 9; ++a) {
            for (int b = 0; a + b <= 9; ++b)
                frasi << testoNumero(a) + u" +"_qs + testoNumero(b) + u" ="_qs + testoNumero(a + b)
                      << testoNumero(a + b) + u" -"_qs + testoNumero(b) + u" ="_qs + testoNumero(a);
        }
        if (lingua != "it") // a teacher's own words: the accent and "&" read as this language reads them
            frasi << u"Chloé has a café & a shop."_qs;
        frasi.removeDuplicates();
        // Without stress, pauses and linking sounds, which change with the neighbours.
        const auto nudo = [](QString f) { return f.remove(u"r-"_qs).remove(QRegularExpression(u"[',_:;| ]"_qs)); };
        QStringList segni; // each digit and sign as read alone
        for (int i = 0; i < 13; ++i)
            segni << nudo(leggi(i < 10 ? QString::number(i) : parole[i]));
        QStringList difetti;
        for (const QString &frase : std::as_const(frasi)) {
            const QString fonemi = leggi(preparaTesto(frase, {lingua == "it", QString()})), senzaSegni = nudo(fonemi);
            bool ok = !fonemi.contains(u'(') && fonemi == leggi(frase);
            for (int i = 0; i < 13; ++i)
                ok = ok && (!frase.contains(u"0123456789+-="_qs.at(i)) || senzaSegni.contains(segni[i]));
            if (frase.contains(u"c'è"_qs, Qt::CaseInsensitive))
                ok = ok && fonemi.contains(u"tS'E"_qs);
            if (frase.contains(QRegularExpression(u"(^| )[èÈ] "_qs)))
                ok = ok && fonemi.contains(u"'E"_qs);
            if (!ok)
                difetti << frase + u": "_qs + fonemi;
        }
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.mid(0, 10).join(u'\n')));
    }
};

QTEST_MAIN(TestMotoreEspeak)
#include "tst_motoreespeak.moc"
