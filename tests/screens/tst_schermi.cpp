// The screens' wiring: presses reach the problem and its outcomes the widgets, speech and sounds; a screen can
// be left or handed over at any moment, also mid-sentence; the menu opens screens, only its question ends the run.

#include "ambiente.h"
#include "cellaanimata.h"
#include "form1.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <functional>

namespace {

// Runs `azione` inside the wait for the sentence being read, then ends it.
void durante(MotoreFinto *m, const std::function<void()> &azione)
{
    m->muto = true;
    QTimer::singleShot(0, m, [m, azione] {
        m->muto = false; // what the action says ends by itself
        azione();
        m->finisciOra();
    });
}

int celleVisibili(FormEsercizio *f)
{
    const auto celle = f->findChildren<CellaAnimata *>();
    return int(std::count_if(celle.begin(), celle.end(), [f](CellaAnimata *c) { return c->isVisibleTo(f); }));
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
        return qobject_cast<FormEsercizio *>(a->registro.mostra(QStringLiteral("Form%1").arg(schermo)));
    }

private Q_SLOTS:
    void init() { a = std::make_unique<Ambiente>(); }
    void cleanup() { a.reset(); }

    // One whole subtraction through the keyboard, on the real screen, in English with the shipped files.
    void problemaIntero()
    {
        a = std::make_unique<Ambiente>(Ambiente::datiProgramma(), u"English"_qs);
        FormEsercizio *f = apri(2, 1, 7, 3);
        QCOMPARE(f->domanda(0)->text(), a->stato.Testi2[0].domanda1);
        QCOMPARE(a->motore()->testi.value(0), preparaTesto(a->stato.Testi2[0].domanda1));
        for (char t : QByteArray("7347-3=4"))
            QTest::keyClick(f, t);

        QCOMPARE(a->stato.NumeroErrati, Integer(0));
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 1"));
        QCOMPARE(a->suoni.suonati, QStringList(4, QStringLiteral("esatto")));
        QCOMPARE(a->motore()->testi.last(), u"7 minus 3 is 4"_qs);
        QCOMPARE(celleVisibili(f), 7);
        QVERIFY(f->risposta(2)->isVisibleTo(f) && f->operazione()->isVisibleTo(f));
        QVERIFY(f->bottoneAvanti()->isVisibleTo(f) && f->bottoneCifra(9)->isEnabled());

        // Enter is "avanti" once it is shown.
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(f->problema().passo(), 0);
        QVERIFY(!f->bottoneAvanti()->isVisibleTo(f));
    }

