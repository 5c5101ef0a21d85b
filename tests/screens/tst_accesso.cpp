// Switch access on the real screens: each screen a child uses scans its buttons in the child's order, the highlight
// holding the focus and wearing the frame; on an exercise screen one switch waits while a sentence is read, says
// each button, and its choice reaches the problem; the exit question scans its buttons; with pointer and keys
// nothing scans.

#include "accesso.h"
#include "ambiente.h"
#include "cornicescansione.h"
#include "dialoghi.h"
#include "orologiofinto.h"
#include "scansioneschermo.h"

#include <QtWidgets>

namespace {
QString nome(QWidget *w)
{
    if (!w)
        return QStringLiteral("nessuno");
    const QVariant i = w->property("index");
    return w->objectName() + (i.isValid() ? QStringLiteral("(%1)").arg(i.toInt()) : QString());
}

// A switch's key, where the keyboard's focus is.
void premi(QWidget *finestra, Qt::Key tasto)
{
    QTest::keyClick(finestra->focusWidget() ? finestra->focusWidget() : finestra, tasto);
}

// The frame is at least 6 pixels wide and lies all round the highlighted button.
bool incorniciato(QWidget *finestra, ScansioneSchermo *s)
{
    const CorniceScansione *c = s->cornice();
    QWidget *b = s->evidenziato();
    const QRect r(b->mapTo(finestra, QPoint(0, 0)), b->size());
    return c->isVisible() && c->spessore() >= 6 && c->geometry().contains(r) && finestra->focusWidget() == b;
}
} // namespace

class TstAccesso : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a;
    OrologioFinto orologio;

    ScansioneSchermo *apri(const QString &schermo, Classe::Accesso accesso)
    {
        a->stato.ClasseAlunni.accesso = accesso;
        a->prossimo(1, 1, 5, 3);
        Schermo *s = a->schermi.mostra(schermo);
        a->quiete();
        auto *scansione = s->findChild<ScansioneSchermo *>();
        if (scansione)
            scansione->usaOrologio(orologio);
        return scansione;
    }

