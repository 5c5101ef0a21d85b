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

namespace {

QString nome(int schermo)
{
    return QStringLiteral("Form%1").arg(schermo);
}

Qt::Key tastoDi(QChar t)
{
    return t.isDigit() ? Qt::Key(Qt::Key_0 + t.digitValue())
                       : (t == u'+'       ? Qt::Key_Plus
                              : t == u'-' ? Qt::Key_Minus
                                          : Qt::Key_Equal);
}

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

void clicca(Schermo *s, const QString &nome)
{
    QTest::mouseClick(qobject_cast<QPushButton *>(s->controllo(nome)), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        return qobject_cast<FormEsercizio *>(a->registro.mostra(nome(schermo)));
    }

private Q_SLOTS:
    void init() { a = std::make_unique<Ambiente>(); }
    void cleanup() { a.reset(); }

    void problemaIntero_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<int>("n3");
        QTest::addColumn<int>("n1");
        QTest::addColumn<QString>("finale");
        QTest::newRow("addizione") << "Prova" << 1 << "5055+0=5" << 5 << 5 << " 5 +  0 =  5";
        QTest::newRow("sottrazione") << "Prova" << 2 << "7347-3=4" << 7 << 3 << "7 meno 3 fa 4";
        QTest::newRow("sottrazione in inglese") << "English" << 2 << "7347-3=4" << 7 << 3 << "7 minus 3 is 4";
    }

    // One whole problem through the keyboard, on the real screen.
    void problemaIntero()
    {
        QFETCH(QString, lingua);
        QFETCH(int, schermo);
        QFETCH(QString, tasti);
        QFETCH(int, n3);
        QFETCH(int, n1);
        QFETCH(QString, finale);
        // The shipped stories and language file, as the program has them.
        if (lingua != QLatin1String("Prova"))
            a = std::make_unique<Ambiente>(Ambiente::datiProgramma(), lingua);
        FormEsercizio *f = apri(schermo, 1, n3, n1);
        const Storia &s = (schermo == 1 ? a->stato.Testi1 : a->stato.Testi2)[0];
        QCOMPARE(f->domanda(0)->text(), s.domanda1);
        QCOMPARE(a->motore()->testi.value(0), preparaTesto(s.domanda1));
        for (QChar t : tasti)
            QTest::keyClick(f, tastoDi(t));

        QCOMPARE(a->stato.NumeroErrati, Integer(0));
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 1"));
        QCOMPARE(a->suoni.suonati, QStringList(4, QStringLiteral("esatto")));
        QCOMPARE(a->motore()->testi.last(), finale);
        QCOMPARE(celleVisibili(f), n3);
        QVERIFY(f->risposta(2)->isVisibleTo(f) && f->operazione()->isVisibleTo(f));
        QVERIFY(f->bottoneAvanti()->isVisibleTo(f) && f->bottoneCifra(9)->isEnabled());

        // Enter is "avanti" once it is shown.
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(f->problema().passo(), 0);
        QVERIFY(!f->bottoneAvanti()->isVisibleTo(f));
    }

    void pressioneSbagliata()
    {
        FormEsercizio *f = apri(1, 1, 5, 3);
        QTest::mouseClick(f->bottoneMeno(), Qt::LeftButton);
        QVERIFY(f->iconaNo()->isVisibleTo(f) && !f->iconaSi()->isVisibleTo(f));
        QCOMPARE(f->errati()->text(), QStringLiteral(" 1"));
        QCOMPARE(a->suoni.suonati, QStringList{QStringLiteral("errato")});
        // A key held down gives one press, not a stream.
        QKeyEvent tenuto(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
        QApplication::sendEvent(f, &tenuto);
        f->menuInformazioni()->trigger(); // what is true: no invented address
        const QString informazioni = a->dialoghi.finestre.value(0).testo;
        QVERIFY(informazioni.contains(a->programma.path() + QStringLiteral("/testi")) && !informazioni.contains(u'@'));
        f->menuAzzera()->trigger();
        QCOMPARE(f->errati()->text(), QStringLiteral("0"));
        QCOMPARE(f->problema().passo(), 0); // the problem in progress goes on
    }

    // While a sentence is read the answer buttons and keys are locked; the repeat button speaks it again.
    void bloccatiMentreParla()
    {
        FormEsercizio *f = apri(1, 1, 5, 3);
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
        QCOMPARE(a->stato.NumeroErrati, Integer(0));
        QCOMPARE(a->motore()->chiamate.value(0), QStringLiteral("StopSpeech"));
        QCOMPARE(a->motore()->chiamate.value(1), QStringLiteral("SpeakText:") + a->stato.Testi1[0].risposta1.per(3));
        QCOMPARE(f->problema().passo(), 1);
        QVERIFY(f->bottoneCifra(5)->isEnabled());
    }

    void avantiMentreParla_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<bool>("altroSchermo");
        QTest::newRow("misto, da addizione a sottrazione") << 1 << true;
        QTest::newRow("misto, da sottrazione ad addizione") << 2 << true;
    }

