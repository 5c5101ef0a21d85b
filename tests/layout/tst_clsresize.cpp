// Proportional rescaling of a screen's controls: the tag rule, the capture
// of the designed layout, and the controls the table holds without measures.

#include "clsresize.h"
#include "controllo.h"
#include "linea.h"
#include "schermo.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QtTest>
#include <memory>

namespace {

// The sizes in these tables are given in pixels; twips are 15 to the pixel,
// so the designed numbers convert exactly and the ratios stay exact.
constexpr int T = TwipPerPixel;

// Remembers whether its window was repainting while it was moved.
class Spia : public QWidget
{
public:
    using QWidget::QWidget;
    QList<bool> ridisegnoDuranteSpostamenti;

protected:
    void resizeEvent(QResizeEvent *e) override
    {
        ridisegnoDuranteSpostamenti.append(window()->updatesEnabled());
        QWidget::resizeEvent(e);
    }
};

// A screen designed 8000 x 6000 inside with one button at 800, 600, 1600,
// 1200, as in the examples the layout rule was written from.
struct SchermoCampione {
    std::unique_ptr<Schermo> s = std::make_unique<Schermo>(QStringLiteral("FormProva"), 8000 * T, 6000 * T);
    QPushButton *bottone = nullptr;

    SchermoCampione()
    {
        s->dimensionaDesign();
        bottone = s->aggiungi(new QPushButton(s->client()), QStringLiteral("Command1"));
        Schermo::piazza(bottone, 800 * T, 600 * T, 1600 * T, 1200 * T);
    }
};

} // namespace

class TestClsResize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void regolaTag_data();
    void regolaTag();
    void arrotonda_data();
    void arrotonda();
    void scalaSecondoTag_data();
    void scalaSecondoTag();
    void linea_data();
    void linea();
    void catturaArrotondaAlPari();
    void riduciEAllargaDaLoStessoLayout();
    void menuNellaTabellaNonFermaIlRidimensionamento();
    void controlloDistruttoSiSalta();
    void catturaSenzaLarghezzaNonDivide();
    void schermoRidottoAIconaNonSiTocca();
    void schermoSenzaControlli();
    void primaChiamataRegistraSoltanto();
    void nuovoSchermoTieneLaVecchiaTabella();
    void ridisegnoSospesoDuranteIlPassaggio();
};

void TestClsResize::regolaTag_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("l");
    QTest::addColumn<bool>("t");
    QTest::addColumn<bool>("w");
    QTest::addColumn<bool>("h");

    QTest::newRow("vuoto: tutto") << QString() << true << true << true << true;
    QTest::newRow("@ da solo: niente") << "@" << false << false << false << false;
    QTest::newRow("@lt minuscolo") << "@lt" << true << true << false << false;
    QTest::newRow("@LT") << "@LT" << true << true << false << false;
    QTest::newRow("@L,T,W,H") << "@L,T,W,H" << true << true << true << true;
    QTest::newRow("@wh") << "@wh" << false << false << true << true;
    QTest::newRow("lettere ovunque") << "@ altre parole" << true << true << false << false;
    QTest::newRow("altro uso: tutto") << "x" << true << true << true << true;
    QTest::newRow("@ non in testa: tutto") << "testo@" << true << true << true << true;
    QTest::newRow("spazio prima di @: tutto") << " @lt" << true << true << true << true;
}

void TestClsResize::regolaTag()
{
    QFETCH(QString, tag);
    const clsResize::Misure m = clsResize::regolaTag(tag);
    QFETCH(bool, l);
    QFETCH(bool, t);
    QFETCH(bool, w);
    QFETCH(bool, h);
    QCOMPARE(m.l, l);
    QCOMPARE(m.t, t);
    QCOMPARE(m.w, w);
    QCOMPARE(m.h, h);
}

void TestClsResize::arrotonda_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<int>("atteso");

    QTest::newRow("0.5 al pari 0") << 0.5 << 0;
    QTest::newRow("1.5 al pari 2") << 1.5 << 2;
    QTest::newRow("2.5 al pari 2") << 2.5 << 2;
    QTest::newRow("-0.5 al pari 0") << -0.5 << 0;
    QTest::newRow("-1.5 al pari -2") << -1.5 << -2;
    QTest::newRow("-2.5 al pari -2") << -2.5 << -2;
    QTest::newRow("sotto la meta") << 2.4999 << 2;
    QTest::newRow("sopra la meta") << 2.5001 << 3;
    QTest::newRow("7507.5 al pari") << 7507.5 << 7508;
    QTest::newRow("intero resta") << 8235.0 << 8235;
}

