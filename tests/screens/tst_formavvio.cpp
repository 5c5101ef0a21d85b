// The start screen: its designed controls, the language of the run, the
// gradient over the whole display, and the way on to the main menu.

#include "banco.h"
#include "clsresize.h"
#include "formavvio.h"
#include "formmenu.h"
#include "schermi.h"
#include "sfondo.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

// The text grows with the screen by the smaller of the two ratios.
double fattore(const Schermo *s)
{
    return std::min(s->innerWidthTwip() / 8235, s->innerHeightTwip() / 5835);
}

template<class T>
T *trova(Schermo *s, const QString &nome, int indice = -1)
{
    return qobject_cast<T *>(s->controllo(nome, indice));
}

// Shows the start screen as Main does and returns it.
Schermo *apriAvvio(Banco &b)
{
    registraSchermi(*b.c);
    Schermo *s = b.registro.mostra(QStringLiteral("FormAvvio"));
    if (s)
        static_cast<void>(QTest::qWaitForWindowExposed(s));
    return s;
}

} // namespace

class TestFormAvvio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlliProgettati();
    void didascalieDellaLinguaScelta_data();
    void didascalieDellaLinguaScelta();
    void sfondoCopreLoSchermo_data();
    void sfondoCopreLoSchermo();
    void avvioApreIlMenu();
    void avvioNonApreDueMenu();
    void chiusuraDellaFinestraTermina();
};

