// The main menu: its designed controls, the screens its buttons open and
// the exercise mode they set, the mixed draw, and the exit question.

#include "banco.h"
#include "clsresize.h"
#include "formmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace {

const QStringList SchermiAperti{QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("FormImposta")};

QPushButton *bottone(Schermo *s, const QString &nome)
{
    return qobject_cast<QPushButton *>(s->controllo(nome));
}

// The menu as another screen shows it; the screens it opens are bare ones,
// or none at all.
Schermo *apriMenu(Banco &b, bool conSchermiVuoti = true)
{
    b.registro.registra(QStringLiteral("FormMenu"), [&b] { return new FormMenu(*b.c); });
    if (conSchermiVuoti)
        b.registraSchermiVuoti(SchermiAperti);
    Schermo *s = b.registro.mostra(QStringLiteral("FormMenu"));
    if (s)
        static_cast<void>(QTest::qWaitForWindowExposed(s));
    return s;
}

QString schermoVisibile(Banco &b)
{
    QStringList v;
    for (Schermo *s : b.registro.caricati()) {
        if (s->isVisible())
            v << s->nomeForm();
    }
    return v.join(QLatin1Char(','));
}

} // namespace

class TestFormMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlliProgettati();
    void didascalieDellaLingua();
    void ridimensionaIlMenu();
    void bottoniApronoLoSchermo_data();
    void bottoniApronoLoSchermo();
    void schermoNonDisponibile_data();
    void schermoNonDisponibile();
    void sceltaMistaAlCaso();
    void esci_data();
    void esci();
    void chiusuraDellaFinestraChiede_data();
    void chiusuraDellaFinestraChiede();
};

void TestFormMenu::controlliProgettati()
{
    Banco b(1, {QStringLiteral("Italiano.lng")});
    Schermo *s = apriMenu(b);
    QVERIFY(s);

    QStringList ordine;
    for (const Controllo &k : s->controlli())
        ordine << (k.indice() ? QStringLiteral("%1(%2)").arg(k.nome()).arg(*k.indice()) : k.nome());
    QCOMPARE(ordine.mid(0, 7), (QStringList{"Command8", "Command7", "Command2", "Command3", "Command1",
                                            "mnuLanguages", "mnuLanguage(0)"}));

    const QStringList testi{"Problemi con addizione", "Problemi con sottrazione",
                            "Problemi con addizione o sottrazione", "Imposta la voce", "Esci"};
    const QStringList nomi{"Command8", "Command7", "Command2", "Command3", "Command1"};
    const clsResize &r = *b.stato.Ridimensiona;
    QCOMPARE(r.larghezzaCatturata(), 7035);
    QCOMPARE(r.altezzaCatturata(), 5745);
    const int top[5] = {360, 1200, 2040, 2880, 4320};
    for (int i = 0; i < 5; ++i) {
        QPushButton *p = bottone(s, nomi[i]);
        QCOMPARE(p->text(), testi[i]);
        QCOMPARE(p->font().family(), QStringLiteral("Arial"));
        QCOMPARE(p->font().pointSizeF(),
                 15.75 * std::min(s->innerWidthTwip() / 7035, s->innerHeightTwip() / 5745));
        QVERIFY(p->font().bold());
        QVERIFY(p->styleSheet().contains(QColor(255, 128, 255).name()));
        QCOMPARE(r.tabella().at(i).m[0], 960);
        QCOMPARE(r.tabella().at(i).m[1], top[i]);
        QCOMPARE(r.tabella().at(i).m[2], 4995); // 5000 twips to the nearest pixel
    }
    QCOMPARE(s->client()->palette().color(QPalette::Window), QColor(255, 192, 255));

    // "Esci" first in the tab order, and so the focus at opening.
    QCOMPARE(s->focusWidget(), bottone(s, QStringLiteral("Command1")));
    QWidget *w = bottone(s, QStringLiteral("Command1"));
    for (const char *dopo : {"Command8", "Command7", "Command2", "Command3", "Command1"}) {
        // Tab passes over what takes no focus from it (the menu bar).
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        QCOMPARE(w->objectName(), QString::fromLatin1(dopo));
    }

    auto *lingua = qobject_cast<QMenu *>(s->controllo(QStringLiteral("mnuLanguages")));
    QVERIFY(lingua);
    QCOMPARE(lingua->title(), QStringLiteral("Lingua"));
    QVERIFY(s->menuBar()->actions().contains(lingua->menuAction()));
    QVERIFY(qobject_cast<QAction *>(s->controllo(QStringLiteral("mnuLanguage"), 0)));
}

