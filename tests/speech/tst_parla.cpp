// Speaking a text, then what follows it: the text handed over, and every way the wait can end. The fake engine is mute
// (it never ends by itself), so each test says when a sentence ends and no timer decides the order of events.

#include "motorefinto.h"
#include "perparlare.h"
#include "testoespeak.h"

#include <QPointer>
#include <QTest>

class TestParla : public QObject
{
    Q_OBJECT
    PerParlare parla;
    std::unique_ptr<Parlata> attesa;
    QPointer<MotoreFinto> motore;
    int poi = 0; // what follows a sentence: 1 for the first, 10 for a second one

private Q_SLOTS:
    void init()
    {
        motore = new MotoreFinto;
        motore->muto = true;
        parla.usaMotore(motore);
        parla.margineWatchdogMs = 3000;
        attesa = std::make_unique<Parlata>();
        poi = 0;
    }
    void cleanup() { delete motore; }

    // The ways a wait ends that no screen test reaches, or does not: what has followed once the loop has run
    // (prima), and after the engine's end (dopo). A dropped or replaced wait never goes on. The text reaches the
    // engine prepared, TestoDaDire stays as the caller gave it, and the end wakes the wait: nothing polls.
    void fineDellAttesa_data()
    {
        QTest::addColumn<QString>("come");
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("dopo");
        QTest::addColumn<int>("detti"); // texts the engine was given
        QTest::newRow("fine") << "fine" << 0 << 1 << 1;
        QTest::newRow("nessun motore") << "senza" << 1 << 1 << 0;
        QTest::newRow("testo vuoto dopo la preparazione") << "vuoto" << 1 << 1 << 1;
        QTest::newRow("attesa annullata") << "annulla" << 0 << 0 << 1;
        QTest::newRow("attesa sostituita") << "sostituita" << 0 << 10 << 2;
    }
    void fineDellAttesa()
    {
        QFETCH(QString, come);
        parla.TestoDaDire = come == u"vuoto" ? u"_"_qs : u"Città è bella ."_qs;
        if (come == u"senza")
            parla.usaMotore(nullptr);
        parla.Parla(*attesa, [this] { poi += 1; });
        if (come == u"annulla")
            attesa->annulla();
        else if (come == u"sostituita")
            parla.Parla(*attesa, [this] { poi += 10; });
        QCoreApplication::processEvents();
        QTEST(poi, "prima");
        if (motore)
            motore->finisciOra();
        QTEST(poi, "dopo");
        QTEST(int(motore->testi.size()), "detti");
        QVERIFY(come == u"vuoto" || (parla.TestoDaDire == u"Città è bella ."_qs && motore->lettureStato < 10));
        QVERIFY(motore->testi.value(0, u"Citta' e' bella. "_qs) == u"Citta' e' bella. "_qs || come == u"vuoto");
    }

    // The preparation Parla applies, and the reading aid the espeak-ng engine applies on top of it.
    void preparazione_data()
    {
        QTest::addColumn<bool>("espeak"); // the espeak-ng engine's reading aid on top
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("ampersand") << false << u"bella & cara"_qs << u"bella e commerciale cara"_qs;
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