void TestClsResize::arrotonda()
{
    QFETCH(double, valore);
    QFETCH(int, atteso);
    QCOMPARE(clsResize::arrotonda(valore), atteso);
}

void TestClsResize::scalaSecondoTag_data()
{
    QTest::addColumn<QString>("tag");
    // Moves the button elsewhere after the capture, so that a measure the
    // tag leaves alone shows as untouched rather than as "set to itself".
    QTest::addColumn<bool>("spostatoPrima");
    QTest::addColumn<QRect>("atteso");

    const QRect altrove(10, 20, 30, 40);
    QTest::newRow("nessun tag") << QString() << false << QRect(1600, 900, 3200, 1800);
    QTest::newRow("nessun tag, spostato") << QString() << true << QRect(1600, 900, 3200, 1800);
    QTest::newRow("@lt") << "@lt" << false << QRect(1600, 900, 1600, 1200);
    QTest::newRow("@lt, spostato") << "@lt" << true << QRect(1600, 900, altrove.width(), altrove.height());
    QTest::newRow("@ non si muove") << "@" << false << QRect(800, 600, 1600, 1200);
    QTest::newRow("@ spostato resta dov'e") << "@" << true << altrove;
    QTest::newRow("x scala tutto") << "x" << true << QRect(1600, 900, 3200, 1800);
    QTest::newRow("@wh, spostato") << "@wh" << true << QRect(altrove.x(), altrove.y(), 3200, 1800);
}

void TestClsResize::scalaSecondoTag()
{
    QFETCH(QString, tag);
    QFETCH(bool, spostatoPrima);
    QFETCH(QRect, atteso);

    SchermoCampione c;
    clsResize r;
    r.setSourceForm(c.s.get());
    r.ReInitialise();
    QCOMPARE(r.larghezzaCatturata(), 8000 * T);
    QCOMPARE(r.altezzaCatturata(), 6000 * T);

    // The tag is read at every rescale, not at the capture.
    Controllo(c.bottone).setTag(tag);
    if (spostatoPrima)
        c.bottone->setGeometry(10, 20, 30, 40);
    c.s->resize(16000, 9000);
    QCOMPARE(c.s->innerWidthTwip(), 16000.0 * T);
    r.ResizeControls();
    QCOMPARE(c.bottone->geometry(), atteso);
}

void TestClsResize::linea_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("spostataPrima");
    QTest::addColumn<QList<double>>("atteso"); // X1, Y1, X2, Y2 in pixels

    QTest::newRow("@L,T al suo posto") << "@L,T" << false << QList<double>{200, 150, 900, 100};
    QTest::newRow("@L,T spostata: X2 e Y2 restano") << "@L,T" << true << QList<double>{200, 150, 3, 4};
    QTest::newRow("senza tag: tutti e quattro") << QString() << true << QList<double>{200, 150, 1800, 150};
}

void TestClsResize::linea()
{
    QFETCH(QString, tag);
    QFETCH(bool, spostataPrima);
    QFETCH(QList<double>, atteso);

    SchermoCampione c;
    auto *l = c.s->aggiungi(new Linea(c.s->client()), QStringLiteral("Line1"));
    l->setPunti(100 * T, 100 * T, 900 * T, 100 * T);
    clsResize r;
    r.setSourceForm(c.s.get());
    r.ReInitialise();
    QCOMPARE(r.tabella().at(1).m[2], 900 * T);

    Controllo(l).setTag(tag);
    if (spostataPrima)
        l->setPunti(1 * T, 2 * T, 3 * T, 4 * T);
    c.s->resize(16000, 9000);
    r.ResizeControls();
    QCOMPARE(l->x1(), atteso[0] * T);
    QCOMPARE(l->y1(), atteso[1] * T);
    QCOMPARE(l->x2(), atteso[2] * T);
    QCOMPARE(l->y2(), atteso[3] * T);
    // The button in the same pass is not disturbed by the line's tag.
    QCOMPARE(c.bottone->geometry(), QRect(1600, 900, 3200, 1800));
}

void TestClsResize::catturaArrotondaAlPari()
{
    SchermoCampione c;
    auto *l = c.s->aggiungi(new Linea(c.s->client()), QStringLiteral("Line1"));
    l->setPunti(2.5, 3.5, -0.5, 7507.5);
    clsResize r;
    r.setSourceForm(c.s.get());
    r.ReInitialise();
    const clsResize::ControlLayout &v = r.tabella().at(1);
    QCOMPARE(v.m[0], 2);
    QCOMPARE(v.m[1], 4);
    QCOMPARE(v.m[2], 0);
    QCOMPARE(v.m[3], 7508);
}