private Q_SLOTS:
    void init()
    {
        a = std::make_unique<Ambiente>(Ambiente::datiProgramma(), QStringLiteral("Italiano"));
        a->stato.ClasseAlunni.alunni = {{QStringLiteral("Ada"), QStringLiteral("mela.gif")}};
    }
    void cleanup() { a.reset(); }

    // Two switches: Space goes round the targets once and back to the first.
    void giro_data()
    {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("tasti"); // typed first
        QTest::addColumn<QString>("giro");
        QString cifre;
        for (int i = 0; i < 10; ++i)
            cifre += QStringLiteral("Command1(%1) ").arg(i);
        // clang-format off
        QTest::newRow("start") << "FormAvvio" << "" << "BottoneAvvio";
        QTest::newRow("menu, top to bottom") << "FormMenu" << "" << "Command8 Command7 Command2 Command3 Command1";
        QTest::newRow("who plays") << "FormChiGioca" << "" << "BottoneAlunno(0) BottoneOspite";
        QTest::newRow("voice, the way back") << "FormImposta" << "" << "Bocca BottoneEsci";
        QTest::newRow("addition, no \"avanti\" yet") << "Form1" << "" << cifre + "Command3 Command4 Command5 Command6";
        QTest::newRow("addition done: \"avanti\" over the keys") << "Form1" << "3253+2=5" << "Command6 Command2";
        // clang-format on
    }
    void giro()
    {
        QFETCH(QString, schermo);
        QFETCH(QString, tasti);
        QFETCH(QString, giro);
        ScansioneSchermo *s = apri(schermo, Classe::Accesso::DuePulsanti);
        QVERIFY(s);
        QWidget *finestra = a->schermi.caricato(schermo);
        for (QChar t : tasti)
            QTest::keyClick(finestra, t.toLatin1()), a->quiete();
        s->aggiorna();
        QStringList visti;
        for (int i = 0; i <= giro.count(u' ') + 1; ++i) {
            QVERIFY2(incorniciato(finestra, s), qPrintable(nome(s->evidenziato())));
            visti << nome(s->evidenziato());
            premi(finestra, Qt::Key_Space);
            orologio.ms += 300;
        }
        QCOMPARE(visti.join(u' '), giro + u' ' + giro.section(u' ', 0, 0));
        QVERIFY(a->schermi.caricato(schermo)); // Space chose nothing
    }

    // One switch on the addition: the scan waits for the first question, then says each button as it comes; the
    // choice is a press of the problem, and the sentence to hear again stays the question.
    void unPulsante()
    {
        a->stato.ClasseAlunni.leggiPulsante = true;
        a->motore()->muto = true;
        a->stato.ClasseAlunni.accesso = Classe::Accesso::UnPulsante;
        a->prossimo(1, 1, 5, 3);
        Schermo *f = a->schermi.mostra(QStringLiteral("Form1"));
        auto *s = f->findChild<ScansioneSchermo *>();
        s->usaOrologio(orologio);
        orologio.ms += 3000;
        s->aggiorna();
        QVERIFY(!s->cornice()->isVisible());
        premi(f, Qt::Key_Return);
        QCOMPARE(a->stato.NumeroErrati, Integer(0));
        const QString domanda = a->parla.TestoDaDire;
        a->motore()->finisciOra();
        a->quiete();
        s->aggiorna(); // the unlock, seen at once
        QCOMPARE(nome(s->evidenziato()), QStringLiteral("Command1(0)"));
        orologio.ms += 1500;
        s->aggiorna();
        QVERIFY(incorniciato(f, s));
        QCOMPARE(nome(s->evidenziato()), QStringLiteral("Command1(1)"));
        QCOMPARE(a->motore()->testi.mid(1), (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
        // Held down since before: its repeats are no press; once let go, the next is.
        QKeyEvent giu(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(f->focusWidget(), &giu);
        QCOMPARE(a->stato.NumeroErrati, Integer(0));
        QTest::keyRelease(f->focusWidget(), Qt::Key_Space);
        orologio.ms += 300;
        premi(f, Qt::Key_Space);
        QCOMPARE(a->stato.NumeroErrati, Integer(1));
        QCOMPARE(nome(s->evidenziato()), QStringLiteral("Command1(0)"));
        QCOMPARE(a->parla.TestoDaDire, domanda);
    }

    // The exit question: its buttons are big enough for a finger, and Space then Enter answers No.
    void domanda()
    {
        a->stato.ClasseAlunni.accesso = Classe::Accesso::DuePulsanti;
        DialoghiQt dialoghi;
        QStringList presi;
        dialoghi.allaDomanda = [&](QMessageBox &box, const QList<QAbstractButton *> &bottoni) {
            attivaScansione(*a->c, a->stato.ClasseAlunni, &box, bottoni);
        };
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            auto *s = box->findChild<ScansioneSchermo *>();
            if (!s)
                return box->reject();
            s->usaOrologio(orologio);
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
                presi << QStringLiteral("%1x%2").arg(b->width() >= 44).arg(b->height() >= 44);
            presi << QString::number(s->evidenziato() == box->button(QMessageBox::Yes));
            premi(box, Qt::Key_Space);
            orologio.ms += 300;
            presi << QString::number(s->evidenziato() == box->button(QMessageBox::No) && incorniciato(box, s));
            premi(box, Qt::Key_Return);
        });
        QVERIFY(!dialoghi.domanda(nullptr, QStringLiteral("Numerella"), QStringLiteral("Esci?")));
        QCOMPARE(presi.join(u' '), QStringLiteral("1x1 1x1 1 1"));
    }

    // With pointer and keys no screen scans.
    void tastiera()
    {
        for (const char *s : {"FormAvvio", "FormMenu", "FormChiGioca", "Form1"})
            QVERIFY(!apri(QString::fromLatin1(s), Classe::Accesso::Tastiera));
    }
};

QTEST_MAIN(TstAccesso)
#include "tst_accesso.moc"