void TestFormMenu::didascalieDellaLingua()
{
    Banco b; // LangSetting.ini names the test language
    Schermo *s = apriMenu(b);
    QCOMPARE(s->windowTitle(), QStringLiteral("Main menu"));
    QCOMPARE(bottone(s, QStringLiteral("Command8"))->text(), QStringLiteral("Addition problems"));
    QCOMPARE(bottone(s, QStringLiteral("Command1"))->text(), QStringLiteral("Quit"));
    QCOMPARE(bottone(s, QStringLiteral("Command7"))->text(), QStringLiteral("Problemi con sottrazione"));
    QCOMPARE(qobject_cast<QMenu *>(s->controllo(QStringLiteral("mnuLanguages")))->title(),
             QStringLiteral("Language"));
}

void TestFormMenu::ridimensionaIlMenu()
{
    Banco b(1, {}, QSize(1280, 800));
    Schermo *s = apriMenu(b);
    QCOMPARE(b.stato.Ridimensiona->SourceForm(), s);
    QCOMPARE(s->frameGeometry(), QRect(0, 0, 1280, 800));

    auto atteso = [s](int l, int t, int w, int h) {
        const double rw = s->innerWidthTwip() / 7035.0;
        const double rh = s->innerHeightTwip() / 5745.0;
        return QRect(qRound(l * rw / 15), qRound(t * rh / 15), qRound(w * rw / 15), qRound(h * rh / 15));
    };
    QCOMPARE(bottone(s, QStringLiteral("Command1"))->geometry(), atteso(960, 4320, 4995, 750));

    s->resize(900, 700);
    QCOMPARE(bottone(s, QStringLiteral("Command1"))->geometry(), atteso(960, 4320, 4995, 750));
    QCOMPARE(bottone(s, QStringLiteral("Command8"))->geometry(), atteso(960, 360, 4995, 750));
}

void TestFormMenu::bottoniApronoLoSchermo_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("mistoPrima");
    QTest::addColumn<QString>("apre");
    QTest::addColumn<bool>("mistoDopo");

    QTest::newRow("addizione dopo il misto") << "Command8" << true << "Form1" << false;
    QTest::newRow("addizione") << "Command8" << false << "Form1" << false;
    QTest::newRow("sottrazione dopo il misto") << "Command7" << true << "Form2" << false;
    QTest::newRow("voce dopo il misto lo lascia") << "Command3" << true << "FormImposta" << true;
    QTest::newRow("voce senza misto") << "Command3" << false << "FormImposta" << false;
}

void TestFormMenu::bottoniApronoLoSchermo()
{
    QFETCH(QString, nome);
    QFETCH(bool, mistoPrima);
    QFETCH(QString, apre);
    QFETCH(bool, mistoDopo);

    Banco b;
    Schermo *s = apriMenu(b);
    QPointer<Schermo> menu(s);
    b.stato.ModoMisto = mistoPrima ? True : False;

    QTest::mouseClick(bottone(s, nome), Qt::LeftButton);

    QCOMPARE(schermoVisibile(b), apre);
    QVERIFY(!b.registro.caricato(QStringLiteral("FormMenu")));
    QCOMPARE(b.stato.ModoMisto, mistoDopo ? True : False);
    QTRY_VERIFY(menu.isNull());
    QVERIFY(b.dialoghi.finestre.isEmpty());
}

void TestFormMenu::schermoNonDisponibile_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("mistoDopo");
    QTest::newRow("addizione") << "Command8" << false;
    QTest::newRow("sottrazione") << "Command7" << false;
    QTest::newRow("misto: il modo e' gia' scelto") << "Command2" << true;
    QTest::newRow("voce") << "Command3" << false;
}

