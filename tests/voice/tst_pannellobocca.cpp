// The engine's panel: the mouth moves only while the engine speaks (and
// costs no timer otherwise), and its marked button asks for a sample.

#include "motorefinto.h"
#include "pannellobocca.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class TstPannelloBocca : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ferma()
    {
        MotoreFinto m;
        PannelloBocca p(&m);
        QVERIFY(!p.inMovimento());
        QCOMPARE(p.apertura(), 0.0);
        QCOMPARE(p.sizeHint(), QSize(153, 121));
    }

    void siMuoveSoloMentreParla()
    {
        MotoreFinto m;
        m.durataMs = 60000;
        PannelloBocca p(&m);
        p.resize(p.sizeHint());
        m.SpeakText(QStringLiteral("Ciao a tutti"));
        QVERIFY(p.inMovimento());
        QSet<int> aperture;
        QElapsedTimer t;
        t.start();
        while (aperture.size() < 3 && t.elapsed() < 3000) {
            QTest::qWait(70);
            QVERIFY(p.apertura() > 0.0 && p.apertura() <= 1.0);
            aperture.insert(int(p.apertura() * 100));
        }
        QVERIFY2(aperture.size() >= 3, "the mouth does not move");
        m.finisciOra();
        QVERIFY(!p.inMovimento());
        QCOMPARE(p.apertura(), 0.0);

        m.SpeakText(QStringLiteral("Ancora"));
        QVERIFY(p.inMovimento());
        m.StopSpeech();
        QVERIFY(!p.inMovimento());
    }

    void motoreCheParlaGiaOCheSparisce()
    {
        auto m = std::make_unique<MotoreFinto>();
        m->durataMs = 60000;
        m->SpeakText(QStringLiteral("Già in corso"));
        PannelloBocca p(m.get());
        QVERIFY(p.inMovimento());
        m.reset();
        QVERIFY(!p.inMovimento());
        // Without an engine the button does nothing and nothing breaks.
        p.resize(p.sizeHint());
        QTest::mouseClick(&p, Qt::LeftButton, {}, p.rettangoloBottone().center());
    }

    void ilBottoneChiedeLEsempio()
    {
        MotoreFinto m;
        PannelloBocca p(&m);
        p.resize(300, 240);
        QSignalSpy richieste(&m, &MotoreVoce::SampleRequest);
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(150, 40));
        QCOMPARE(richieste.size(), 0);
        const QRect b = p.rettangoloBottone();
        QVERIFY(b.bottom() < 240 && b.top() > 120);
        QTest::mouseClick(&p, Qt::LeftButton, {}, b.center());
        QCOMPARE(richieste.size(), 1);
        p.setEnabled(false);
        QTest::mouseClick(&p, Qt::LeftButton, {}, b.center());
        QCOMPARE(richieste.size(), 1);
    }

    void ilDisegnoSeguoLaBocca()
    {
        MotoreFinto m;
        m.durataMs = 60000;
        PannelloBocca p(&m);
        p.resize(306, 242);
        const QImage chiusa = p.grab().toImage();
        m.SpeakText(QStringLiteral("Parlo"));
        QTRY_VERIFY(p.apertura() > 0.5);
        const QImage aperta = p.grab().toImage();
        QVERIFY(chiusa != aperta);
        // The open mouth shows its dark inside near the middle of the face.
        const QRect b = p.rettangoloBottone();
        int scuri = 0;
        for (int y = 0; y < b.top(); ++y) {
            for (int x = 0; x < aperta.width(); ++x) {
                const QColor c = aperta.pixelColor(x, y);
                scuri += (c.red() < 140 && c.green() < 40 && c.blue() < 60) ? 1 : 0;
            }
        }
        QVERIFY2(scuri > 200, qPrintable(QString::number(scuri)));
        // The button keeps its colour and its play sign whatever the mouth does.
        QCOMPARE(chiusa.copy(b), aperta.copy(b));
    }
};

QTEST_MAIN(TstPannelloBocca)
#include "tst_pannellobocca.moc"