    // A wrong press shows and counts; a key held down gives one press, not a stream. While a sentence is read the
    // answer buttons and keys are locked, the repeat button speaks it again; after it they are free again.
    void pressioni()
    {
        FormEsercizio *f = apri(1, 1, 5, 3);
        QTest::mouseClick(f->bottoneMeno(), Qt::LeftButton);
        QVERIFY(f->iconaNo()->isVisibleTo(f) && !f->iconaSi()->isVisibleTo(f));
        QCOMPARE(f->errati()->text(), QStringLiteral(" 1"));
        QCOMPARE(a->suoni.suonati, QStringList{QStringLiteral("errato")});
        QKeyEvent tenuto(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
        QApplication::sendEvent(f, &tenuto);
        bool bloccati = false;
        durante(a->motore(), [&] {
            bloccati
                = !f->bottoneCifra(5)->isEnabled() && !f->bottonePiu()->isEnabled() && !f->bottoneUguale()->isEnabled();
            QTest::keyClick(f, Qt::Key_9);
            a->motore()->chiamate.clear();
            QTest::keyClick(f, Qt::Key_Space);
        });
        QTest::mouseClick(f->bottoneCifra(3), Qt::LeftButton);
        QVERIFY(bloccati);
        QCOMPARE(a->stato.NumeroErrati, Integer(1));
        QCOMPARE(a->motore()->chiamate.value(0), QStringLiteral("StopSpeech"));
        QCOMPARE(a->motore()->chiamate.value(1), QStringLiteral("SpeakText:") + a->stato.Testi1[0].risposta1.per(3));
        QCOMPARE(f->problema().passo(), 1);
        QVERIFY(f->bottoneCifra(5)->isEnabled());
        a->stato.CartellaStorie = u"testi/Propria"_qs; // what is true: the stories in use, no invented address
        f->menuInformazioni()->trigger();
        const QString informazioni = a->dialoghi.finestre.value(0).testo;
        QVERIFY(informazioni.contains(u"\r\nLe storie: "_qs + a->programma.path() + u"/testi/Propria\r\n"_qs)
                && !informazioni.contains(u'@'));
        f->menuAzzera()->trigger();
        QCOMPARE(f->errati()->text(), QStringLiteral("0"));
        QCOMPARE(f->problema().passo(), 1); // the problem in progress goes on
    }

    // "avanti" in the mixed mode while the finished operation is read: the other screen starts inside that wait,
    // and nothing of the finished problem's outcome runs after it.
    void avantiMentreParla()
    {
        FormEsercizio *f = apri(2, 1, 5, 3, true);
        for (char t : QByteArray("5325-3="))
            QTest::keyClick(f, t);
        QPointer<FormEsercizio> vecchio = f;
        durante(a->motore(), [&] {
            a->prossimo(1, 2, 3, 1, 2);
            QTest::mouseClick(f->bottoneAvanti(), Qt::LeftButton);
        });
        QTest::keyClick(f, '2');
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto *dopo = qobject_cast<FormEsercizio *>(a->registro.caricato(QStringLiteral("Form1")));
        QVERIFY(dopo && dopo->isVisible() && vecchio.isNull());
        QCOMPARE(dopo->problema().riga(), 2);
        QCOMPARE(dopo->problema().passo(), 0);
        QVERIFY(!dopo->bottoneAvanti()->isVisibleTo(dopo) && !dopo->operazione()->isVisibleTo(dopo));
        QCOMPARE(a->stato.NumeroEsatti, Integer(1));
        QVERIFY(dopo->bottoneCifra(9)->isEnabled());
    }

    // A screen reader can press the hidden "avanti" while a subtraction's first question is read, before its
    // things are shown: the new problem shows its own things, and none of the old one's come after them.
    void avantiNascostoMentreLaPrimaDomanda()
    {
        a->prossimo(2, 1, 7, 3);
        // Once the first question is read (loading lets events run before).
        bool premuto = false;
        connect(a->motore(), &MotoreVoce::statoCambiato, this, [&](bool parla) {
            if (!parla || std::exchange(premuto, true))
                return;
            a->prossimo(2, 2, 2, 1);
            qobject_cast<FormEsercizio *>(a->registro.caricato(QStringLiteral("Form2")))->bottoneAvanti()->click();
        });
        auto *f = qobject_cast<FormEsercizio *>(a->registro.mostra(QStringLiteral("Form2")));
        QCOMPARE(f->problema().riga(), 2);
        QCOMPARE(celleVisibili(f), 2);
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
        QTest::newRow("sottrazione, si mentre parla") << "Form2" << "mentre parla" << true << sott << "FormMenu" << false << false;
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
        QPointer<Schermo> s = schermo == u"Form2"_qs ? apri(2, 1, 5, 3) : a->registro.mostra(schermo);
        a->stato.ModoMisto = mistoPrima ? True : False;
        QFETCH(bool, si);
        a->dialoghi.risposte = {si};
        auto esci = [&] {
            if (modo == u"chiusura"_qs)
                s->close();
            else if (auto *f = qobject_cast<FormEsercizio *>(s.data()))
                f->menuEsci()->trigger();
            else
                QTest::mouseClick(qobject_cast<QPushButton *>(s->controllo(modo == u"esci"_qs ? u"Command1"_qs : modo)),
                                  Qt::LeftButton);
        };
        if (modo == u"mentre parla"_qs) {
            durante(a->motore(), esci);
            QTest::keyClick(s, Qt::Key_5);
        } else {
            esci();
        }
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
