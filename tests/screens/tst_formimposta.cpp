// The voice settings screen: its own engine tries the voice and the speed
// out; the program-wide engine and the settings file learn them only when
// the choice is confirmed. And the screen after a switch of language.

#include "ambiente.h"
#include "formimposta.h"
#include "formmenu.h"
#include "menulingue.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

namespace {
QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}
} // namespace

class TstFormImposta : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a;

    FormImposta *apri() { return qobject_cast<FormImposta *>(a->registro.mostra(QStringLiteral("FormImposta"))); }
    MotoreFinto *proprio() const { return a->fabbrica.ultimo(); }
    template<class T> static T *ctrl(Schermo *s, const char *nome) { return qobject_cast<T *>(s->controllo(QString::fromLatin1(nome))); }

private Q_SLOTS:
    void init() { a = std::make_unique<Ambiente>(Ambiente::datiTest() + QStringLiteral("/voice")); }
    void cleanup() { a.reset(); }

    void apertura_data()
    {
        QTest::addColumn<int>("salvata");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<QString>("etichetta");
        // At 70 the slider does not move: no change replaces the opening text.
        QTest::newRow("70") << 70 << 70 << QStringLiteral("Velocit\u00e0 iniziale: 70");
        QTest::newRow("50 clamped to 70") << 50 << 70 << QStringLiteral("Velocit\u00e0 iniziale: 70");
        QTest::newRow("250 clamped to 200") << 250 << 200 << QStringLiteral("Velocit\u00e0: 200");
    }
    void apertura()
    {
        QFETCH(int, salvata);
        QFETCH(int, velocita);
        QFETCH(QString, etichetta);
        a->stato.Velocita = Integer(salvata);
        a->stato.Voce = 2;
        FormImposta *f = apri();
        QCOMPARE(ctrl<QLabel>(f, "Label1")->text(), etichetta);
        QCOMPARE(ctrl<QSlider>(f, "HScroll1")->value(), velocita);
        QCOMPARE(ctrl<QComboBox>(f, "Combo1")->currentIndex(), 1);
        QCOMPARE(proprio()->voce, 2);
        QCOMPARE(proprio()->velocita, velocita);
        QCOMPARE(proprio()->testi, QStringList{QStringLiteral("Scegli la voce che preferisci.")});
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    // The confirm button, or the window's close button, which means the same.
    void conferma_data()
    {
        QTest::addColumn<bool>("chiudendo");
        QTest::newRow("confirm button") << false;
        QTest::newRow("close button") << true;
    }
    void conferma()
    {
        QFETCH(bool, chiudendo);
        FormImposta *f = apri();
        ctrl<QSlider>(f, "HScroll1")->setValue(150);
        ctrl<QComboBox>(f, "Combo1")->setCurrentIndex(1);
        QCOMPARE(ctrl<QLabel>(f, "Label1")->text(), QStringLiteral("Velocit\u00e0: 150"));
        QCOMPARE(proprio()->voce, 2);
        proprio()->emettiSampleRequest();
        QCOMPARE(proprio()->chiamate.mid(proprio()->chiamate.size() - 3), (QStringList{QStringLiteral("StopSpeech"),
            QStringLiteral("SpeechSpeed:150"), QStringLiteral("SpeakText:Frase di prova.")}));
        // Nothing reaches the rest of the program before the confirmation.
        QCOMPARE(a->motore()->voce, 1);
        QCOMPARE(a->motore()->velocita, 130);
        QVERIFY(!QFile::exists(a->stato.FileImpostazioni));
        if (chiudendo)
            QVERIFY(!f->close()); // the program, not the window system, unloads it
        else
            QTest::mouseClick(ctrl<QToolButton>(f, "BottoneEsci"), Qt::LeftButton);
        QCOMPARE(leggi(a->stato.FileImpostazioni), QByteArray(" 150 \r\n 2 \r\n"));
        QCOMPARE(a->motore()->voce, 2);
        QCOMPARE(a->motore()->velocita, 150);
        QCOMPARE(a->mostrato()->nomeForm(), QStringLiteral("FormMenu"));
        QVERIFY(!a->registro.caricato(QStringLiteral("FormImposta")));
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    // From the menu after a switch of language, and back.
    void dopoUnCambioDiLingua()
    {
        auto *menu = qobject_cast<FormMenu *>(a->registro.mostra(QStringLiteral("FormMenu")));
        menu->menuLingue()->voci().value(0)->trigger(); // "Altra"
        menu->Command3_Click();
        FormImposta *f = qobject_cast<FormImposta *>(a->mostrato());
        QVERIFY(f);
        QVERIFY(f->windowTitle().isEmpty());
        QCOMPARE(ctrl<QLabel>(f, "Label1")->text(), QStringLiteral("Speed: 130"));
        QCOMPARE(ctrl<QToolButton>(f, "BottoneEsci")->text(), QStringLiteral("Done"));
        QCOMPARE(proprio()->testi.value(0), QStringLiteral("Pick the voice you like."));
        f->BottoneEsci_Click();
        menu = qobject_cast<FormMenu *>(a->mostrato());
        QVERIFY(menu);
        QCOMPARE(menu->menuLingue()->voci().value(0)->isChecked(), true);
    }
};

QTEST_MAIN(TstFormImposta)
#include "tst_formimposta.moc"
