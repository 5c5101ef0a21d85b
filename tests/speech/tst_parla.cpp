// Speaking a text and waiting for its end: what is locked and when, the text handed over, and every way the wait
// can end. The fake engine is mute (it never ends by itself), so each test says when a sentence ends and no timer
// decides the order of events.

#include "motorefinto.h"
#include "perparlare.h"
#include "testoespeak.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestParla : public QObject
{
    Q_OBJECT
    PerParlare parla;
    QPointer<MotoreFinto> motore;
    QStringList blocchi;

    PerParlare::Blocco blocco = [this](bool abilitato) { blocchi << (abilitato ? u"sblocca"_qs : u"blocca"_qs); };

    // Runs `azione` inside the wait, once the engine speaks.
    void durante(const std::function<void()> &azione) { QTimer::singleShot(0, motore, azione); }

private Q_SLOTS:
    void init()
    {
        motore = new MotoreFinto;
        motore->muto = true;
        parla.usaMotore(motore);
        parla.TestoDaDire.clear();
        parla.margineWatchdogMs = 3000;
        blocchi.clear();
    }
    void cleanup() { delete motore; }

    // No text: nothing locked, nothing said. Otherwise locked before the text reaches the engine, unlocked only at its
    // end; the text is prepared, TestoDaDire is left as the caller gave it.
    void bloccaParlaAspettaSblocca()
    {
        parla.Parla(blocco);
        QVERIFY(blocchi.isEmpty() && motore->chiamate.isEmpty());
        parla.TestoDaDire = QStringLiteral("Città è bella .");
        QStringList dentro;
        durante([&] {
            dentro = blocchi;
            motore->finisciOra();
        });
        parla.Parla(blocco);
        QCOMPARE(dentro, QStringList{QStringLiteral("blocca")});
        QCOMPARE(blocchi, (QStringList{QStringLiteral("blocca"), QStringLiteral("sblocca")}));
        QCOMPARE(motore->testi, QStringList{QStringLiteral("Citta' e' bella. ")});
        QCOMPARE(parla.TestoDaDire, QStringLiteral("Città è bella ."));
        QVERIFY(motore->lettureStato < 10); // the wait sleeps until the end is signalled, it does not poll
    }

    // However the sentence ends, Parla returns and unlocks: the repeat button (stop, speak again: the wait goes on
    // until that one ends too), a nested Parla, the engine destroyed, an engine that never tells, no engine.
    void fineDellAttesa_data()
    {
        QTest::addColumn<QString>("come");
        QTest::addColumn<QStringList>("atteso");
        QTest::addColumn<int>("detti"); // texts the engine was given
        const QStringList intorno{"blocca", "sblocca"};
        QTest::newRow("ripetizione durante l'attesa") << "ripeti" << intorno << 2;
        QTest::newRow("Parla annidato") << "annidato"
                                        << QStringList{"blocca", "dentro-blocca", "dentro-sblocca", "sblocca"} << 2;
        QTest::newRow("motore distrutto") << "distrutto" << intorno << 0;
        QTest::newRow("motore che non avvisa mai") << "cane" << intorno << 1;
        QTest::newRow("nessun motore") << "senza" << intorno << 0;
    }
    void fineDellAttesa()
    {
        QFETCH(QString, come);
        parla.TestoDaDire = QStringLiteral("Quante mele ci sono?");
        const auto finisci = [this] { QTimer::singleShot(0, motore, [this] { motore->finisciOra(); }); };
        if (come == u"ripeti") {
            durante([&] { motore->StopSpeech(), motore->SpeakText(parla.TestoDaDire), finisci(); });
        } else if (come == u"annidato") {
            durante([&] {
                finisci();
                parla.TestoDaDire = QStringLiteral("Ne arrivano due.");
                parla.Parla([&](bool a) { blocchi << (a ? "dentro-sblocca" : "dentro-blocca"); });
            });
        } else if (come == u"distrutto") {
            durante([&] { delete motore; });
        } else if (come == u"cane") {
            parla.margineWatchdogMs = motore->durataMs = 0;
        } else {
            parla.usaMotore(nullptr);
        }
        parla.Parla(blocco);
        QTEST(blocchi, "atteso");
        QTEST(motore ? int(motore->testi.size()) : 0, "detti");
    }

    // The preparation Parla applies, and the reading aid the espeak-ng engine applies on top of it.
    void preparazione_data()
    {
        QTest::addColumn<bool>("espeak"); // the espeak-ng engine's reading aid on top
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("ampersand") << false << u"bella & cara"_qs << u"bella e commerciale cara"_qs;
        QTest::newRow("space before final stop") << false << u"Sono 4 ."_qs << u"Sono 4. "_qs;
        QTest::newRow("capital accent gives lower-case") << false << u"POTÈ"_qs << u"POTe'"_qs;
        QTest::newRow("typographic apostrophe") << false << u"l’acqua"_qs << u"l'acqua"_qs;
        QTest::newRow("underscore and middle dot dropped") << false << u"a_b·c"_qs << u"abc"_qs;
        QTest::newRow("one character") << false << u"7"_qs << u"7"_qs;
        QTest::newRow("only dropped characters") << false << u"_"_qs << QString();
        QTest::newRow("space and stop") << false << u" ."_qs << u". "_qs;
        QTest::newRow("end fix on the prepared text") << false << u"Ciao ._"_qs << u"Ciao. "_qs;
        QTest::newRow("every table vowel") << false << u"àèéìòù"_qs << u"a'e'e'i'o'u'"_qs;
        QTest::newRow("other accents pass") << false << u"áíóúÁ"_qs << u"áíóúÁ"_qs;
        QTest::newRow("espeak: grave accents back") << true << u"Citta' e' bella"_qs << u"Città èh bella"_qs;
        QTest::newRow("espeak: -che words acute") << true << u"perche' poiche'"_qs << u"perché poiché"_qs;
        QTest::newRow("espeak: capital stays capital") << true << u"E' bello"_qs << u"Èh bello"_qs;
        QTest::newRow("espeak: elision untouched") << true << u"dell'albero un'ape"_qs << u"dell'albero un'ape"_qs;
        QTest::newRow("espeak: elided then accent") << true << u"c'e' C'e' dov'e'"_qs << u"cè Cè dov'è"_qs;
        QTest::newRow("espeak: typographic apostrophe") << true << u"Citta’ e’"_qs << u"Città èh"_qs;
        QTest::newRow("espeak: minus between numbers") << true << u" 7 -  3 =  4"_qs << u" 7  meno   3 =  4"_qs;
        QTest::newRow("espeak: minus sign") << true << u"5 − 2"_qs << u"5  meno  2"_qs;
        QTest::newRow("espeak: hyphen in a word") << true << u"arco-baleno"_qs << u"arco-baleno"_qs;
        QTest::newRow("espeak: plus and equals as they are") << true << u" 3 +  2 =  5"_qs << u" 3 +  2 =  5"_qs;
        QTest::newRow("espeak: ampersand") << true << u"a & b"_qs << u"a  e commerciale  b"_qs;
    }

    void preparazione()
    {
        QFETCH(bool, espeak);
        QFETCH(QString, testo);
        QTEST(espeak ? testoPerEspeak(testo) : preparaTesto(testo), "atteso");
    }
};

QTEST_MAIN(TestParla)
#include "tst_parla.moc"
