#include "cellaanimata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The animation cell: what it opens, that it keeps a once-played file
// going and scales each frame once per size, and that it rests while hidden.
class TestCellaAnimata : public QObject
{
    Q_OBJECT
    QTemporaryDir radice;
    QString cartella;

private Q_SLOTS:
    void initTestCase()
    {
        // Three frames of 8 by 8 pixels, 20 ms each, played once.
        const QString prova = qEnvironmentVariable("NUMERELLA_TEST_DATA") + QStringLiteral("/speech/prova.gif");
        cartella = radice.filePath(QStringLiteral("gifanimate"));
        QVERIFY(QDir().mkpath(cartella));
        QVERIFY(QFile::copy(prova, cartella + QStringLiteral("/gatto.gif")));
        QVERIFY(QFile::copy(prova, radice.filePath(QStringLiteral("fuori.gif"))));
        QVERIFY(QFile::link(radice.filePath(QStringLiteral("fuori.gif")), cartella + QStringLiteral("/collegamento.gif")));
        QFile rotta(cartella + QStringLiteral("/rotta.gif"));
        QVERIFY(rotta.open(QIODevice::WriteOnly));
        rotta.write(QByteArray("GIF89a\x08\0\x08\0", 10) + QByteArray("not a picture at all").repeated(4));
    }

    void cosaApre_data()
    {
        QTest::addColumn<QString>("relativo"); // to the temporary root; "!" = absolute as written
        QTest::addColumn<bool>("mostra");
        QTest::newRow("a file of the folder") << QStringLiteral("gifanimate/gatto.gif") << true;
        QTest::newRow("with dot segments inside") << QStringLiteral("gifanimate/./gatto.gif") << true;
        QTest::newRow("missing file") << QStringLiteral("gifanimate/nessuno.gif") << false;
        QTest::newRow("broken file") << QStringLiteral("gifanimate/rotta.gif") << false;
        QTest::newRow("climbing out") << QStringLiteral("gifanimate/../fuori.gif") << false;
        QTest::newRow("link pointing out") << QStringLiteral("gifanimate/collegamento.gif") << false;
        QTest::newRow("the folder itself") << QStringLiteral("gifanimate") << false;
        QTest::newRow("system file") << QStringLiteral("!/etc/passwd") << false;
        QTest::newRow("empty") << QStringLiteral("!") << false;
    }
    void cosaApre()
    {
        QFETCH(QString, relativo);
        QFETCH(bool, mostra);
        const QString percorso = relativo.startsWith(u'!') ? relativo.mid(1) : radice.filePath(relativo);
        CellaAnimata c(cartella);
        c.resize(87, 87);
        c.setFile(percorso);
        QCOMPARE(c.vuota(), !mostra);
        QCOMPARE(c.pixmap().isNull(), !mostra);
        c.show();
        c.start(); // harmless on an empty cell
        QCOMPARE(c.inRiproduzione(), mostra);
    }

    void giraSempreEScalaUnaVolta()
    {
        CellaAnimata c(cartella);
        c.resize(100, 60);
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        c.show();
        QVERIFY(!c.inRiproduzione()); // shown still until started
        QVERIFY(!c.pixmap().isNull());
        c.start();
        QTRY_COMPARE_WITH_TIMEOUT(c.framesScalati(), 3, 20000);
        QTest::qWait(300); // several more rounds of a file that says "once"
        QVERIFY(c.inRiproduzione());
        QCOMPARE(c.framesScalati(), 3);
        QCOMPARE(c.pixmap().size(), QSize(60, 60));
        c.resize(50, 50);
        QTRY_COMPARE_WITH_TIMEOUT(c.pixmap().size(), QSize(50, 50), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(c.framesScalati(), 3, 20000);
    }

    void fermaDaNascosta()
    {
        CellaAnimata c(cartella);
        c.resize(80, 80);
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        c.start(); // while hidden: starts when shown
        QVERIFY(!c.inRiproduzione());
        c.show();
        QVERIFY(c.inRiproduzione());
        c.hide();
        QVERIFY(!c.inRiproduzione());
        c.show();
        QVERIFY(c.inRiproduzione());
        c.setFile(cartella + QStringLiteral("/gatto.gif")); // a new file waits for its start
        QVERIFY(!c.inRiproduzione());
        c.setFile(cartella + QStringLiteral("/nessuno.gif"));
        QVERIFY(c.vuota() && c.pixmap().isNull());
    }
};

QTEST_MAIN(TestCellaAnimata)
#include "tst_cellaanimata.moc"
