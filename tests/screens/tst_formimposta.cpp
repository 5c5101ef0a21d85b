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

private Q_SLOTS:
    // The confirm or the window's close button; the saved speed opens clamped to the slider's range.
    // Settings that cannot be saved are told in the current language, Italian where it lacks the words.
    void conferma_data()
    {
        QTest::addColumn<bool>("chiudendo");
        QTest::addColumn<int>("salvata");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<bool>("salvabile");
        QTest::newRow("confirm button, 50 clamped to 70") << false << 50 << 70 << true;
        QTest::newRow("close button, 250 clamped to 200") << true << 250 << 200 << true;
        QTest::newRow("settings folder is a file") << false << 130 << 130 << false;
    }
    void conferma()
    {
        QFETCH(bool, chiudendo);
        QFETCH(int, salvata);
        QFETCH(bool, salvabile);
        Ambiente a(Ambiente::datiTest() + QStringLiteral("/voice"));
        a.stato.Velocita = Integer(salvata);
        if (!salvabile) {
            QFile(a.programma.filePath(u"file"_qs)).open(QIODevice::WriteOnly);
            a.stato.FileImpostazioni = a.programma.filePath(u"file/numerella.INI"_qs);
        }
        auto *f = qobject_cast<FormImposta *>(a.schermi.mostra(QStringLiteral("FormImposta")));
        MotoreFinto *proprio = a.fabbrica.ultimo(); // the screen's own engine
        QTEST(f->controllo<QSlider>(u"HScroll1"_qs)->value(), "velocita");
        QTEST(proprio->velocita, "velocita");
        f->controllo<QSlider>(u"HScroll1"_qs)->setValue(150);
        f->controllo<QComboBox>(u"Combo1"_qs)->setCurrentIndex(1);
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
            QTest::mouseClick(f->controllo<QToolButton>(u"BottoneEsci"_qs), Qt::LeftButton);
        QFile file(a.stato.FileImpostazioni);
        QCOMPARE(file.open(QIODevice::ReadOnly), salvabile);
        if (salvabile) {
            QCOMPARE(file.readAll(), QByteArray(" 150 \r\n 2 \r\n"));
        } else {
            QVERIFY(a.dialoghi.finestre.last().testo.startsWith(u"Impostazioni non salvate in\n"_qs + file.fileName()));
        }
        QCOMPARE(a.motore()->voce, 2);
        QCOMPARE(a.motore()->velocita, 150);
        QCOMPARE(a.mostrato()->nomeForm(), QStringLiteral("FormMenu"));
    }
};

QTEST_MAIN(TstFormImposta)
#include "tst_formimposta.moc"
