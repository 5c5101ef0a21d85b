#include "motorefinto.h"
#include "perparlare.h"
#include "registroschermi.h"
#include "schermo.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The hidden screen holding the engine, as FormBocca does.
class BoccaDiProva : public Schermo, public PortatoreMotore
{
public:
    explicit BoccaDiProva(MotoreVoce *m)
        : Schermo(QStringLiteral("FormBocca"), 1500, 1500)
        , m_m(m)
    {
    }
    MotoreVoce &Bocca() override { return *m_m; }

private:
    MotoreVoce *m_m;
};

// A bare exercise screen with the buttons Parla locks and the two it must
// leave alone.
Schermo *esercizio(const QString &nome)
{
    auto *s = new Schermo(nome, 9000, 7000);
    for (int i = 0; i <= 9; ++i)
        s->aggiungi(new QPushButton(s->client()), QStringLiteral("Command1"), i);
    for (int n = 2; n <= 6; ++n)
        s->aggiungi(new QPushButton(s->client()), QStringLiteral("Command%1").arg(n));
    return s;
}

const QStringList bloccati = [] {
    QStringList l;
    for (int i = 0; i <= 9; ++i)
        l << QStringLiteral("Command1(%1)").arg(i);
    l << QStringLiteral("Command3") << QStringLiteral("Command4") << QStringLiteral("Command5");
    return l;
}();

QWidget *bottone(Schermo *s, const QString &chiave)
{
    const int p = int(chiave.indexOf(u'('));
    if (p < 0)
        return qobject_cast<QWidget *>(s->controllo(chiave));
    return qobject_cast<QWidget *>(s->controllo(chiave.left(p), chiave.mid(p + 1).chopped(1).toInt()));
}

// The names of the enabled buttons among the locked set.
QStringList abilitati(Schermo *s)
{
    QStringList l;
    for (const QString &k : bloccati) {
        if (bottone(s, k)->isEnabled())
            l << k;
    }
    return l;
}

void impostaTutti(Schermo *s, bool abilitato)
{
    for (const QString &k : bloccati)
        bottone(s, k)->setEnabled(abilitato);
}

} // namespace

class TestParla : public QObject
{
    Q_OBJECT
    RegistroSchermi *registro = nullptr;
    MotoreFinto *motore = nullptr;
    PerParlare *parla = nullptr;

private Q_SLOTS:
    void init()
    {
        registro = new RegistroSchermi;
        motore = new MotoreFinto;
        motore->msPerCarattere = 2;
        registro->registra(QStringLiteral("FormBocca"), [this] { return new BoccaDiProva(motore); });
        registro->registra(QStringLiteral("Form1"), [] { return esercizio(QStringLiteral("Form1")); });
        registro->registra(QStringLiteral("Form2"), [] { return esercizio(QStringLiteral("Form2")); });
        parla = new PerParlare(*registro);
    }
    void cleanup()
    {
        registro->scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete parla;
        delete registro;
        delete motore;
    }

    void testoVuotoNonFaNulla()
    {
        Schermo *f1 = registro->mostra(QStringLiteral("Form1"));
        impostaTutti(f1, true);
        bottone(f1, QStringLiteral("Command1(4)"))->setEnabled(false);
        parla->Parla();
        QVERIFY(motore->chiamate.isEmpty());
        QCOMPARE(abilitati(f1).size(), bloccati.size() - 1);
        QVERIFY(!registro->caricato(QStringLiteral("FormBocca")));
    }

    void testoPreparatoETestoDaDireIntatto()
    {
        parla->TestoDaDire = QStringLiteral("Città è bella & cara");
        parla->Parla();
        QCOMPARE(motore->testi, QStringList{QStringLiteral("Citta' e' bella e commerciale cara")});
        QCOMPARE(parla->TestoDaDire, QStringLiteral("Città è bella & cara"));
        QCOMPARE(motore->SpeakingStatus(), 0);
        // FormBocca is created by the first use and stays hidden.
        QVERIFY(registro->caricato(QStringLiteral("FormBocca")));
        QVERIFY(!registro->mostrato(QStringLiteral("FormBocca")));
    }