void TestClsResize::riduciEAllargaDaLoStessoLayout()
{
    // Measures in twips that do not fall on whole pixels once scaled, so
    // that any accumulation of rounding would show.
    Schermo s(QStringLiteral("FormProva"), 8235, 5835);
    s.dimensionaDesign();
    struct Voce {
        const char *nome;
        int l, t, w, h;
        const char *tag;
    };
    const Voce voci[] = {{"Label2", 720, 360, 6975, 2655, ""},
                         {"Label2b", 120, 4200, 2655, 975, "@lt"},
                         {"BottoneAvvio", 2760, 3960, 2895, 1215, "x"},
                         {"Command1", 7, 13, 101, 37, "@wh"}};
    QList<QWidget *> widget;
    for (const Voce &v : voci) {
        auto *w = s.aggiungi(new QLabel(s.client()), QString::fromLatin1(v.nome));
        Schermo::piazza(w, v.l, v.t, v.w, v.h);
        Controllo(w).setTag(QString::fromLatin1(v.tag));
        widget.append(w);
    }
    auto *l = s.aggiungi(new Linea(s.client()), QStringLiteral("Line1"));
    l->setPunti(97, 211, 3001, 4999);

    auto fotografia = [&] {
        QList<QRect> g;
        for (QWidget *w : widget)
            g.append(w->geometry());
        g.append(QRect(QPoint(int(l->x1()), int(l->y1())), QPoint(int(l->x2()), int(l->y2()))));
        return g;
    };
    const QList<QRect> progetto = fotografia();

    clsResize r;
    r.setSourceForm(&s);
    r.ReInitialise();

    s.resize(1280, 800);
    r.ResizeControls();
    const QList<QRect> grande = fotografia();
    r.ResizeControls();
    QCOMPARE(fotografia(), grande); // twice at one size: the same layout

    for (const QSize &z : {QSize(333, 211), QSize(700, 500), QSize(1920, 1080), QSize(101, 99)}) {
        s.resize(z);
        r.ResizeControls();
    }
    s.resize(1280, 800);
    r.ResizeControls();
    QCOMPARE(fotografia(), grande);

    s.resize(549, 389); // the designed inner size in pixels
    r.ResizeControls();
    QCOMPARE(fotografia(), progetto);
}

void TestClsResize::menuNellaTabellaNonFermaIlRidimensionamento()
{
    Schermo s(QStringLiteral("FormProva"), 8000 * T, 6000 * T);
    auto *menu = s.aggiungi(new QMenu(QStringLiteral("Lingua"), &s), QStringLiteral("mnuLanguages"));
    auto *voce = s.aggiungi(new QAction(QStringLiteral("mnuLanguage 0"), menu), QStringLiteral("mnuLanguage"), 0);
    menu->addAction(voce);
    s.menuBar()->addMenu(menu);
    auto *bottone = s.aggiungi(new QPushButton(s.client()), QStringLiteral("Command1"));
    Schermo::piazza(bottone, 800 * T, 600 * T, 1600 * T, 1200 * T);
    s.dimensionaDesign();
    QCOMPARE(s.innerHeightTwip(), 6000.0 * T);

    clsResize r;
    r.setSourceForm(&s);
    r.ReInitialise();
    QCOMPARE(r.tabella().size(), 3);
    for (int i = 0; i < 2; ++i) {
        for (qint32 m : r.tabella().at(i).m)
            QCOMPARE(m, 0);
    }

    const int barra = s.height() - 6000;
    s.resize(16000, 9000 + barra);
    r.ResizeControls();
    QCOMPARE(bottone->geometry(), QRect(1600, 900, 3200, 1800));
    QCOMPARE(voce->text(), QStringLiteral("mnuLanguage 0"));
}

void TestClsResize::controlloDistruttoSiSalta()
{
    SchermoCampione c;
    auto *via = c.s->aggiungi(new QLabel(c.s->client()), QStringLiteral("Label1"));
    auto *finestra = new QWidget; // a control that is a window of its own has no place on the screen
    std::unique_ptr<QWidget> custode(finestra);
    c.s->registra(finestra, QStringLiteral("Altro"));
    auto *ultimo = c.s->aggiungi(new QPushButton(c.s->client()), QStringLiteral("Command2"));
    Schermo::piazza(ultimo, 80 * T, 60 * T, 160 * T, 120 * T);

    clsResize r;
    r.setSourceForm(c.s.get());
    r.ReInitialise();
    delete via;
    c.s->resize(16000, 9000);
    r.ResizeControls();
    QCOMPARE(c.bottone->geometry(), QRect(1600, 900, 3200, 1800));
    QCOMPARE(ultimo->geometry(), QRect(160, 90, 320, 180));
}

