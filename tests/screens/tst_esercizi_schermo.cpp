// The exercise screens around the protocol: designed controls and layout,
// the language file, the keyboard, the menus, the counts across screens and
// visits, and the repeat button.

#include "ambienteesercizi.h"
#include "bottoneicona.h"
#include "clsresize.h"
#include "iconascalata.h"
#include "messaggi.h"
#include "sfondo.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QtTest>

namespace {

QString sequenza(int schermo)
{
    return schermo == 1 ? QStringLiteral("3253+2=5") : QStringLiteral("7347-3=4");
}

Qt::Key tastoDi(QChar t)
{
    if (t.isDigit())
        return Qt::Key(Qt::Key_0 + t.digitValue());
    return t == u'+' ? Qt::Key_Plus : t == u'-' ? Qt::Key_Minus : Qt::Key_Equal;
}

FormEsercizio *apriStandard(AmbienteEsercizi &a, int schermo)
{
    return schermo == 1 ? a.apri(1, 1, 5, 3) : a.apri(2, 1, 7, 3);
}

// The colour that covers most of a widget as drawn: its background.
QColor coloreDominante(QWidget *w)
{
    const QImage im = w->grab().toImage();
    QHash<QRgb, int> conta;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            ++conta[im.pixel(x, y) | 0xff000000u];
    QRgb migliore = 0;
    int quanti = -1;
    for (auto it = conta.cbegin(); it != conta.cend(); ++it) {
        if (it.value() > quanti) {
            quanti = it.value();
            migliore = it.key();
        }
    }
    return QColor(migliore);
}

} // namespace

class TstEserciziSchermo : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> a;