void TestFormMenu::schermoNonDisponibile()
{
    QFETCH(QString, nome);
    QFETCH(bool, mistoDopo);

    Banco b;
    Schermo *s = apriMenu(b, false);
    QTest::mouseClick(bottone(s, nome), Qt::LeftButton);
    QCOMPARE(b.registro.caricato(QStringLiteral("FormMenu")), s);
    QCOMPARE(schermoVisibile(b), QStringLiteral("FormMenu"));
    QCOMPARE(b.stato.ModoMisto, mistoDopo ? True : False);

    // And the menu still works afterwards.
    b.registraSchermiVuoti(SchermiAperti);
    QTest::mouseClick(bottone(s, QStringLiteral("Command8")), Qt::LeftButton);
    QCOMPARE(schermoVisibile(b), QStringLiteral("Form1"));
}

void TestFormMenu::sceltaMistaAlCaso()
{
    const quint64 seme = 4242;
    Banco b(seme);
    Casuale gemello(seme); // draws what the menu's generator will draw
    Schermo *s = apriMenu(b);

    const int prove = 300;
    int aperti[3] = {0, 0, 0};
    for (int i = 0; i < prove; ++i) {
        b.stato.ModoMisto = False;
        QTest::mouseClick(bottone(s, QStringLiteral("Command2")), Qt::LeftButton);
        const QString atteso = gemello.estrai(2) == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2");
        QCOMPARE(schermoVisibile(b), atteso);
        QCOMPARE(b.stato.ModoMisto, True);
        ++aperti[atteso == QStringLiteral("Form1") ? 1 : 2];

        // Back to the menu, as the exercise screens' exit does.
        Schermo *esercizio = b.registro.caricato(atteso);
        s = b.registro.mostra(QStringLiteral("FormMenu"));
        QVERIFY(s);
        b.registro.scarica(esercizio);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(aperti[1] + aperti[2], prove);
    QVERIFY2(aperti[1] > prove * 2 / 5 && aperti[2] > prove * 2 / 5,
             qPrintable(QStringLiteral("Form1 %1, Form2 %2").arg(aperti[1]).arg(aperti[2])));
}

void TestFormMenu::esci_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("No: il menu resta") << false;
    QTest::newRow("Si: fine senza salvare") << true;
}

void TestFormMenu::esci()
{
    QFETCH(bool, si);
    Banco b;
    Schermo *s = apriMenu(b);
    b.dialoghi.risposte = {si};

    QTest::mouseClick(bottone(s, QStringLiteral("Command1")), Qt::LeftButton);

    QCOMPARE(b.dialoghi.tipi(), QStringList{QStringLiteral("domanda")});
    QCOMPARE(b.dialoghi.finestre.first().titolo, QStringLiteral("Numerella parlato"));
    QCOMPARE(b.dialoghi.finestre.first().testo, QStringLiteral("Do you really want to quit?"));
    QCOMPARE(b.terminati, si ? QList<int>{0} : QList<int>{});
    QCOMPARE(b.registro.caricato(QStringLiteral("FormMenu")), s);
    if (!si)
        QVERIFY(s->isVisible());
    QVERIFY(!QFile::exists(b.stato.FileImpostazioni));
    QVERIFY(!QFileInfo::exists(b.percorsi.impostazioni));
}

void TestFormMenu::chiusuraDellaFinestraChiede_data()
{
    esci_data();
}

void TestFormMenu::chiusuraDellaFinestraChiede()
{
    QFETCH(bool, si);
    Banco b;
    Schermo *s = apriMenu(b);
    b.dialoghi.risposte = {si};

    s->close();

    QCOMPARE(b.dialoghi.tipi(), QStringList{QStringLiteral("domanda")});
    QCOMPARE(b.terminati, si ? QList<int>{0} : QList<int>{});
    if (!si) {
        QVERIFY(s->isVisible());
        QCOMPARE(b.registro.caricato(QStringLiteral("FormMenu")), s);
    }
}

QTEST_MAIN(TestFormMenu)
#include "tst_formmenu.moc"
