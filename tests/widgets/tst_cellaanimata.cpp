#include "cellaanimata.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The animation cell opens only the files of its own folder, and rests while hidden.
class TestCellaAnimata : public QObject
{
    Q_OBJECT
    QTemporaryDir radice;

private Q_SLOTS:
    void cosaApre_data()
    {
        QTest::addColumn<QString>("file"); // relative to the temporary root
        QTest::addColumn<bool>("mostra");
        QTest::newRow("a file of the folder") << u"gifanimate/gatto.gif"_qs << true;
        QTest::newRow("missing file") << u"gifanimate/nessuno.gif"_qs << false;
        QTest::newRow("climbing out") << u"gifanimate/../fuori.gif"_qs << false;
        QTest::newRow("link pointing out") << u"gifanimate/collegamento.gif"_qs << false;
    }
    void cosaApre()
    {
        QFETCH(QString, file);
        QFETCH(bool, mostra);
        const QString gif = qEnvironmentVariable("NUMERELLA_DATA") + u"/gifanimate/biscotto.gif"_qs,
                      cartella = radice.filePath(u"gifanimate"_qs);
        QDir().mkpath(cartella);
        QFile::copy(gif, cartella + u"/gatto.gif"_qs);
        QFile::copy(gif, radice.filePath(u"fuori.gif"_qs));
        QFile::link(radice.filePath(u"fuori.gif"_qs), cartella + u"/collegamento.gif"_qs);
        CellaAnimata c(cartella);
        c.resize(87, 87);
        c.setFile(radice.filePath(file));
        QCOMPARE(c.vuota(), !mostra);
        c.start(); // while hidden: starts when shown
        QVERIFY(!c.inRiproduzione());
        c.show();
        QCOMPARE(c.inRiproduzione(), mostra);
        c.hide();
        QVERIFY(!c.inRiproduzione());
    }
};

QTEST_MAIN(TestCellaAnimata)
#include "tst_cellaanimata.moc"