    // "avanti" while the finished operation is read: the new problem (or the other screen) starts inside
    // that wait, and nothing of the finished problem's outcome runs after it.
    void avantiMentreParla()
    {
        QFETCH(int, schermo);
        QFETCH(bool, altroSchermo);
        FormEsercizio *f = apri(schermo, 1, 5, 3, altroSchermo);
        const QString tasti = schermo == 1 ? QStringLiteral("3253+2=5") : QStringLiteral("5325-3=2");
        for (int k = 0; k < 7; ++k)
            QTest::keyClick(f, tastoDi(tasti[k]));
        QPointer<FormEsercizio> vecchio = f;
        const int altro = altroSchermo ? 3 - schermo : schermo;
        durante(a->motore(), [&] {
            // The hand-over draw, then the new problem's draws.
            const int nt = int((altro == 1 ? a->stato.Testi1 : a->stato.Testi2).size());
            a->steera([&](Casuale &c) {
                return (!altroSchermo || c.estrai(2) == 2) && c.estrai(nt) == 2 && c.estrai(9) == 3 && c.estrai(3) == 1;
            });
            QTest::mouseClick(f->bottoneAvanti(), Qt::LeftButton);
        });
        QTest::keyClick(f, tastoDi(tasti[7]));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto *dopo = qobject_cast<FormEsercizio *>(a->registro.caricato(nome(altro)));
        QVERIFY(dopo && dopo->isVisible());
        QCOMPARE(vecchio.isNull(), altroSchermo);
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

    void esci_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("mentreParla");
        QTest::addColumn<bool>("chiusura"); // the window's close button instead of the menu
        QTest::newRow("no") << false << false << false;
        QTest::newRow("si") << true << false << false;
        QTest::newRow("si mentre parla") << true << true << false;
        QTest::newRow("chiusura della finestra") << true << false << true;
    }

    void esci()
    {
        QFETCH(bool, si);
        QFETCH(bool, mentreParla);
        QFETCH(bool, chiusura);
        QPointer<FormEsercizio> f = apri(2, 1, 5, 3);
        a->dialoghi.risposte << si;
        auto esci = [&] {
            if (chiusura)
                f->close();
            else
                f->menuEsci()->trigger();
        };
        if (mentreParla) {
            durante(a->motore(), esci);
            QTest::keyClick(f, Qt::Key_5);
        } else {
            esci();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QCOMPARE(a->dialoghi.finestre[0].testo, QStringLiteral("Torni al menù dalla sottrazione?"));
        QCOMPARE(f.isNull(), si);
        QCOMPARE(a->mostrato()->objectName(), si ? QStringLiteral("FormMenu") : QStringLiteral("Form2"));
        if (si)
            QVERIFY(a->motore()->chiamate.contains(QStringLiteral("StopSpeech")));
        QVERIFY(a->terminati.isEmpty());
    }

    void bottoni_data()
    {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<bool>("mistoPrima");
        QTest::addColumn<QString>("apre");
        QTest::addColumn<bool>("mistoDopo");
        // clang-format off
        QTest::newRow("avvio") << "FormAvvio" << "BottoneAvvio" << false << "FormMenu" << false;
        QTest::newRow("addizione") << "FormMenu" << "Command8" << true << "Form1" << false;
        QTest::newRow("sottrazione") << "FormMenu" << "Command7" << true << "Form2" << false;
        QTest::newRow("misto") << "FormMenu" << "Command2" << false << "Form[12]" << true;
        QTest::newRow("voce: il modo resta") << "FormMenu" << "Command3" << true << "FormImposta" << true;
        // clang-format on
    }

    void bottoni()
    {
        QFETCH(QString, schermo);
        QFETCH(QString, bottone);
        QFETCH(bool, mistoPrima);
        QFETCH(QString, apre);
        QFETCH(bool, mistoDopo);
        QPointer<Schermo> menu = a->registro.mostra(schermo);
        a->stato.ModoMisto = mistoPrima ? True : False;
        clicca(menu, bottone);
        QVERIFY(menu.isNull());
        QVERIFY(QRegularExpression(QStringLiteral("^%1$").arg(apre)).match(a->mostrato()->objectName()).hasMatch());
        QCOMPARE(a->stato.ModoMisto, mistoDopo ? True : False);
    }

    void esciDalMenu_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("chiusura"); // the window's close button instead of "Esci"
        QTest::newRow("no") << false << false;
        QTest::newRow("si") << true << false;
        QTest::newRow("chiusura, no") << false << true;
        QTest::newRow("chiusura, si") << true << true;
    }

    void esciDalMenu()
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

QTEST_MAIN(TestSchermi)
#include "tst_schermi.moc"
