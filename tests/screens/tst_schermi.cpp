// The screens' wiring: presses reach the problem and its outcomes the widgets, speech and sounds; a screen can
// be left or handed over at any moment, also mid-sentence; the menu opens screens, only its question ends the run.

#include "ambiente.h"
#include "barraparti.h"
#include "cellaanimata.h"
#include "cornice.h"
#include "form1.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// The answer sentences shown: the Passo, up to 3.
int risposte(FormEsercizio *f)
{
    int n = 0;
    for (int i = 1; i <= 3; ++i)
        n += f->controllo<QLabel>(u"Risposta%1"_qs.arg(i))->isVisibleTo(f);
    return n;
}

int celleVisibili(FormEsercizio *f)
{
    const auto celle = f->findChildren<CellaAnimata *>();
    return int(std::count_if(celle.begin(), celle.end(), [f](CellaAnimata *c) { return c->isVisibleTo(f); }));
}

// What the hints show: the line, the marked cells by their number, the bar, the marked key.
QString aiutiMostrati(FormEsercizio *f)
{
    QStringList v;
    if (f->controllo<QLabel>(u"EtAiuto"_qs)->isVisibleTo(f))
        v << u"riga"_qs;
    for (CellaAnimata *c : f->findChildren<CellaAnimata *>())
        if (!c->segno().isEmpty())
            v << u"c"_qs + c->segno();
    auto *barra = f->findChild<BarraParti *>();
    if (barra->isVisibleTo(f))
        v << u"[%1=%2+%3]"_qs.arg(barra->intero()).arg(barra->parte1()).arg(barra->parte2());
    for (Cornice *c : f->findChildren<Cornice *>())
        if (auto *b = qobject_cast<QPushButton *>(c->parent()); b && c->isVisibleTo(f))
            v << u"[%1]"_qs.arg(b->text().trimmed());
    return v.join(u' ');
}

} // namespace

class TestSchermi : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a;

    FormEsercizio *apri(int schermo, int riga, int n3, int n1, bool misto = false)
    {
        a->stato.ModoMisto = misto ? True : False;
        a->prossimo(schermo, riga, n3, n1);
        auto *f = qobject_cast<FormEsercizio *>(a->schermi.mostra(QStringLiteral("Form%1").arg(schermo)));
        a->quiete();
        return f;
    }