private Q_SLOTS:
    void init() { a = std::make_unique<AmbienteEsercizi>(); }
    void cleanup() { a.reset(); }

    // The control list in the designed order: the language keys and the
    // layout table are built from it.
    void ordineControlli()
    {
        Form2 f(*a->c);
        QStringList nomi;
        for (const Controllo &c : f.controlli())
            nomi << (c.indice() ? QStringLiteral("%1(%2)").arg(c.nome()).arg(*c.indice()) : c.nome());
        QStringList attesi {"Sfondo",         "PicturesattiErrati", "ComandoIconaSi",
                            "ComandoIconaNo", "LabelEst",           "EtichettaEsatti",
                            "LabelErt",       "EtichettaErrati",    "Command6"};
        for (int i = 0; i < 9; ++i)
            attesi << QStringLiteral("GifAnimator1(%1)").arg(i);
        attesi << QStringList {"Domanda1", "Risposta1", "Domanda2",    "Risposta2",
                               "Domanda3", "Risposta3", "EtOperazione"};
        for (int i = 0; i < 10; ++i)
            attesi << QStringLiteral("Command1(%1)").arg(i);
        attesi << QStringList {"Command3",   "Command4",         "Command5", "Command2",
                               "MenuAzzera", "MenuInformazioni", "mnuEsci"};
        QCOMPARE(nomi, attesi);
        // The menu entries sit on the menu bar, with their padded captions.
        QCOMPARE(f.menuBar()->actions(),
                 (QList<QAction *> {f.menuAzzera(), f.menuInformazioni(), f.menuEsci()}));
        QCOMPARE(f.menuAzzera()->text(), QStringLiteral("Azzera conteggio         "));
        QCOMPARE(f.menuInformazioni()->text(), QStringLiteral("Informazioni         "));
        QCOMPARE(f.menuEsci()->text(), QStringLiteral("Esci"));
    }

    void posizioni_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QRect>("twip");
        auto riga = [](int s, const char *nome, int indice, QRect r) {
            QTest::addRow("Form%d %s(%d)", s, nome, indice) << s << QString::fromLatin1(nome) << indice << r;
        };
        for (int s = 1; s <= 2; ++s) {
            const int pannello = s == 1 ? 120 : 360;
            const int storia = s == 1 ? 4350 : 4560;
            const int largo = s == 1 ? 5000 : 4995;
            riga(s, "PicturesattiErrati", -1, QRect(pannello, 120, 5775, 975));
            riga(s, "ComandoIconaSi", -1, QRect(240, 120, 735, 735));
            riga(s, "ComandoIconaNo", -1, QRect(240, 120, 735, 735));
            riga(s, "LabelEst", -1, QRect(1200, 360, 1215, 375));
            riga(s, "EtichettaEsatti", -1, QRect(2520, 240, 615, 615));
            riga(s, "LabelErt", -1, QRect(3240, 360, 1215, 405));
            riga(s, "EtichettaErrati", -1, QRect(4680, 240, 615, 615));
            riga(s, "Command6", -1, QRect(6360, 240, 2055, 855));
            riga(s, "GifAnimator1", 0, QRect(150, 1200, 1305, 1305));
            riga(s, "GifAnimator1", 4, QRect(1550, 2600, 1305, 1305));
            riga(s, "GifAnimator1", 8, QRect(2950, 4000, 1305, 1305));
            riga(s, "Domanda1", -1, QRect(storia, 1200, largo, 645));
            riga(s, "Risposta1", -1, QRect(storia, 1800, largo, 570));
            riga(s, "Domanda2", -1, QRect(storia, 2280, largo, 615));
            riga(s, "Risposta2", -1, QRect(storia, 2880, largo, 570));
            riga(s, "Domanda3", -1, QRect(storia, 3600, largo, 540));
            riga(s, "Risposta3", -1, QRect(storia, 4200, largo, 570));
            riga(s, "EtOperazione", -1, QRect(storia, 4920, 4515, 510));
            riga(s, "Command1", 0, QRect(200, 5700, 495, 570));
            riga(s, "Command1", 9, QRect(5600, 5700, 495, 570));
            riga(s, "Command3", -1, QRect(6700, 5700, 495, 570));
            riga(s, "Command4", -1, QRect(7500, 5700, 495, 570));
            riga(s, "Command5", -1, QRect(8300, 5700, 495, 570));
            riga(s, "Command2", -1, QRect(120, 5640, 8925, 705));
        }
    }

    // At design size every control has its designed measures (to the
    // nearest pixel of 15 twips).
    void posizioni()
    {
        QFETCH(int, schermo);
        QFETCH(QString, nome);
        QFETCH(int, indice);
        QFETCH(QRect, twip);
        std::unique_ptr<FormEsercizio> f(schermo == 1 ? static_cast<FormEsercizio *>(new Form1(*a->c))
                                                      : new Form2(*a->c));
        QCOMPARE(f->designWidthTwip(), schermo == 1 ? 9435 : 9690);
        QCOMPARE(f->designHeightTwip(), schermo == 1 ? 6660 : 6615);
        QObject *o = f->controllo(nome, indice);
        QVERIFY(o);
        const Controllo c(o);
        const int misure[4] = {twip.x(), twip.y(), twip.width(), twip.height()};
        for (int q = 0; q < 4; ++q)
            QVERIFY2(
                std::abs(c.misura(q) - misure[q]) <= 7.5,
                qPrintable(
                    QStringLiteral("measure %1: %2, designed %3").arg(q).arg(c.misura(q)).arg(misure[q])));
    }

    // The look that a child sees: fonts and colours of the designed table.
    void aspetto()
    {
        Form1 f(*a->c);
        auto font = [&](QWidget *w) { return w->font(); };
        QCOMPARE(font(f.bottoneCifra(3)).family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(font(f.bottoneCifra(3)).pointSizeF(), 14.25);
        QVERIFY(font(f.bottoneCifra(3)).bold());
        QCOMPARE(f.bottoneCifra(3)->text(), QStringLiteral(" 3"));
        QCOMPARE(coloreDominante(f.bottoneCifra(3)), QColor(128, 255, 255));
        QCOMPARE(font(f.bottonePiu()).pointSizeF(), 18.0);
        QCOMPARE(f.bottonePiu()->text(), QStringLiteral("+"));
        QCOMPARE(f.bottoneMeno()->text(), QStringLiteral("-"));
        QCOMPARE(f.bottoneUguale()->text(), QStringLiteral("="));
        QCOMPARE(coloreDominante(f.bottonePiu()), QColor(255, 0, 0));
        QCOMPARE(f.bottoneAvanti()->text(), QStringLiteral("avanti"));
        QCOMPARE(font(f.bottoneAvanti()).family(), QStringLiteral("Arial"));
        QCOMPARE(coloreDominante(f.bottoneAvanti()), QColor(192, 255, 255));
        QCOMPARE(font(f.domanda(0)).family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font(f.domanda(0)).pointSizeF(), 13.5);
        QCOMPARE(f.domanda(0)->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(f.risposta(0)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(coloreDominante(f.risposta(0)), QColor(Qt::white));
        QCOMPARE(font(f.operazione()).pointSizeF(), 18.0);
        QCOMPARE(f.operazione()->text(), QStringLiteral("Scrivi l'operazione"));
        QCOMPARE(font(f.esatti()).pointSizeF(), 20.25);
        QCOMPARE(coloreDominante(f.esatti()), QColor(0, 255, 255));
        QCOMPARE(f.sfondo()->color(), QColor(192, 255, 255));
        QCOMPARE(f.sfondo()->fincolor(), QColor(0, 0, 192));
        // Widgets without text have a name for screen readers.
        QVERIFY(!f.bottoneRipeti()->accessibleName().isEmpty());
        QVERIFY(f.bottoneRipeti()->text().isEmpty());
        for (int i = 0; i < 9; ++i)
            QVERIFY(!f.cella(i)->accessibleName().isEmpty());
        // No button takes the focus: the space bar belongs to the repeat key.
        QCOMPARE(f.bottoneCifra(0)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(f.bottoneAvanti()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(f.bottoneRipeti()->focusPolicy(), Qt::NoFocus);
    }

    // Loaded and activated: the language file, the display, the counts.
    void caricaEAttiva()
    {
        a->stato.NumeroEsatti = 4;
        a->stato.NumeroErrati = 12;
        FormEsercizio *f = apriStandard(*a, 1);
        QCOMPARE(f->windowTitle(), QStringLiteral("Addizione"));
        QCOMPARE(f->bottoneRipeti()->toolTip(), QStringLiteral("Ripeti la frase"));
        QCOMPARE(f->bottoneRipeti()->accessibleName(), QStringLiteral("Ripeti la frase"));
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 4"));
        QCOMPARE(f->errati()->text(), QStringLiteral(" 12"));
        QCOMPARE(f->frameGeometry().size(), QSize(1024, 768));
        QCOMPARE(f->sfondo()->geometry(), QRect(QPoint(0, 0), f->client()->size()));
        QVERIFY(a->stato.Ridimensiona);
        QCOMPARE(a->stato.Ridimensiona->SourceForm(), f);
        // Scaled with the screen: the cells grow with the display.
        QVERIFY(f->cella(0)->width() > 87);
        QVERIFY(f->iconaSi()->isVisibleTo(f));
        QVERIFY(!f->iconaNo()->isVisibleTo(f));
        // The text grows with the screen (the design is 629 pixels wide).
        QVERIFY(f->domanda(0)->font().pointSizeF() > 13.5 * 1.4);
        QVERIFY(f->bottoneCifra(0)->font().pointSizeF() > 14.25 * 1.4);
        // Icons drawn from the 64-pixel pictures at this size, filling their place.
        if (QFile::exists(a->programma.filePath(QStringLiteral("icone/si@2x.png")))) {
            auto *si = static_cast<IconaScalata *>(f->iconaSi());
            QCOMPARE(si->sorgenteUsata(), 2);
            QVERIFY(si->pixmap().height() >= si->height() - 2 || si->pixmap().width() >= si->width() - 2);
            auto *ripeti = static_cast<BottoneIcona *>(f->bottoneRipeti());
            QCOMPARE(ripeti->sorgenteUsata(), 2);
            QVERIFY(ripeti->iconSize().height() > 64);
        }

        a->stato.ModoMisto = False;
        a->prossimo(2, 1, 7, 3);
        auto *g = a->registro.mostra(QStringLiteral("Form2"));
        QCOMPARE(g->windowTitle(), QStringLiteral("Sottrazione"));
        QCOMPARE(static_cast<FormEsercizio *>(g)->menuAzzera()->text(), QStringLiteral("Azzera"));
    }

    void tastiera_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("passo"); // right presses made first
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("passoDopo");
        QTest::addColumn<int>("errati");
        const int nulla = Qt::NoModifier, tastierino = Qt::KeypadModifier;
        QTest::newRow("3, main keys, right") << 1 << 0 << int(Qt::Key_3) << nulla << "3" << 1 << 0;
        QTest::newRow("3, keypad, right") << 1 << 0 << int(Qt::Key_3) << tastierino << "3" << 1 << 0;
        QTest::newRow("7, wrong") << 1 << 0 << int(Qt::Key_7) << nulla << "7" << 0 << 1;
        QTest::newRow("0, keypad, wrong") << 1 << 0 << int(Qt::Key_0) << tastierino << "0" << 0 << 1;
        QTest::newRow("+ at step 4, main keys")
            << 1 << 4 << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << "+" << 5 << 0;
        QTest::newRow("+ at step 4, keypad") << 1 << 4 << int(Qt::Key_Plus) << tastierino << "+" << 5 << 0;
        QTest::newRow("- at step 4 of addition") << 1 << 4 << int(Qt::Key_Minus) << nulla << "-" << 4 << 1;
        QTest::newRow("- at step 4 of subtraction, keypad")
            << 2 << 4 << int(Qt::Key_Minus) << tastierino << "-" << 5 << 0;
        QTest::newRow("+ at step 4 of subtraction") << 2 << 4 << int(Qt::Key_Plus) << nulla << "+" << 4 << 1;
        QTest::newRow("= at step 6") << 1 << 6 << int(Qt::Key_Equal) << int(Qt::ShiftModifier) << "=" << 7
                                     << 0;
        QTest::newRow("= at step 3") << 2 << 3 << int(Qt::Key_Equal) << nulla << "=" << 3 << 1;
        QTest::newRow("letter a: nothing") << 1 << 0 << int(Qt::Key_A) << nulla << "a" << 0 << 0;
        QTest::newRow("Escape: nothing") << 1 << 3 << int(Qt::Key_Escape) << nulla << "" << 3 << 0;
        QTest::newRow("Tab: nothing") << 1 << 0 << int(Qt::Key_Tab) << nulla << "\t" << 0 << 0;
        QTest::newRow("Enter with avanti hidden: nothing")
            << 1 << 7 << int(Qt::Key_Return) << nulla << "\r" << 7 << 0;
        QTest::newRow("keypad Enter with avanti hidden")
            << 2 << 2 << int(Qt::Key_Enter) << tastierino << "\r" << 2 << 0;
        QTest::newRow("asterisk: nothing") << 1 << 4 << int(Qt::Key_Asterisk) << tastierino << "*" << 4 << 0;
    }

    void tastiera()
    {
        QFETCH(int, schermo);
        QFETCH(int, passo);
        QFETCH(int, tasto);
        QFETCH(int, modificatori);
        QFETCH(QString, testo);
        QFETCH(int, passoDopo);
        QFETCH(int, errati);
        FormEsercizio *f = apriStandard(*a, schermo);
        for (int k = 0; k < passo; ++k)
            premi(f, sequenza(schermo).at(k));
        const qsizetype parlati = a->motore()->chiamate.size();
        QTest::keyClick(f, Qt::Key(tasto), Qt::KeyboardModifiers(modificatori));
        Q_UNUSED(testo);
        QCOMPARE(int(a->stato.Passo), passoDopo);
        QCOMPARE(int(a->stato.NumeroErrati), errati);
        if (passoDopo == passo && errati == 0)
            QCOMPARE(a->motore()->chiamate.size(), parlati);
    }

    void tastieraInvioSpazioERipetizione()
    {
        FormEsercizio *f = apriStandard(*a, 1);
        // Space: the repeat button.
        a->motore()->chiamate.clear();
        QTest::keyClick(f, Qt::Key_Space);
        QCOMPARE(
            a->motore()->chiamate,
            (QStringList {QStringLiteral("StopSpeech"), QStringLiteral("SpeakText:Quante palle ci sono?")}));
        // A key held down gives one press, not a stream.
        QKeyEvent tenuto(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
        QApplication::sendEvent(f, &tenuto);
        QCOMPARE(int(a->stato.NumeroErrati), 0);
        for (QChar t : sequenza(1))
            QTest::keyClick(f, tastoDi(t));
        QCOMPARE(int(a->stato.NumeroEsatti), 1);
        QVERIFY(f->bottoneAvanti()->isVisibleTo(f));
        // Enter: "avanti", now that it is shown.
        a->prossimo(1, 2, 4, 4);
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(int(a->stato.Passo), 0);
        QCOMPARE(int(a->stato.ProblemaCorrente), 2);
        QVERIFY(!f->bottoneAvanti()->isVisibleTo(f));
    }

    // Keys obey the lock of the buttons while a sentence is read.
    void tastieraBloccataMentreParla()
    {
        FormEsercizio *f = apriStandard(*a, 1);
        a->motore()->durataMs = 30;
        bool dentro = false;
        QTimer::singleShot(5, f, [&] {
            dentro = a->motore()->SpeakingStatus() != 0;
            QTest::keyClick(f, Qt::Key_9);
            QTest::keyClick(f, Qt::Key_Plus);
        });
        premi(f, u'3');
        QVERIFY(dentro);
        QCOMPARE(int(a->stato.NumeroErrati), 0);
        QCOMPARE(int(a->stato.Passo), 1);
    }

    void conteggiTraSchermiEMenu()
    {
        FormEsercizio *f = apriStandard(*a, 1);
        premi(f, u'8');
        for (QChar t : sequenza(1))
            premi(f, t);
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 1"));
        QCOMPARE(f->errati()->text(), QStringLiteral(" 1"));

        // Back to the menu: asked with message 0006.
        QPointer<FormEsercizio> vecchio = f;
        a->dialoghi.risposte << true;
        f->menuEsci()->trigger();
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QCOMPARE(a->dialoghi.finestre.at(0).tipo, QStringLiteral("domanda"));
        QCOMPARE(a->dialoghi.finestre.at(0).titolo, QStringLiteral("Numerella parlato"));
        QCOMPARE(a->dialoghi.finestre.at(0).testo, QStringLiteral("Vuoi tornare al menù?"));
        QVERIFY(a->registro.mostrato(QStringLiteral("FormMenu")));
        QVERIFY(!a->registro.caricato(QStringLiteral("Form1")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vecchio.isNull());
        QCOMPARE(a->senzaSchermi, 0);

        // The counts carry over to the other screen and to later visits.
        FormEsercizio *g = apriStandard(*a, 2);
        QCOMPARE(g->esatti()->text(), QStringLiteral(" 1"));
        QCOMPARE(g->errati()->text(), QStringLiteral(" 1"));
        for (QChar t : sequenza(2))
            premi(g, t);
        QCOMPARE(g->esatti()->text(), QStringLiteral(" 2"));
        a->dialoghi.risposte << true;
        g->menuEsci()->trigger();
        QCOMPARE(a->dialoghi.finestre.last().testo, QStringLiteral("Torni al menù dalla sottrazione?"));
        QVERIFY(!a->registro.caricato(QStringLiteral("Form2")));
        f = apriStandard(*a, 1);
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 2"));
        QCOMPARE(f->errati()->text(), QStringLiteral(" 1"));
    }

    void esciNo()
    {
        FormEsercizio *f = apriStandard(*a, 2);
        for (int k = 0; k < 5; ++k)
            premi(f, sequenza(2).at(k));
        const QString operazione = f->operazione()->text();
        a->dialoghi.risposte << false;
        f->menuEsci()->trigger();
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QVERIFY(a->registro.mostrato(QStringLiteral("Form2")));
        QVERIFY(!a->registro.caricato(QStringLiteral("FormMenu")));
        QCOMPARE(int(a->stato.Passo), 5);
        QCOMPARE(f->operazione()->text(), operazione);
        premi(f, u'3');
        QCOMPARE(int(a->stato.Passo), 6);
    }

    // The window's close button asks like the exit entry and never ends the run.
    void pulsanteChiudi()
    {
        FormEsercizio *f = apriStandard(*a, 1);
        a->dialoghi.risposte << false << true;
        f->close();
        QVERIFY(a->registro.mostrato(QStringLiteral("Form1")));
        QCOMPARE(a->terminazioni, 0);
        f->close();
        QVERIFY(a->registro.mostrato(QStringLiteral("FormMenu")));
        QVERIFY(!a->registro.caricato(QStringLiteral("Form1")));
        QCOMPARE(a->terminazioni, 0);
        QCOMPARE(a->dialoghi.tipi(), (QStringList {QStringLiteral("domanda"), QStringLiteral("domanda")}));
    }

    void informazioni()
    {
        FormEsercizio *f = apriStandard(*a, 2);
        f->menuInformazioni()->trigger();
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QCOMPARE(a->dialoghi.finestre.at(0).tipo, QStringLiteral("informazione"));
        QCOMPARE(a->dialoghi.finestre.at(0).titolo, QStringLiteral("Numerella parlato"));
        QVERIFY(a->dialoghi.finestre.at(0).testo.contains(QStringLiteral("Prova di informazioni")));
        QCOMPARE(int(a->stato.Passo), 0);
    }

    void azzeraDuranteProblema_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("passo");
        QTest::newRow("addition, step 2") << 1 << 2;
        QTest::newRow("subtraction, step 5") << 2 << 5;
        QTest::newRow("addition, finished") << 1 << 8;
    }

    void azzeraDuranteProblema()
    {
        QFETCH(int, schermo);
        QFETCH(int, passo);
        a->stato.NumeroEsatti = 6;
        FormEsercizio *f = apriStandard(*a, schermo);
        premi(f, u'9');
        premi(f, u'9');
        for (int k = 0; k < passo; ++k)
            premi(f, sequenza(schermo).at(k));
        const int passoPrima = a->stato.Passo;
        const QString operazione = f->operazione()->text();
        f->menuAzzera()->trigger();
        QCOMPARE(f->esatti()->text(), QStringLiteral("0"));
        QCOMPARE(f->errati()->text(), QStringLiteral("0"));
        QCOMPARE(int(a->stato.NumeroEsatti), 0);
        QCOMPARE(int(a->stato.NumeroErrati), 0);
        QCOMPARE(int(a->stato.Passo), passoPrima);
        QCOMPARE(f->operazione()->text(), operazione);
        premi(f, u'+' == sequenza(schermo).at(qMin(passo, 7)) ? u'=' : u'+');
        QCOMPARE(f->errati()->text(), QStringLiteral(" 1"));
        QCOMPARE(f->esatti()->text(), QStringLiteral("0"));
    }

    void conteggiSaturi_data()
    {
        QTest::addColumn<bool>("esatti");
        QTest::newRow("wrong count at 32767") << false;
        QTest::newRow("right count at 32767") << true;
    }

    // A count that would pass 32767 stays there instead of turning negative.
    void conteggiSaturi()
    {
        QFETCH(bool, esatti);
        a->stato.NumeroEsatti = 32766;
        a->stato.NumeroErrati = 32767;
        FormEsercizio *f = apriStandard(*a, 1);
        if (esatti) {
            for (QChar t : sequenza(1))
                premi(f, t);
            QCOMPARE(f->esatti()->text(), QStringLiteral(" 32767"));
            premi(f, u'5');
            QCOMPARE(int(a->stato.NumeroEsatti), 32767);
            QCOMPARE(f->esatti()->text(), QStringLiteral(" 32767"));
        } else {
            premi(f, u'9');
            QCOMPARE(int(a->stato.NumeroErrati), 32767);
            QCOMPARE(f->errati()->text(), QStringLiteral(" 32767"));
        }
    }

    void ripeti_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("n3");
        QTest::addColumn<int>("n1");
        QTest::addColumn<int>("passi");
        QTest::addColumn<QString>("testo");
        QTest::newRow("addition, first question") << 1 << 1 << 5 << 3 << 0 << "Quante palle ci sono?";
        QTest::newRow("subtraction, first question") << 2 << 1 << 7 << 3 << 0 << "Quante mele ci sono?";
        QTest::newRow("addition, after the prompt") << 1 << 1 << 5 << 3 << 3 << "Scrivi l'operazione!";
        QTest::newRow("addition, finished operation") << 1 << 1 << 5 << 3 << 8 << " 3 +  2 =  5";
        QTest::newRow("subtraction, closing sentence") << 2 << 1 << 7 << 3 << 8 << "7 meno 3 fa 4";
        // The 0007 prompt is not read, so the third answer is repeated,
        // accents and all (the repeat does not prepare the text).
        QTest::newRow("subtraction, after the 0007 prompt")
            << 2 << 1 << 7 << 6 << 3 << "Rimane una mela sola, perché Leo è sazio.";
        QTest::newRow("subtraction, mid operation") << 2 << 1 << 7 << 3 << 6 << "Rimangono  4 mele.";
    }

    void ripeti()
    {
        QFETCH(int, schermo);
        QFETCH(int, riga);
        QFETCH(int, n3);
        QFETCH(int, n1);
        QFETCH(int, passi);
        QFETCH(QString, testo);
        FormEsercizio *f = a->apri(schermo, riga, n3, n1);
        const int n2 = n3 - n1;
        auto d = [](int n) { return QString::number(n); };
        const QString seq = schermo == 1 ? d(n1) + d(n2) + d(n3) + d(n1) + u'+' + d(n2) + u'=' + d(n3)
                                         : d(n3) + d(n1) + d(n2) + d(n3) + u'-' + d(n1) + u'=' + d(n2);
        for (int k = 0; k < passi; ++k)
            premi(f, seq.at(k));
        a->motore()->chiamate.clear();
        const int passo = a->stato.Passo;
        QTest::mouseClick(f->bottoneRipeti(), Qt::LeftButton);
        QCOMPARE(a->motore()->chiamate,
                 (QStringList {QStringLiteral("StopSpeech"), QStringLiteral("SpeakText:") + testo}));
        QCOMPARE(int(a->stato.Passo), passo);
        // Not through the speech wait: nothing is locked.
        QVERIFY(f->bottoneCifra(0)->isEnabled());
    }

    // The repeat button inside a sentence's wait restarts it; the wait goes on
    // until the repeated sentence ends, then the step goes on.
    void ripetiMentreParla()
    {
        FormEsercizio *f = apriStandard(*a, 1);
        a->motore()->durataMs = 30;
        bool fatto = false;
        QTimer::singleShot(5, f, [&] {
            QVERIFY(!f->bottoneCifra(0)->isEnabled());
            QTest::mouseClick(f->bottoneRipeti(), Qt::LeftButton);
            fatto = true;
        });
        a->motore()->chiamate.clear();
        premi(f, u'3');
        QVERIFY(fatto);
        const QStringList attese {QStringLiteral("SpeakText:Ci sono  3 palle."), QStringLiteral("StopSpeech"),
                                  QStringLiteral("SpeakText:Ci sono  3 palle."),
                                  QStringLiteral("SpeakText:Quante stelle arrivano?")};
        QCOMPARE(a->motore()->chiamate, attese);
        QCOMPARE(int(a->stato.Passo), 1);
        QVERIFY(f->domanda(1)->isVisibleTo(f));
        QVERIFY(f->bottoneCifra(0)->isEnabled());
    }
};

QTEST_MAIN(TstEserciziSchermo)
#include "tst_esercizi_schermo.moc"
