// Rescaling a screen's controls in proportion, and sizing a screen to a share of the display.

#include "clsresize.h"
#include "schermo.h"

#include <QPushButton>
#include <QtTest>

namespace {
constexpr int T = 15; // twips to the pixel: ratios stay exact

// A screen designed 8000 x 6000 pixels inside, one button at 800, 600, 1600, 1200, on a display of 1024 x 768.
struct Campione {
    Schermo s{u"FormProva"_qs, 8000 * T, 6000 * T, [] { return QRect(0, 0, 1024, 768); }};
    QPushButton *bottone = s.aggiungi(new QPushButton(s.client()), QStringLiteral("Command1"));
    clsResize r;
    Campione()
    {
        s.dimensionaDesign();
        Schermo::piazza(bottone, 800 * T, 600 * T, 1600 * T, 1200 * T);
        r.setSourceForm(&s);
    }
};
} // namespace

class TstClsResize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Captured at the row's width and 6000, the button moved (a measure the tag leaves alone stays), the
    // screen made tiny, then 16000 x 9000: every rescale starts from the capture, so no rounding piles up.
    void scalaSecondoTag_data()
    {
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("spostato");
        QTest::addColumn<QRect>("atteso");
        QTest::newRow("no tag") << 8000 << QString() << true << QRect(1600, 900, 3200, 1800);
        QTest::newRow("@ not first") << 8000 << "testo@" << true << QRect(1600, 900, 3200, 1800);
        QTest::newRow("@lt, not moved") << 8000 << "@lt" << false << QRect(1600, 900, 1600, 1200);
        QTest::newRow("@WH, moved") << 8000 << "@WH" << true << QRect(10, 20, 3200, 1800);
        QTest::newRow("@ alone") << 8000 << "@" << true << QRect(10, 20, 30, 40);
        QTest::newRow("no width captured: no ratio for it") << 0 << QString() << false << QRect(800, 900, 1600, 1800);
    }
    void scalaSecondoTag()
    {
        QFETCH(int, larghezza);
        QFETCH(QString, tag);
        QFETCH(bool, spostato);
        Campione c;
        c.s.resize(larghezza, 6000);
        c.r.ReInitialise();
        Controllo(c.bottone).setTag(tag); // read at every rescale, not at the capture
        if (spostato)
            c.bottone->setGeometry(10, 20, 30, 40);
        for (const QSize &z : {QSize(333, 211), QSize(16000, 9000)}) {
            c.s.resize(z);
            c.r.ResizeControls();
        }
        QTEST(c.bottone->geometry(), "atteso");
    }

    // 75 per cent of the display, centred.
    void sulDisplay()
    {
        Campione c;
        c.r.SizeFormToScreen(75);
        QCOMPARE(c.s.frameGeometry(), QRect(128, 96, 768, 576));
        // Captured at the designed size, then scaled with the screen.
        QVERIFY(qAbs(c.bottone->x() - c.s.width() / 10.0) <= 1);
    }
};

QTEST_MAIN(TstClsResize)
#include "tst_clsresize.moc"
