#include "cellaanimata.h"
#include "motorefinto.h"
#include "pannellobocca.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The animation cell opens only its own folder's files, resting while hidden; the mouth moves only while
// the engine speaks, and only its button asks for a sample.
class TestAnimazioni : public QObject
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

    // A thing that arrived or went away stays as it ended, also when shown again (what is there loops).
    void giocaUnaVolta()
    {
        const QString cartella = qEnvironmentVariable("NUMERELLA_DATA") + u"/gifanimate"_qs;
        CellaAnimata via(cartella);
        via.setFile(cartella + u"/palloncino_via.gif"_qs);
        via.show(), via.start();
        QTRY_VERIFY_WITH_TIMEOUT(!via.inRiproduzione(), 20000);
        via.hide(), via.show();
        QVERIFY(!via.inRiproduzione() && !via.pixmap().isNull());
    }

    // clang-format off
    void movimento_data()
    {
        QTest::addColumn<QString>("prima"); // what the engine does before the panel exists
        QTest::addColumn<QString>("dopo"); // and after
        QTest::addColumn<bool>("muove");
        QTest::newRow("idle") << "" << "" << false;
        QTest::newRow("speaking") << "" << "parla" << true;
        QTest::newRow("already speaking") << "parla" << "" << true;
        QTest::newRow("stopped") << "parla" << "ferma" << false;
        QTest::newRow("engine gone while speaking") << "parla" << "distruggi" << false;
    }
    // clang-format on
    void movimento()
    {
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        auto *m = new MotoreFinto;
        m->muto = true;
        auto fai = [&m](const QString &a) {
            a == u"parla"       ? m->SpeakText(QStringLiteral("Ciao"))
                : a == u"ferma" ? m->StopSpeech()
                : a.isEmpty()   ? void()
                                : delete std::exchange(m, nullptr);
        };
        fai(prima);
        PannelloBocca p(m);
        fai(dopo);
        QTEST(p.inMovimento(), "muove");
        QTEST(p.apertura() > 0.0, "muove");
        delete m;
    }

    void bottone()
    {
        MotoreFinto m;
        PannelloBocca p(&m);
        p.resize(300, 240);
        QSignalSpy richieste(&m, &MotoreVoce::SampleRequest);
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(150, 40)); // the mouth
        QCOMPARE(richieste.size(), 0);
        QTest::mouseClick(&p, Qt::LeftButton, {}, p.rettangoloBottone().center());
        QCOMPARE(richieste.size(), 1);
    }
};

QTEST_MAIN(TestAnimazioni)
#include "tst_animazioni.moc"
