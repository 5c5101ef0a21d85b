// Scanning as a table on the widget-free core, with a clock the test moves: four targets, one switch every 1500 ms
// or two switches. A script's words: "+N" the clock moves N ms on (and the scan looks at it); "S" and "E" Space and
// Enter pressed and let go; "S_" pressed and held; "s" a key's auto-repeat; "^S" let go; "L" and "U" the screen
// locked and unlocked.

#include "orologiofinto.h"
#include "scansione.h"

#include <QtTest>

class TstScansione : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scansione_data()
    {
        QTest::addColumn<bool>("duePulsanti");
        QTest::addColumn<int>("nascosto"); // a target that cannot be highlighted; -1 none
        QTest::addColumn<QString>("copione");
        QTest::addColumn<int>("evidenziato");
        QTest::addColumn<QString>("scelti");
        // clang-format off
        QTest::newRow("one: 1499 ms, stays") << false << -1 << "+1499" << 0 << "";
        QTest::newRow("one: 1500 ms, moves on") << false << -1 << "+1500" << 1 << "";
        QTest::newRow("one: after the last, the first") << false << -1 << "+1500 +1500 +1500 +1500" << 0 << "";
        QTest::newRow("one: Space chooses") << false << -1 << "+1500 S" << 0 << "1";
        QTest::newRow("one: Enter chooses") << false << -1 << "+1500 +1500 E" << 0 << "2";
        QTest::newRow("one: after a choice, the first for a whole interval") << false << -1 << "+1500 E +1499" << 0 << "1";
        QTest::newRow("one: then on") << false << -1 << "+1500 E +1500" << 1 << "1";
        QTest::newRow("one: a hidden target is skipped") << false << 1 << "+1500" << 2 << "";
        QTest::newRow("held down and repeating: one press") << false << -1 << "+1500 S_ +400 s s +400 s ^S" << 0 << "1";
        QTest::newRow("a repeat of a key pressed before: ignored") << false << -1 << "s" << 0 << "";
        QTest::newRow("held down, no repeat mark: one press") << false << -1 << "E_ +400 E_" << 0 << "0";
        QTest::newRow("held down, repeating as let go and pressed: one") << false << -1 << "E_ +1000 ^E E +49 ^E E" << 0 << "0";
        QTest::newRow("let go, pressed again 49 ms after: held") << false << -1 << "E_ +1000 ^E +49 E" << 0 << "0";
        QTest::newRow("let go, pressed again 50 ms after: two") << false << -1 << "E_ +1000 ^E +50 E" << 0 << "0,0";
        QTest::newRow("299 ms after the last press: a tremor") << false << -1 << "E +299 E" << 0 << "0";
        QTest::newRow("300 ms after the last press: taken") << false << -1 << "E +300 E" << 0 << "0,0";
        QTest::newRow("locked: the highlight waits") << false << -1 << "+1000 L +1500 +1500" << 0 << "";
        QTest::newRow("locked: presses are ignored") << false << -1 << "L E +400 S" << 0 << "";
        QTest::newRow("unlocked: a whole interval first") << false << -1 << "+1000 L +1000 U +1499" << 0 << "";
        QTest::newRow("unlocked: then on") << false << -1 << "+1000 L +1000 U +1500" << 1 << "";
        QTest::newRow("two: time does not move it") << true << -1 << "+1500 +1500" << 0 << "";
        QTest::newRow("two: Space moves on") << true << -1 << "S +300 S" << 2 << "";
        QTest::newRow("two: Enter chooses, then the first") << true << -1 << "S +300 E" << 0 << "1";
        QTest::newRow("two: Space 299 ms after: a tremor") << true << -1 << "S +299 S" << 1 << "";
        QTest::newRow("two: a hidden target is skipped") << true << 1 << "S" << 2 << "";
        QTest::newRow("two: locked, Space ignored") << true << -1 << "L S U" << 0 << "";
        // clang-format on
    }
    void scansione()
    {
        QFETCH(bool, duePulsanti);
        QFETCH(int, nascosto);
        QFETCH(QString, copione);
        OrologioFinto orologio;
        Scansione s(orologio, duePulsanti ? Scansione::Modo::DuePulsanti : Scansione::Modo::UnPulsante, 1500, 4,
                    [nascosto](int i) { return i != nascosto; });
        QStringList presi;
        auto premi = [&](Scansione::Tasto t, bool ripetuto) {
            const int i = s.premuto(t, ripetuto);
            if (i >= 0)
                presi << QString::number(i);
        };
        for (const QString &p : copione.split(u' ', Qt::SkipEmptyParts)) {
            const auto t = p.contains(u'S') || p.contains(u's') ? Scansione::Tasto::Spazio : Scansione::Tasto::Invio;
            if (p.startsWith(u'+')) {
                orologio.ms += p.mid(1).toInt();
                s.scorri();
            } else if (p == u"L" || p == u"U") {
                s.blocca(p == u"L");
            } else if (p.startsWith(u'^')) {
                s.rilasciato(t);
            } else if (p == u"s") {
                premi(t, true);
                s.rilasciato(t);
            } else {
                premi(t, false);
                if (!p.endsWith(u'_'))
                    s.rilasciato(t);
            }
        }
        QTEST(s.evidenziato(), "evidenziato");
        QTEST(presi.join(u','), "scelti");
    }
};

QTEST_GUILESS_MAIN(TstScansione)
#include "tst_scansione.moc"
