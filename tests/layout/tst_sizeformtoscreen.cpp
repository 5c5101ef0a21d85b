// Sizing a screen to a share of the display and centring it there.

#include "clsresize.h"
#include "controllo.h"
#include "schermo.h"

#include <QPushButton>
#include <QtTest>

namespace {
constexpr int T = TwipPerPixel;

// The display size set for a test is put back afterwards.
struct DisplayFinto {
    explicit DisplayFinto(QSize pixel) { Schermo::setDisplayPerTest(pixel); }
    ~DisplayFinto() { Schermo::setDisplayPerTest(QSize()); }
};
} // namespace

class TestSizeFormToScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void collocazione_data();
    void collocazione();
    void schermoSulDisplay_data();
    void schermoSulDisplay();
    void catturaAllaMisuraDiProgetto();
};

void TestSizeFormToScreen::collocazione_data()
{
    QTest::addColumn<int>("percento");
    QTest::addColumn<double>("larghezzaDisplay");
    QTest::addColumn<double>("altezzaDisplay");
    QTest::addColumn<int>("altezza");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("left");

    QTest::newRow("75 su 1024x768") << 75 << 1024.0 << 768.0 << 576 << 768 << 96.0f << 128.0f;
    QTest::newRow("50 su altezza 1001: parte intera") << 50 << 1000.0 << 1001.0 << 500 << 500 << 250.5f << 250.0f;
    QTest::newRow("75 su 1001: 750.75 scende") << 75 << 1001.0 << 1001.0 << 750 << 750 << 125.5f << 125.5f;
    QTest::newRow("100 riempie") << 100 << 1920.0 << 1080.0 << 1080 << 1920 << 0.0f << 0.0f;
    QTest::newRow("0 al centro") << 0 << 1000.0 << 800.0 << 0 << 0 << 400.0f << 500.0f;
    QTest::newRow("150: top e left negativi") << 150 << 1000.0 << 800.0 << 1200 << 1500 << -200.0f << -250.0f;
    // 255 / 100 is a shade under 2.55 in double precision: the whole part
    // of 254.99999999999997 is 254.
    QTest::newRow("255, il massimo") << 255 << 100.0 << 100.0 << 254 << 254 << -77.0f << -77.0f;
    QTest::newRow("75 in twip di 1024x768") << 75 << 15360.0 << 11520.0 << 8640 << 11520 << 1440.0f << 1920.0f;
}

void TestSizeFormToScreen::collocazione()
{
    QFETCH(int, percento);
    QFETCH(double, larghezzaDisplay);
    QFETCH(double, altezzaDisplay);
    QFETCH(int, altezza);
    QFETCH(int, larghezza);
    QFETCH(float, top);
    QFETCH(float, left);

    const clsResize::Collocazione c = clsResize::collocazione(quint8(percento), larghezzaDisplay, altezzaDisplay);
    QCOMPARE(c.height, altezza);
    QCOMPARE(c.width, larghezza);
    QCOMPARE(c.top, top);
    QCOMPARE(c.left, left);
}

void TestSizeFormToScreen::schermoSulDisplay_data()
{
    QTest::addColumn<QSize>("display");
    QTest::addColumn<int>("percento");
    QTest::addColumn<QRect>("atteso"); // outer geometry in pixels

    QTest::newRow("75 su 1024x768") << QSize(1024, 768) << 75 << QRect(128, 96, 768, 576);
    // 1001 pixels are 15015 twips: the height is 7507 twips (500.47 pixels)
    // and the top 3754 twips, so both land on whole pixels below.
    QTest::newRow("50 su altezza 1001") << QSize(1000, 1001) << 50 << QRect(250, 250, 500, 500);
    // 1002 pixels: height 7515 twips = 501 pixels exactly, top 3757.5
    // twips = 250.5 pixels, which the window takes as 251.
    QTest::newRow("mezzo pixel va in basso") << QSize(1000, 1002) << 50 << QRect(250, 251, 500, 501);
    QTest::newRow("120: fuori dal display") << QSize(1000, 800) << 120 << QRect(-100, -80, 1200, 960);
}

void TestSizeFormToScreen::schermoSulDisplay()
{
    QFETCH(QSize, display);
    QFETCH(int, percento);
    QFETCH(QRect, atteso);

    DisplayFinto d(display);
    Schermo s(QStringLiteral("FormProva"), 8235, 5835);
    s.dimensionaDesign();
    clsResize r;
    r.setSourceForm(&s);
    r.SizeFormToScreen(quint8(percento));
    QCOMPARE(s.frameGeometry(), atteso);
}

void TestSizeFormToScreen::catturaAllaMisuraDiProgetto()
{
    DisplayFinto d(QSize(1024, 768));
    Schermo s(QStringLiteral("FormProva"), 8235, 5835);
    s.dimensionaDesign();
    auto *b = s.aggiungi(new QPushButton(s.client()), QStringLiteral("BottoneAvvio"));
    Schermo::piazza(b, 2760, 3960, 2895, 1215);

    clsResize r;
    r.setSourceForm(&s);
    r.SizeFormToScreen(75);
    // The table holds the designed layout, captured before the first resize.
    QCOMPARE(r.larghezzaCatturata(), 8235);
    QCOMPARE(r.altezzaCatturata(), 5835);
    QCOMPARE(r.tabella().at(0).m[0], 2760);
    QCOMPARE(r.tabella().at(0).m[3], 1215);
    // ... and the controls follow the new inner size at once:
    // 768 / 549 and 576 / 389 of the designed place.
    QCOMPARE(s.size(), QSize(768, 576));
    QCOMPARE(b->geometry(), QRect(257, 391, 270, 120));

    // A second sizing does not capture again: the layout stays the designed one.
    r.SizeFormToScreen(50);
    QCOMPARE(r.larghezzaCatturata(), 8235);
    QCOMPARE(b->geometry(), QRect(qRound(2760.0 * 512 / 8235), qRound(3960.0 * 384 / 5835),
                                  qRound(2895.0 * 512 / 8235), qRound(1215.0 * 384 / 5835)));
}

QTEST_MAIN(TestSizeFormToScreen)
#include "tst_sizeformtoscreen.moc"
