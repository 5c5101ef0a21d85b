#include "perparlare.h"
#include "testoespeak.h"

#include <QTest>

// The preparation Parla applies, and the reading aid the espeak-ng engine
// applies on top of it.
class TestPreparaTesto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void preparazione_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("accents and ampersand")
            << u"Città è bella & cara"_qs << u"Citta' e' bella e commerciale cara"_qs;
        QTest::newRow("space before final stop") << u"Rimangono 4 palloncini ."_qs << u"Rimangono 4 palloncini. "_qs;
        QTest::newRow("capital accent gives lower-case") << u"POTÈ"_qs << u"POTe'"_qs;
        QTest::newRow("typographic apostrophe") << u"l’acqua"_qs << u"l'acqua"_qs;
        QTest::newRow("underscore and middle dot dropped") << u"a_b·c"_qs << u"abc"_qs;
        QTest::newRow("one character") << u"7"_qs << u"7"_qs;
        QTest::newRow("only dropped characters") << u"_"_qs << QString();
        QTest::newRow("space and stop") << u" ."_qs << u". "_qs;
        QTest::newRow("end fix on the prepared text") << u"Ciao ._"_qs << u"Ciao. "_qs;
        QTest::newRow("every table vowel") << u"àèéìòù"_qs << u"a'e'e'i'o'u'"_qs;
        QTest::newRow("other accents pass") << u"áíóúÁ"_qs << u"áíóúÁ"_qs;
    }
    void preparazione()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(preparaTesto(testo), atteso);
    }

    void perEspeak_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("grave accents back") << u"Citta' e' bella"_qs << u"Città è bella"_qs;
        QTest::newRow("-che words acute") << u"perche' poiche' benche'"_qs << u"perché poiché benché"_qs;
        QTest::newRow("ne se acute") << u"ne' l'uno ne' se'"_qs << u"né l'uno né sé"_qs;
        QTest::newRow("capital stays capital") << u"E' bello"_qs << u"È bello"_qs;
        QTest::newRow("elision untouched") << u"l'acqua dell'albero un'ape"_qs << u"l'acqua dell'albero un'ape"_qs;
        QTest::newRow("elided then accent") << u"c'e' dov'e'"_qs << u"c'è dov'è"_qs;
        QTest::newRow("quoted word left alone") << u"disse 'ciao' a tutti"_qs << u"disse 'ciao' a tutti"_qs;
        QTest::newRow("typographic apostrophe") << u"Citta’ e’"_qs << u"Città è"_qs;
        QTest::newRow("minus between numbers") << u" 7 -  3 =  4"_qs << u" 7  meno   3 =  4"_qs;
        QTest::newRow("minus sign") << u"5 − 2"_qs << u"5  meno  2"_qs;
        QTest::newRow("hyphen in a word") << u"arco-baleno"_qs << u"arco-baleno"_qs;
        QTest::newRow("plus and equals as they are") << u" 3 +  2 =  5"_qs << u" 3 +  2 =  5"_qs;
        QTest::newRow("ampersand") << u"a & b"_qs << u"a  e commerciale  b"_qs;
    }
    void perEspeak()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(testoPerEspeak(testo), atteso);
    }
};

QTEST_APPLESS_MAIN(TestPreparaTesto)
#include "tst_preparatesto.moc"
