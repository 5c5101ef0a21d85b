// The text of a screen's controls follows the screen's size.

#include "fontinproporzione.h"
#include "schermo.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
constexpr int T = TwipPerPixel;

struct Campione {
    Schermo s{QStringLiteral("FormProva"), 400 * T, 300 * T};
    QLabel *titolo;
    QPushButton *bottone;
    QLabel *senzaFont;

    Campione()
    {
        s.dimensionaDesign();
        titolo = s.aggiungi(new QLabel(s.client()), QStringLiteral("Label1"));
        QFont f(QStringLiteral("Comic Sans MS"));
        f.setPointSizeF(48);
        f.setBold(true);
        titolo->setFont(f);
        bottone = s.aggiungi(new QPushButton(s.client()), QStringLiteral("Command1"));
        f.setPointSizeF(15.75);
        bottone->setFont(f);
        senzaFont = s.aggiungi(new QLabel(s.client()), QStringLiteral("Label2"));
    }
};
} // namespace

class TestFontInProporzione : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void seguonoLoSchermo_data();
    void seguonoLoSchermo();
    void tornanoQuelliDiProgetto();
    void soloIFontScelti();
};

void TestFontInProporzione::seguonoLoSchermo_data()
{
    QTest::addColumn<QSize>("interno");
    QTest::addColumn<double>("fattore");
    QTest::newRow("misura di progetto") << QSize(400, 300) << 1.0;
    QTest::newRow("doppio") << QSize(800, 600) << 2.0;
    QTest::newRow("largo: conta l'altezza") << QSize(1600, 450) << 1.5;
    QTest::newRow("alto: conta la larghezza") << QSize(300, 900) << 0.75;
    QTest::newRow("minuscolo: almeno un punto") << QSize(4, 3) << 0.01;
}

void TestFontInProporzione::seguonoLoSchermo()
{
    QFETCH(QSize, interno);
    QFETCH(double, fattore);
    Campione c;
    FontInProporzione f(c.s);
    c.s.resize(interno);
    QCOMPARE(f.fattore(), fattore);
    f.applica();
    QCOMPARE(c.titolo->font().pointSizeF(), std::max(1.0, 48 * fattore));
    QCOMPARE(c.bottone->font().pointSizeF(), std::max(1.0, 15.75 * fattore));
    QVERIFY(c.titolo->font().bold());
    QCOMPARE(c.titolo->font().family(), QStringLiteral("Comic Sans MS"));
}

void TestFontInProporzione::tornanoQuelliDiProgetto()
{
    Campione c;
    FontInProporzione f(c.s);
    for (const QSize &z : {QSize(1000, 700), QSize(123, 77), QSize(2000, 1500)}) {
        c.s.resize(z);
        f.applica();
    }
    c.s.resize(400, 300);
    f.applica();
    QCOMPARE(c.titolo->font().pointSizeF(), 48.0);
    QCOMPARE(c.bottone->font().pointSizeF(), 15.75);
}

void TestFontInProporzione::soloIFontScelti()
{
    Campione c;
    const QFont prima = c.senzaFont->font();
    FontInProporzione f(c.s);
    c.s.resize(800, 600);
    f.applica();
    QCOMPARE(c.senzaFont->font(), prima);
    QVERIFY(!c.senzaFont->testAttribute(Qt::WA_SetFont));
}

QTEST_MAIN(TestFontInProporzione)
#include "tst_fontinproporzione.moc"