void TestFormAvvio::controlliProgettati()
{
    Banco b;
    Schermo *s = apriAvvio(b);
    QVERIFY(s);

    QStringList ordine;
    for (const Controllo &k : s->controlli())
        ordine << (k.indice() ? QStringLiteral("%1(%2)").arg(k.nome()).arg(*k.indice()) : k.nome());
    QCOMPARE(ordine, (QStringList{"Label2(0)", "Label2(1)", "Label2(2)", "BottoneAvvio", "Sfondo"}));

    // The table captured at load holds the designed places (in twips, to
    // the nearest pixel) and the designed inner size.
    const clsResize &r = *b.stato.Ridimensiona;
    QCOMPARE(r.SourceForm(), s);
    QCOMPARE(r.larghezzaCatturata(), 8235);
    QCOMPARE(r.altezzaCatturata(), 5835);
    const qint32 bottone[4] = {2760, 3960, 2895, 1215};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(r.tabella().at(3).m[i], bottone[i]);
    QCOMPARE(r.tabella().at(0).m[2], 6975);

    auto *titolo = trova<QLabel>(s, QStringLiteral("Label2"), 0);
    QCOMPARE(titolo->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(titolo->font().pointSizeF(), 48.0 * fattore(s));
    QVERIFY(titolo->font().bold());
    QCOMPARE(titolo->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(trova<QLabel>(s, QStringLiteral("Label2"), 1)->font().pointSizeF(), 14.25 * fattore(s));

    auto *avvio = trova<QPushButton>(s, QStringLiteral("BottoneAvvio"));
    QCOMPARE(avvio->font().family(), QStringLiteral("Arial"));
    QCOMPARE(avvio->font().pointSizeF(), 20.25 * fattore(s));
    QVERIFY(avvio->styleSheet().contains(QColor(255, 255, 128).name()));
    QCOMPARE(s->focusWidget(), avvio);
    QCOMPARE(s->client()->palette().color(QPalette::Window), QColor(128, 128, 255));

    // Activated: the screen fills the display and the controls follow it.
    QCOMPARE(s->frameGeometry(), QRect(0, 0, 1024, 768));
    const QSize interno = s->client()->size();
    QCOMPARE(avvio->geometry().topLeft(),
             QPoint(qRound(2760.0 * interno.width() / 8235), qRound(3960.0 * interno.height() / 5835)));
}

void TestFormAvvio::didascalieDellaLinguaScelta_data()
{
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("titoloFinestra");
    QTest::addColumn<QStringList>("didascalie"); // Label2(0..2), BottoneAvvio

    const QStringList progetto{"Numerella", "08 novembre 2003", "parlato", "Avvio"};
    QTest::newRow("la lingua di LangSetting.ini, non l'italiano")
        << QStringList{"LangSetting.ini", "Italiano.lng", "Prova.lng"} << "Prova" << "Numerella test"
        << QStringList{"Numbers", "08 novembre 2003", "spoken", "Start"};
    QTest::newRow("senza LangSetting.ini: lingua vuota, didascalie progettate")
        << QStringList{"Italiano.lng", "Prova.lng"} << QString() << "Numerella" << progetto;
    QTest::newRow("lingua senza file: didascalie progettate")
        << QStringList{"Italiano.lng"} << "Prova" << "Numerella" << progetto;
}

void TestFormAvvio::didascalieDellaLinguaScelta()
{
    QFETCH(QStringList, file);
    QFETCH(QString, lingua);
    QFETCH(QString, titoloFinestra);
    QFETCH(QStringList, didascalie);

    Banco b(1, file);
    if (!file.contains(QStringLiteral("LangSetting.ini")) && lingua == QStringLiteral("Prova")) {
        QFile f(b.cartella.filePath(QStringLiteral("LangSetting.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Language]\r\nCurrentLanguage=Prova\r\n");
    }
    b.lingua.MLSCurrentLanguage = QStringLiteral("Italiano"); // whatever was there before
    Schermo *s = apriAvvio(b);
    QVERIFY(s);
    QCOMPARE(b.lingua.MLSCurrentLanguage, lingua);
    QCOMPARE(s->windowTitle(), titoloFinestra);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(trova<QLabel>(s, QStringLiteral("Label2"), i)->text(), didascalie.at(i));
    QCOMPARE(trova<QPushButton>(s, QStringLiteral("BottoneAvvio"))->text(), didascalie.at(3));
}

void TestFormAvvio::sfondoCopreLoSchermo_data()
{
    QTest::addColumn<QSize>("display");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1280x800") << QSize(1280, 800);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("640x480") << QSize(640, 480);
    QTest::newRow("stretto e alto") << QSize(600, 1024);
}

void TestFormAvvio::sfondoCopreLoSchermo()
{
    QFETCH(QSize, display);
    Banco b(1, {}, display);
    Schermo *s = apriAvvio(b);
    QVERIFY(s);
    auto *sfondo = trova<Sfondo>(s, QStringLiteral("Sfondo"));
    QVERIFY(sfondo);

    QCOMPARE(s->frameGeometry(), QRect(QPoint(0, 0), display));
    QVERIFY(sfondo->geometry().contains(s->client()->rect()));
    // Nothing is painted over it but the controls: it lies beneath them.
    QCOMPARE(s->client()->children().indexOf(sfondo), 0);

    // A later resize from the window system rescales it from its designed
    // place, which covers the whole client area too.
    s->resize(display.width() - 100, display.height() - 50);
    QVERIFY(sfondo->geometry().contains(s->client()->rect()));
    QCOMPARE(sfondo->color(), Sfondo().color());
    QCOMPARE(sfondo->fincolor(), Sfondo().fincolor());
}

void TestFormAvvio::avvioApreIlMenu()
{
    Banco b;
    Schermo *s = apriAvvio(b);
    QVERIFY(s);
    QPointer<Schermo> avvio(s);
    QCOMPARE(b.stato.Ridimensiona->SourceForm(), s);

    QTest::mouseClick(trova<QPushButton>(s, QStringLiteral("BottoneAvvio")), Qt::LeftButton);

    Schermo *menu = b.registro.caricato(QStringLiteral("FormMenu"));
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QVERIFY(!b.registro.caricato(QStringLiteral("FormAvvio")));
    QVERIFY(!avvio || !avvio->isVisible());
    QTRY_VERIFY(avvio.isNull());
    QCOMPARE(b.stato.Ridimensiona->SourceForm(), menu);
    QCOMPARE(b.registro.caricati(), QList<Schermo *>{menu});
    QVERIFY(b.terminati.isEmpty());
}

void TestFormAvvio::avvioNonApreDueMenu()
{
    Banco b;
    Schermo *s = apriAvvio(b);
    auto *bottone = trova<QPushButton>(s, QStringLiteral("BottoneAvvio"));
    int menuCaricati = 0;
    connect(&b.registro, &RegistroSchermi::schermoCaricato, this, [&](Schermo *x) {
        if (x->nomeForm() == QStringLiteral("FormMenu"))
            ++menuCaricati;
    });
    // The menu's captions let events run while it loads: a second press
    // that arrives then finds the first one still at work.
    bool premuto = false;
    connect(&b.registro, &RegistroSchermi::schermoCaricato, this, [&] {
        if (!premuto) {
            premuto = true;
            bottone->click();
        }
    });
    bottone->click();
    QCOMPARE(menuCaricati, 1);
    QVERIFY(b.registro.mostrato(QStringLiteral("FormMenu")));
    QVERIFY(!b.registro.caricato(QStringLiteral("FormAvvio")));
}

void TestFormAvvio::chiusuraDellaFinestraTermina()
{
    Banco b;
    Schermo *s = apriAvvio(b);
    QVERIFY(s);
    s->close();
    QCOMPARE(b.terminati, QList<int>{0});
    QVERIFY(b.dialoghi.finestre.isEmpty());
    QVERIFY(!QFile::exists(b.stato.FileImpostazioni));
}

QTEST_MAIN(TestFormAvvio)
#include "tst_formavvio.moc"
