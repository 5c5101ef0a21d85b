// The voice screen tries voice and speed on its own engine; the rest learns them only once confirmed.

#include "ambiente.h"
#include "formimposta.h"

#include <QComboBox>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

class TstFormImposta : public QObject
{
    Q_OBJECT
    template <class T> static T *ctrl(Schermo *s, const char *nome)
    {
        return qobject_cast<T *>(s->controllo(QString::fromLatin1(nome)));
    }

private Q_SLOTS:
    // The confirm or the window's close button; the saved speed opens clamped to the slider's range.
    void conferma_data()
    {
        QTest::addColumn<bool>("chiudendo");
        QTest::addColumn<int>("salvata");
        QTest::addColumn<int>("velocita");
        QTest::newRow("confirm button, 50 clamped to 70") << false << 50 << 70;
        QTest::newRow("close button, 250 clamped to 200") << true << 250 << 200;
    }
    void conferma()
    {
        QFETCH(bool, chiudendo);
        QFETCH(int, salvata);
        Ambiente a(Ambiente::datiTest() + QStringLiteral("/voice"));
        a.stato.Velocita = Integer(salvata);
        auto *f = qobject_cast<FormImposta *>(a.registro.mostra(QStringLiteral("FormImposta")));
        MotoreFinto *proprio = a.fabbrica.ultimo(); // the screen's own engine
        QTEST(ctrl<QSlider>(f, "HScroll1")->value(), "velocita");
        QTEST(proprio->velocita, "velocita");
        ctrl<QSlider>(f, "HScroll1")->setValue(150);
        ctrl<QComboBox>(f, "Combo1")->setCurrentIndex(1);
        QCOMPARE(proprio->voce, 2);
        proprio->emettiSampleRequest();
        QCOMPARE(proprio->chiamate.mid(proprio->chiamate.size() - 2).join(u';'),
                 "SpeechSpeed:150;SpeakText:Frase di prova.");
        // Nothing reaches the rest of the program before the confirmation.
        QCOMPARE(a.motore()->voce, 1);
        QCOMPARE(a.motore()->velocita, 130);
        QVERIFY(!QFile::exists(a.stato.FileImpostazioni));
        if (chiudendo)
            QVERIFY(!f->close()); // the program, not the window system, unloads it
        else
            QTest::mouseClick(ctrl<QToolButton>(f, "BottoneEsci"), Qt::LeftButton);
        QFile file(a.stato.FileImpostazioni);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(" 150 \r\n 2 \r\n"));
        QCOMPARE(a.motore()->voce, 2);
        QCOMPARE(a.motore()->velocita, 150);
        QCOMPARE(a.mostrato()->nomeForm(), QStringLiteral("FormMenu"));
    }
};

QTEST_MAIN(TstFormImposta)
#include "tst_formimposta.moc"
