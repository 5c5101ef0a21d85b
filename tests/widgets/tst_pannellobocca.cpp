// The mouth moves (a timer runs) only while the engine speaks; only the button asks for a sample.

#include "motorefinto.h"
#include "pannellobocca.h"

#include <QSignalSpy>
#include <QtTest>

class TstPannelloBocca : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void movimento_data()
    {
        QTest::addColumn<QString>("prima"); // what the engine does before the panel exists
        QTest::addColumn<QString>("dopo"); // and after
        QTest::addColumn<bool>("muove");
        QTest::newRow("idle") << ""
                              << "" << false;
        QTest::newRow("speaking") << ""
                                  << "parla" << true;
        QTest::newRow("already speaking") << "parla"
                                          << "" << true;
        QTest::newRow("stopped") << "parla"
                                 << "ferma" << false;
        QTest::newRow("engine gone while speaking") << "parla"
                                                    << "distruggi" << false;
    }
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

QTEST_MAIN(TstPannelloBocca)
#include "tst_pannellobocca.moc"