void TestClsResize::catturaSenzaLarghezzaNonDivide()
{
    SchermoCampione c;
    c.s->resize(0, 6000);
    QCOMPARE(c.s->width(), 0);
    clsResize r;
    r.setSourceForm(c.s.get());
    r.ReInitialise();
    QCOMPARE(r.larghezzaCatturata(), 0);

    c.s->resize(16000, 9000);
    r.ResizeControls();
    // No ratio for the width: left and width stay, the height axis scales.
    QCOMPARE(c.bottone->geometry(), QRect(800, 900, 1600, 1800));
}

void TestClsResize::schermoRidottoAIconaNonSiTocca()
{
    SchermoCampione c;
    clsResize r;
    r.setSourceForm(c.s.get());
    r.ReInitialise();
    c.s->resize(16000, 9000);
    c.s->setWindowState(Qt::WindowMinimized);
    r.ResizeControls();
    QCOMPARE(c.bottone->geometry(), QRect(800, 600, 1600, 1200));

    c.s->setWindowState(Qt::WindowNoState);
    r.ResizeControls();
    QCOMPARE(c.bottone->geometry(), QRect(1600, 900, 3200, 1800));
}

void TestClsResize::schermoSenzaControlli()
{
    Schermo s(QStringLiteral("FormVuoto"), 8000 * T, 6000 * T);
    s.dimensionaDesign();
    Schermo::setDisplayPerTest(QSize(1024, 768));
    clsResize r;
    r.setSourceForm(&s);
    r.SizeFormToScreen(75);
    r.ResizeControls();
    Schermo::setDisplayPerTest(QSize());
    QVERIFY(r.tabella().isEmpty());
    QCOMPARE(s.frameGeometry().size(), QSize(768, 576));

    clsResize senzaSchermo;
    senzaSchermo.SizeFormToScreen(75);
    senzaSchermo.ResizeControls();
    senzaSchermo.ReInitialise();
    QVERIFY(senzaSchermo.tabella().isEmpty());
}

void TestClsResize::primaChiamataRegistraSoltanto()
{
    SchermoCampione c;
    c.s->resize(16000, 9000);
    clsResize r;
    r.setSourceForm(c.s.get());
    r.ResizeControls(); // records the layout as it stands, moves nothing
    QCOMPARE(c.bottone->geometry(), QRect(800, 600, 1600, 1200));
    QCOMPARE(r.larghezzaCatturata(), 16000 * T);

    c.s->resize(8000, 4500);
    r.ResizeControls();
    QCOMPARE(c.bottone->geometry(), QRect(400, 300, 800, 600));
}

void TestClsResize::nuovoSchermoTieneLaVecchiaTabella()
{
    SchermoCampione a;
    SchermoCampione b;
    clsResize r;
    r.setSourceForm(a.s.get());
    r.ReInitialise();
    r.setSourceForm(b.s.get());
    QCOMPARE(r.SourceForm(), b.s.get());
    QCOMPARE(r.tabella().at(0).controllo.oggetto(), a.bottone);
    r.ReInitialise();
    QCOMPARE(r.tabella().at(0).controllo.oggetto(), b.bottone);
}

void TestClsResize::ridisegnoSospesoDuranteIlPassaggio()
{
    Schermo s(QStringLiteral("FormProva"), 400 * T, 300 * T);
    s.dimensionaDesign();
    auto *spia = s.aggiungi(new Spia(s.client()), QStringLiteral("Picture1"));
    Schermo::piazza(spia, 10 * T, 10 * T, 100 * T, 50 * T);
    clsResize r;
    r.setSourceForm(&s);
    r.ReInitialise();
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));

    spia->ridisegnoDuranteSpostamenti.clear();
    s.resize(800, 600);
    r.ResizeControls();
    QVERIFY(!spia->ridisegnoDuranteSpostamenti.isEmpty());
    QVERIFY(!spia->ridisegnoDuranteSpostamenti.contains(true));
    QVERIFY(s.updatesEnabled());

    // A pass that starts with repainting already off leaves it off.
    s.setUpdatesEnabled(false);
    s.resize(400, 300);
    r.ResizeControls();
    QVERIFY(!s.updatesEnabled());
    s.setUpdatesEnabled(true);
}

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
