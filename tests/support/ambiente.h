#pragma once

// The one fixture of the screen tests: a run of the program without its start-up routine. A program folder and a
// settings folder of its own, the real screens, fake speech (the first engine made is FormBocca's), recorded sounds
// and message boxes, a seeded generator that a test can steer to the problem it wants, and a display of known size.

#include "casuale.h"
#include "contesto.h"
#include "dialoghifinti.h"
#include "elencoschermi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorefinto.h"
#include "perparlare.h"
#include "schermi.h"
#include "schermo.h"
#include "suonifinti.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

struct Ambiente {
    QTemporaryDir programma;
    QTemporaryDir impostazioni;
    Modulo1 stato;
    Casuale casuale{1};
    ModLanguageSupport lingua{programma.path()};
    ElencoSchermi schermi;
    DialoghiFinti dialoghi;
    PerParlare parla;
    SuoniFinti suoni;
    FabbricaFinta fabbrica;
    std::unique_ptr<Contesto> c;
    QSize display; // the display the screens fill; a test may change it between screens
    QList<int> terminati;

    static QString datiTest() { return qEnvironmentVariable("NUMERELLA_TEST_DATA"); }
    static QString datiProgramma() { return qEnvironmentVariable("NUMERELLA_DATA"); }

    // Copies every file below `da` into the program folder (or a folder of it).
    void copia(const QString &da, const QString &sottocartella = QString())
    {
        const QString a = programma.filePath(sottocartella);
        for (QDirIterator it(da, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString dest = a + u'/' + QDir(da).relativeFilePath(it.next());
            QDir().mkpath(QFileInfo(dest).path());
            QFile::copy(it.filePath(), dest);
        }
    }

    // dati: copied as the program folder.
    explicit Ambiente(const QString &dati = datiTest() + QStringLiteral("/exercises"),
                      const QString &nomeLingua = QStringLiteral("Prova"), QSize schermo = QSize(1024, 768))
    {
        copia(dati);
        copia(datiProgramma() + QStringLiteral("/icone"), QStringLiteral("icone"));
        lingua.MLSCurrentLanguage = nomeLingua;
        const Percorsi p{programma.path(), impostazioni.path() + QStringLiteral("/ImpostazioniProgrammiZefra")};
        stato.FileImpostazioni = p.impostazioni + QStringLiteral("/numerella.INI");
        stato.SuonoAttivo = True;
        stato.Velocita = 130;
        stato.Voce = 1;
        display = schermo;
        const auto d = [this] { return QRect(QPoint(0, 0), display); };
        c.reset(new Contesto{casuale, lingua, schermi, dialoghi, parla, suoni, fabbrica.fabbrica(), p, d, {}});
        CaricaListe(stato, programma.path()); // a folder without stories leaves the tables empty
        schermi.termina = [this](int s) { terminati.append(s); };
        schermi.nessunoSchermoVisibile = [] {};
        registraSchermi(*c, stato);
        schermi.schermo(QStringLiteral("FormBocca"));
    }

    ~Ambiente()
    {
        schermi.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MotoreFinto *motore() const { return fabbrica.creati.value(0); }

    // Lets the screens carry out what they started, to its end: until the engine is silent and no exercise screen
    // on display has its answer buttons locked. False when that has not come within 10 s.
    bool quiete()
    {
        return QTest::qWaitFor(
            [this] {
                for (Schermo *s : schermi.caricati()) {
                    auto *b = qobject_cast<QWidget *>(s->controllo(QStringLiteral("Command1"), 0));
                    if (b && s->isVisible() && !b->isEnabled())
                        return false;
                }
                return !motore() || motore()->SpeakingStatus() == 0;
            },
            10000);
    }

    Schermo *mostrato() const
    {
        const QList<Schermo *> c = schermi.caricati();
        return *std::find_if(c.begin(), c.end(), [](Schermo *s) { return s->isVisible(); });
    }

    // Seeds the generator so that the next new problem on Form1 (schermo 1) or Form2 (2) is row `riga` with
    // total n3 and first draw n1; `passaggio`, when given, is the mixed mode's draw before it (2: the other screen).
    void prossimo(int schermo, int riga, int n3, int n1, int passaggio = 0)
    {
        const int nt = int(schermo == 1 ? stato.Testi1.size() : stato.Testi2.size());
        for (quint64 s = 1; s < 2000000; ++s) {
            Casuale c(s);
            if ((!passaggio || c.estrai(2) == passaggio) && c.estrai(nt) == riga && c.estrai(9) == n3
                && c.estrai(n3) == n1) {
                casuale.semina(s);
                return;
            }
        }
        qFatal("no seed gives the wanted draws");
    }
};