    void bloccoDuranteIlParlato_data()
    {
        QTest::addColumn<bool>("form1");
        QTest::addColumn<bool>("form2");
        QTest::newRow("Form1 shown") << true << false;
        QTest::newRow("Form2 shown") << false << true;
        QTest::newRow("both shown") << true << true;
        QTest::newRow("none shown") << false << false;
    }
    void bloccoDuranteIlParlato()
    {
        QFETCH(bool, form1);
        QFETCH(bool, form2);
        Schermo *f1 = form1 ? registro->mostra(QStringLiteral("Form1")) : nullptr;
        Schermo *f2 = form2 ? registro->mostra(QStringLiteral("Form2")) : nullptr;
        QStringList durante1, durante2;
        bool altriDurante = true;
        QTimer::singleShot(20, this, [&] {
            if (f1)
                durante1 = abilitati(f1);
            if (f2)
                durante2 = abilitati(f2);
            for (Schermo *s : {f1, f2}) {
                if (s)
                    altriDurante = altriDurante && bottone(s, QStringLiteral("Command2"))->isEnabled()
                        && bottone(s, QStringLiteral("Command6"))->isEnabled();
            }
        });
        motore->durataMs = 100;
        parla->TestoDaDire = QStringLiteral("Quanti palloncini ci sono?");
        parla->Parla();
        QVERIFY(durante1.isEmpty());
        QVERIFY(durante2.isEmpty());
        QVERIFY(altriDurante);
        if (f1)
            QCOMPARE(abilitati(f1), bloccati);
        if (f2)
            QCOMPARE(abilitati(f2), bloccati);
        // Asking whether a screen is shown never creates it.
        QCOMPARE(registro->caricato(QStringLiteral("Form1")) != nullptr, form1);
        QCOMPARE(registro->caricato(QStringLiteral("Form2")) != nullptr, form2);
        QCOMPARE(motore->testi.size(), 1);
    }

    void schermoNascostoNonToccato()
    {
        Schermo *f2 = registro->schermo(QStringLiteral("Form2")); // loaded, not shown
        impostaTutti(f2, false);
        parla->TestoDaDire = QStringLiteral("Ciao");
        parla->Parla();
        QVERIFY(abilitati(f2).isEmpty());
    }

    void schermoNascostoDuranteIlParlato()
    {
        Schermo *f1 = registro->mostra(QStringLiteral("Form1"));
        QTimer::singleShot(10, this, [&] { f1->hide(); });
        motore->durataMs = 80;
        parla->TestoDaDire = QStringLiteral("Ciao");
        parla->Parla();
        QVERIFY(abilitati(f1).isEmpty()); // not enabled again by this call
    }

    void schermoMostratoDuranteIlParlato()
    {
        Schermo *f2 = registro->schermo(QStringLiteral("Form2"));
        impostaTutti(f2, false);
        QTimer::singleShot(10, this, [&] { registro->mostra(QStringLiteral("Form2")); });
        motore->durataMs = 80;
        parla->TestoDaDire = QStringLiteral("Ciao");
        parla->Parla();
        QCOMPARE(abilitati(f2), bloccati); // enabled though this call did not lock them
    }

