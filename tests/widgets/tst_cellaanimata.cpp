#include "cellaanimata.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

// The animation cell: what it opens, how it loops, and that it rests while
// hidden.
class TestCellaAnimata : public QObject
{
    Q_OBJECT
    QTemporaryDir radice;
    QString cartella;

    static QString dati(const QString &nome)
    {
        return qEnvironmentVariable("NUMERELLA_TEST_DATA") + QStringLiteral("/speech/") + nome;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(radice.isValid());
        cartella = radice.path() + QStringLiteral("/gifanimate");
        QVERIFY(QDir().mkpath(cartella));
        QVERIFY(QFile::copy(dati(QStringLiteral("prova.gif")), cartella + QStringLiteral("/gatto.gif")));
        QVERIFY(QFile::copy(dati(QStringLiteral("rotta.gif")), cartella + QStringLiteral("/rotta.gif")));
        QVERIFY(QFile::copy(dati(QStringLiteral("prova.gif")), radice.path() + QStringLiteral("/fuori.gif")));
        QVERIFY(QFile::link(radice.path() + QStringLiteral("/fuori.gif"), cartella + QStringLiteral("/collegamento.gif")));
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
        QTest::newRow("absolute outside") << QStringLiteral("fuori.gif") << false;
        QTest::newRow("link pointing out") << QStringLiteral("gifanimate/collegamento.gif") << false;
        QTest::newRow("the folder itself") << QStringLiteral("gifanimate") << false;
        QTest::newRow("system file") << QStringLiteral("!/etc/passwd") << false;
        QTest::newRow("empty") << QStringLiteral("!") << false;
    }
    void cosaApre()
    {
        QFETCH(QString, relativo);
        QFETCH(bool, mostra);
        const QString percorso = relativo.startsWith(u'!') ? relativo.mid(1) : radice.path() + u'/' + relativo;
        CellaAnimata c(cartella);
        c.resize(87, 87);
        c.setFile(percorso);
        QCOMPARE(c.file(), percorso);
        QCOMPARE(!c.vuota(), mostra);
        QCOMPARE(!c.pixmap().isNull(), mostra);
        c.show();
        c.start(); // harmless on an empty cell
        QCOMPARE(c.inRiproduzione(), mostra);
    }

    void giraSempreEScalaUnaVolta()
    {
        CellaAnimata c(cartella);
        c.resize(100, 60);
        c.show();
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        QVERIFY(!c.inRiproduzione()); // not before start
        c.start();
        QVERIFY(c.inRiproduzione());
        // Three frames of 20 ms, played once by the file: the cell keeps
        // it going, without spinning.
        const std::clock_t cpu = std::clock();
        QTest::qWait(400);
        const double cpuMs = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
        QVERIFY(c.inRiproduzione());
        QVERIFY2(cpuMs < 150, qPrintable(QString::number(cpuMs)));
        QCOMPARE(c.framesScalati(), 3);
        QCOMPARE(c.pixmap().size(), QSize(60, 60));
        c.resize(50, 50);
        QTest::qWait(150);
        QCOMPARE(c.framesScalati(), 3);
        QCOMPARE(c.pixmap().size(), QSize(50, 50));
    }

    void fermaDaNascosta()
    {
        CellaAnimata c(cartella);
        c.resize(80, 80);
        c.show();
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        c.start();
        c.hide();
        QVERIFY(!c.inRiproduzione());
        c.show();
        QVERIFY(c.inRiproduzione());
    }

    void avviataDaNascostaParteAllaVista()
    {
        CellaAnimata c(cartella);
        c.resize(80, 80);
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        c.start();
        QVERIFY(!c.inRiproduzione());
        c.show();
        QVERIFY(c.inRiproduzione());
    }

    void nonAvviataResta()
    {
        CellaAnimata c(cartella);
        c.resize(80, 80);
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        c.show();
        QVERIFY(!c.inRiproduzione());
        QVERIFY(!c.pixmap().isNull()); // the first picture is shown still
    }

    void nuovoFileSostituisce()
    {
        CellaAnimata c(cartella);
        c.resize(80, 80);
        c.show();
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        c.start();
        c.setFile(cartella + QStringLiteral("/nessuno.gif"));
        QVERIFY(c.vuota());
        QVERIFY(c.pixmap().isNull());
        QVERIFY(!c.inRiproduzione());
        c.setFile(cartella + QStringLiteral("/gatto.gif"));
        QVERIFY(!c.vuota());
        QVERIFY(!c.inRiproduzione()); // the new picture waits for its start
    }
};

QTEST_MAIN(TestCellaAnimata)
#include "tst_cellaanimata.moc"