private Q_SLOTS:
    void init() { a = std::make_unique<Ambiente>(); }
    void cleanup() { a.reset(); }

    // One whole subtraction through the keyboard, on the real screen, in English with the shipped files.
    void problemaIntero()
    {
        a = std::make_unique<Ambiente>(Ambiente::datiProgramma(), u"English"_qs);
        FormEsercizio *f = apri(2, 1, 7, 3);
        QCOMPARE(f->controllo<QLabel>(u"Domanda1"_qs)->text(), a->stato.Testi2[0].domanda1);
        QCOMPARE(a->motore()->testi.value(0), preparaTesto(a->stato.Testi2[0].domanda1));
        for (char t : QByteArray("7347-3=4"))
            QTest::keyClick(f, t), a->quiete();

        QCOMPARE(a->stato.NumeroErrati, Integer(0));
        QCOMPARE(f->controllo<QLabel>(u"EtichettaEsatti"_qs)->text(), QStringLiteral(" 1"));
        QCOMPARE(a->suoni.suonati, QStringList(4, QStringLiteral("esatto")));
        QCOMPARE(a->motore()->testi.last(), u"7 minus 3 is 4"_qs);
        QCOMPARE(celleVisibili(f), 7);
        QVERIFY(f->controllo<QLabel>(u"Risposta3"_qs)->isVisibleTo(f)
                && f->controllo<QLabel>(u"EtOperazione"_qs)->isVisibleTo(f));
        QVERIFY(f->controllo<QPushButton>(u"Command2"_qs)->isVisibleTo(f)
                && f->controllo<QPushButton>(u"Command1"_qs, 9)->isEnabled());

        // Enter is "avanti" once it is shown.
        QTest::keyClick(f, Qt::Key_Return);
        a->quiete();
        QCOMPARE(risposte(f), 0);
        QVERIFY(!f->controllo<QPushButton>(u"Command2"_qs)->isVisibleTo(f));
    }

    // A wrong press shows and counts; a key held down gives one press, not a stream; the menu entries act.
    void pressioni()
    {
        FormEsercizio *f = apri(1, 1, 5, 3);
        QTest::mouseClick(f->controllo<QPushButton>(u"Command4"_qs), Qt::LeftButton);
        QVERIFY(f->controllo<QWidget>(u"ComandoIconaNo"_qs)->isVisibleTo(f)
                && !f->controllo<QWidget>(u"ComandoIconaSi"_qs)->isVisibleTo(f));
        QCOMPARE(f->controllo<QLabel>(u"EtichettaErrati"_qs)->text(), QStringLiteral(" 1"));
        QCOMPARE(a->suoni.suonati, QStringList{QStringLiteral("errato")});
        QKeyEvent tenuto(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
        QApplication::sendEvent(f, &tenuto);
        QTest::mouseClick(f->controllo<QPushButton>(u"Command1"_qs, 3), Qt::LeftButton);
        a->quiete();
        QCOMPARE(a->stato.NumeroErrati, Integer(1));
        QCOMPARE(risposte(f), 1);
        QVERIFY(f->controllo<QPushButton>(u"Command1"_qs, 5)->isEnabled());
        a->stato.CartellaStorie = u"testi/Propria"_qs; // what is true: the stories in use, no invented address
        f->controllo<QAction>(u"MenuInformazioni"_qs)->trigger();
        const QString informazioni = a->dialoghi.finestre.value(0).testo;
        QVERIFY(informazioni.contains(u"\r\nLe storie: "_qs + a->programma.path() + u"/testi/Propria\r\n"_qs)
                && !informazioni.contains(u'@'));
        f->controllo<QAction>(u"MenuAzzera"_qs)->trigger();
        QCOMPARE(f->controllo<QLabel>(u"EtichettaErrati"_qs)->text(), QStringLiteral("0"));
        QCOMPARE(risposte(f), 1); // the problem in progress goes on
    }

    // The hints reach the screen: the presses on 5 = 3 + 2, the engine silent for the last one, whose first
    // sentence is then ended: counting has marked the first picture, the bar and the key stay.
    void aiuti_data()
    {
        QTest::addColumn<bool>("acceso");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("counting together") << true << "99" << "riga c1";
        QTest::newRow("bar, key") << true << "325999" << "riga [5=3+2] [3]";
        QTest::newRow("off") << false << "325999" << "";
        // clang-format on
    }
    void aiuti()
    {
        QFETCH(bool, acceso);
        QFETCH(QString, tasti);
        a->stato.ClasseAlunni.aiuti = acceso;
        FormEsercizio *f = apri(1, 1, 5, 3);
        for (QChar t : tasti.chopped(1))
            QTest::keyClick(f, t.toLatin1()), a->quiete();
        a->motore()->muto = true;
        QTest::keyClick(f, tasti.back().toLatin1());
        a->motore()->finisciOra();
        QTEST(aiutiMostrati(f), "atteso");
    }

    // The screen's part in the runner's wait (its cases are tst_esecutore's): the addition's first answer (three
    // things at first, two arrive) is being read, the buttons and keys locked, when the row's event comes; then the
    // engine ends the sentence. Until then nothing more of the outcome is shown.
    void corsa_data()
    {
        QTest::addColumn<QString>("evento");
        QTest::addColumn<QString>("dopo"); // the screen on display
        QTest::addColumn<int>("celle"); // cells shown on Form1; -1: Form1 is gone
        QTest::addColumn<bool>("domanda2"); // Form1 went on to the second question, and read it
        // clang-format off
        QTest::newRow("ripeti") << "ripeti" << "Form1" << 5 << true;
        QTest::newRow("avanti") << "avanti" << "Form1" << 1 << false;
        QTest::newRow("esci") << "esci" << "FormMenu" << -1 << false;
        QTest::newRow("passaggio misto") << "misto" << "Form2" << -1 << false;
        QTest::newRow("schermo scaricato") << "scaricato" << "FormMenu" << -1 << false;
        // clang-format on
    }
    void corsa()
    {
        QFETCH(QString, evento);
        QPointer<FormEsercizio> f = apri(1, 1, 5, 3, evento == u"misto");
        const QString domanda2 = preparaTesto(f->controllo<QLabel>(u"Domanda2"_qs)->text());
        a->motore()->muto = true;
        QTest::keyClick(f, '3');
        QTest::keyClick(f, '9'); // the keys obey the lock too
        QVERIFY(!f->controllo<QPushButton>(u"Command1"_qs, 3)->isEnabled());
        if (evento == u"ripeti") {
            QTest::keyClick(f, Qt::Key_Space);
        } else if (evento == u"avanti" || evento == u"misto") {
            a->prossimo(evento == u"misto" ? 2 : 1, 2, 3, 1, evento == u"misto" ? 2 : 0);
            f->controllo<QPushButton>(u"Command2"_qs)->click();
        } else if (evento == u"esci") {
            a->dialoghi.risposte = {true};
            f->controllo<QAction>(u"mnuEsci"_qs)->trigger();
        } else if (evento == u"scaricato") {
            a->schermi.mostra(u"FormMenu"_qs);
            a->schermi.scarica(f);
        }
        QVERIFY(!f || !f->controllo<QLabel>(u"Domanda2"_qs)->isVisibleTo(f));
        QVERIFY(evento != u"ripeti" || a->motore()->testi.size() == 3); // the answer once more
        a->motore()->muto = false, a->motore()->finisciOra();
        QVERIFY(a->quiete());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTEST(a->mostrato()->objectName(), "dopo");
        QTEST(f ? celleVisibili(f) : -1, "celle");
        QTEST(f && f->controllo<QLabel>(u"Domanda2"_qs)->isVisibleTo(f), "domanda2");
        QTEST(a->motore()->testi.contains(domanda2), "domanda2"); // a screen sent away says nothing more of it
        QVERIFY(!f || f->controllo<QPushButton>(u"Command1"_qs, 3)->isEnabled());
        QCOMPARE(a->stato.NumeroErrati, Integer(0));
    }

    // The start button and the menu's buttons open their screen (only "misto" sets the mixed mode, only an
    // exercise's button clears it); an exercise screen asks its own question and goes back to the menu, the menu
    // asks whether to end the run, the start screen's window ends it without a question. Nothing writes the settings.
    void esci_data()
    {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("modo"); // a button; "esci": its way out; "chiusura": the window's close button
        QTest::addColumn<bool>("si");
        QTest::addColumn<QString>("domanda"); // empty: none asked
        QTest::addColumn<QString>("dopo"); // the screen shown after (a pattern); empty: the run ended
        QTest::addColumn<bool>("mistoPrima");
        QTest::addColumn<bool>("mistoDopo");
        const QString sott = u"Torni al menù dalla sottrazione?"_qs, fine = u"Vuoi proprio uscire da Numerella?"_qs;
        // clang-format off
        QTest::newRow("avvio") << "FormAvvio" << "BottoneAvvio" << false << "" << "FormMenu" << false << false;
        QTest::newRow("addizione") << "FormMenu" << "Command8" << false << "" << "Form1" << true << false;
        QTest::newRow("sottrazione") << "FormMenu" << "Command7" << false << "" << "Form2" << true << false;
        QTest::newRow("misto") << "FormMenu" << "Command2" << false << "" << "Form[12]" << false << true;
        QTest::newRow("voce: il modo resta") << "FormMenu" << "Command3" << false << "" << "FormImposta" << true << true;
        QTest::newRow("sottrazione, no") << "Form2" << "esci" << false << sott << "Form2" << false << false;
        QTest::newRow("sottrazione, si") << "Form2" << "esci" << true << sott << "FormMenu" << false << false;
        QTest::newRow("sottrazione, chiusura") << "Form2" << "chiusura" << true << sott << "FormMenu" << false << false;
        QTest::newRow("menu, no") << "FormMenu" << "esci" << false << fine << "FormMenu" << false << false;
        QTest::newRow("menu, si") << "FormMenu" << "esci" << true << fine << "" << false << false;
        QTest::newRow("menu, chiusura, no") << "FormMenu" << "chiusura" << false << fine << "FormMenu" << false << false;
        QTest::newRow("menu, chiusura, si") << "FormMenu" << "chiusura" << true << fine << "" << false << false;
        QTest::newRow("avvio, chiusura") << "FormAvvio" << "chiusura" << true << "" << "" << false << false;
        // clang-format on
    }

    void esci()
    {
        QFETCH(QString, schermo);
        QFETCH(QString, modo);
        QFETCH(QString, domanda);
        QFETCH(QString, dopo);
        QFETCH(bool, mistoPrima);
        QPointer<Schermo> s = schermo == u"Form2"_qs ? apri(2, 1, 5, 3) : a->schermi.mostra(schermo);
        a->stato.ModoMisto = mistoPrima ? True : False;
        QFETCH(bool, si);
        a->dialoghi.risposte = {si};
        if (modo == u"chiusura"_qs)
            s->close();
        else if (auto *f = qobject_cast<FormEsercizio *>(s.data()))
            f->controllo<QAction>(u"mnuEsci"_qs)->trigger();
        else
            QTest::mouseClick(s->controllo<QPushButton>(modo == u"esci"_qs ? u"Command1"_qs : modo), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList chiesto;
        for (const auto &d : std::as_const(a->dialoghi.finestre))
            chiesto << d.tipo + u':' + d.testo;
        QCOMPARE(chiesto, domanda.isEmpty() ? QStringList() : QStringList{u"domanda:"_qs + domanda});
        QCOMPARE(a->terminati, dopo.isEmpty() ? QList<int>{0} : QList<int>{});
        if (!dopo.isEmpty()) {
            QVERIFY(QRegularExpression(u"^%1$"_qs.arg(dopo)).match(a->mostrato()->objectName()).hasMatch());
            QCOMPARE(s.isNull(), dopo != schermo);
        }
        QTEST(a->stato.ModoMisto == True, "mistoDopo");
        QVERIFY(s || domanda.isEmpty() || a->motore()->chiamate.contains(u"StopSpeech"_qs)); // left when asked: silent
        QVERIFY(!QFile::exists(a->stato.FileImpostazioni));
    }
};

QTEST_MAIN(TestSchermi)
#include "tst_schermi.moc"