    void soloCaratteriEliminati()
    {
        Schermo *f1 = registro->mostra(QStringLiteral("Form1"));
        int cambi = 0;
        struct Contatore : QObject {
            int *n;
            explicit Contatore(int *n) : n(n) {}
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::EnabledChange)
                    ++*n;
                return false;
            }
        } contatore(&cambi);
        bottone(f1, QStringLiteral("Command5"))->installEventFilter(&contatore);
        parla->TestoDaDire = QStringLiteral("_");
        parla->Parla();
        QCOMPARE(motore->testi, QStringList{QString()});
        QCOMPARE(cambi, 2); // locked, then unlocked
        QCOMPARE(abilitati(f1), bloccati);
    }

    void senzaFormBoccaBloccaESblocca()
    {
        RegistroSchermi r;
        r.registra(QStringLiteral("Form1"), [] { return esercizio(QStringLiteral("Form1")); });
        Schermo *f1 = r.mostra(QStringLiteral("Form1"));
        PerParlare p(r);
        p.TestoDaDire = QStringLiteral("Nessuno parla");
        QElapsedTimer t;
        t.start();
        p.Parla();
        QVERIFY(t.elapsed() < 1000);
        QCOMPARE(abilitati(f1), bloccati);
        r.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void attendeLaFineSenzaGiriAVuoto()
    {
        motore->durataMs = 300;
        parla->TestoDaDire = QStringLiteral("Una frase lunga");
        QElapsedTimer t;
        t.start();
        parla->Parla();
        QVERIFY2(t.elapsed() >= 290, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(motore->SpeakingStatus(), 0);
        // An event-driven wait reads the status a handful of times, a
        // polling loop thousands.
        QVERIFY2(motore->lettureStato < 10, qPrintable(QString::number(motore->lettureStato)));
    }

    void cicloDegliEventiVivoDuranteLAttesa()
    {
        Schermo *f1 = registro->mostra(QStringLiteral("Form1"));
        auto *avanti = qobject_cast<QPushButton *>(bottone(f1, QStringLiteral("Command2")));
        int clic = 0;
        connect(avanti, &QPushButton::clicked, this, [&] { ++clic; });
        int scatti = 0;
        QTimer orologio;
        connect(&orologio, &QTimer::timeout, this, [&] { ++scatti; });
        orologio.start(10);
        // A click posted as a real mouse event, delivered only by the loop.
        QTimer::singleShot(30, this, [&] { avanti->animateClick(); });
        motore->durataMs = 400;
        parla->TestoDaDire = QStringLiteral("Aspetta");
        parla->Parla();
        QVERIFY2(scatti >= 10, qPrintable(QString::number(scatti)));
        QCOMPARE(clic, 1);
    }

    void ripetizioneDuranteLAttesa()
    {
        // The repeat button: stop, then speak again; Parla waits for the
        // new utterance too.
        motore->durataMs = 100;
        QElapsedTimer t;
        QTimer::singleShot(50, this, [&] {
            motore->StopSpeech();
            motore->SpeakText(QStringLiteral("di nuovo"));
        });
        parla->TestoDaDire = QStringLiteral("Prima");
        t.start();
        parla->Parla();
        QVERIFY2(t.elapsed() >= 140, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(motore->SpeakingStatus(), 0);
        QCOMPARE(motore->chiamate,
                 (QStringList{QStringLiteral("SpeakText:Prima"), QStringLiteral("StopSpeech"),
                              QStringLiteral("SpeakText:di nuovo")}));
    }

    void parlaAnnidato()
    {
        Schermo *f1 = registro->mostra(QStringLiteral("Form1"));
        QStringList dopoInterno;
        motore->durataMs = 60;
        QTimer::singleShot(20, this, [&] {
            PerParlare interno(*registro);
            interno.TestoDaDire = QStringLiteral("Dentro");
            interno.Parla();
            dopoInterno = abilitati(f1);
        });
        parla->TestoDaDire = QStringLiteral("Fuori");
        parla->Parla();
        // The inner call unlocked at its end, as the design has it.
        QCOMPARE(dopoInterno, bloccati);
        QCOMPARE(motore->testi, (QStringList{QStringLiteral("Fuori"), QStringLiteral("Dentro")}));
        QCOMPARE(motore->SpeakingStatus(), 0);
    }

    void caneDaGuardia()
    {
        Schermo *f1 = registro->mostra(QStringLiteral("Form1"));
        motore->muto = true;
        motore->durataMs = 50;
        parla->margineWatchdogMs = 100;
        parla->TestoDaDire = QStringLiteral("Mai finito");
        QElapsedTimer t;
        t.start();
        parla->Parla();
        QVERIFY2(t.elapsed() >= 140 && t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(abilitati(f1), bloccati);
    }

    void motoreDistruttoDuranteLAttesa()
    {
        motore->durataMs = 10000;
        QTimer::singleShot(30, this, [&] {
            registro->scarica(registro->caricato(QStringLiteral("FormBocca")));
            delete motore;
            motore = new MotoreFinto;
        });
        parla->TestoDaDire = QStringLiteral("Addio");
        QElapsedTimer t;
        t.start();
        parla->Parla();
        QVERIFY(t.elapsed() < 2000);
    }
};

QTEST_MAIN(TestParla)
#include "tst_parla.moc"
