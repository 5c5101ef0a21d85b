// The shell's screens wired together: the start screen opens the menu, the
// menu's buttons open the screens with their exercise mode, and the run
// ends only through the exit question.

#include "ambiente.h"

#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

namespace {

void clicca(Schermo *s, const QString &nome)
{
    QTest::mouseClick(qobject_cast<QPushButton *>(s->controllo(nome)), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a;

private Q_SLOTS:
    void init() { a = std::make_unique<Ambiente>(); }
    void cleanup() { a.reset(); }

    void avvioApreIlMenu()
    {
        QPointer<Schermo> avvio = a->registro.mostra(QStringLiteral("FormAvvio"));
        clicca(avvio, QStringLiteral("BottoneAvvio"));
        QVERIFY(avvio.isNull());
        QCOMPARE(a->mostrato()->objectName(), QStringLiteral("FormMenu"));
        QVERIFY(a->terminati.isEmpty());
    }

    void bottoni_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<bool>("mistoPrima");
        QTest::addColumn<QString>("apre");
        QTest::addColumn<bool>("mistoDopo");
        QTest::newRow("addizione") << "Command8" << true << "Form1" << false;
        QTest::newRow("sottrazione") << "Command7" << true << "Form2" << false;
        QTest::newRow("misto") << "Command2" << false << "Form[12]" << true;
        QTest::newRow("voce: il modo resta") << "Command3" << true << "FormImposta" << true;
    }

    void bottoni()
    {
        QFETCH(QString, bottone);
        QFETCH(bool, mistoPrima);
        QFETCH(QString, apre);
        QFETCH(bool, mistoDopo);
        QPointer<Schermo> menu = a->registro.mostra(QStringLiteral("FormMenu"));
        a->stato.ModoMisto = mistoPrima ? True : False;
        clicca(menu, bottone);
        QVERIFY(menu.isNull());
        QVERIFY(QRegularExpression(QStringLiteral("^%1$").arg(apre)).match(a->mostrato()->objectName()).hasMatch());
        QCOMPARE(a->stato.ModoMisto, mistoDopo ? True : False);
    }

    void esci_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("chiusura"); // the window's close button instead of "Esci"
        QTest::newRow("no") << false << false;
        QTest::newRow("si") << true << false;
        QTest::newRow("chiusura, no") << false << true;
        QTest::newRow("chiusura, si") << true << true;
    }

    void esci()
    {
        QFETCH(bool, si);
        QFETCH(bool, chiusura);
        Schermo *menu = a->registro.mostra(QStringLiteral("FormMenu"));
        a->dialoghi.risposte = {si};
        if (chiusura)
            menu->close();
        else
            clicca(menu, QStringLiteral("Command1"));
        QCOMPARE(a->dialoghi.tipi(), QStringList{QStringLiteral("domanda")});
        QCOMPARE(a->dialoghi.finestre[0].titolo, QStringLiteral("Numerella parlato"));
        QCOMPARE(a->terminati, si ? QList<int>{0} : QList<int>{});
        if (!si)
            QVERIFY(menu->isVisible());
        // Leaving writes nothing.
        QVERIFY(!QFile::exists(a->stato.FileImpostazioni));
    }

    // Closing the start screen's window ends the run without a question.
    void chiusuraDellAvvio()
    {
        a->registro.mostra(QStringLiteral("FormAvvio"))->close();
        QCOMPARE(a->terminati, QList<int>{0});
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
