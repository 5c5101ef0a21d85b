#pragma once

// A run for the exercise screens: a program folder of its own with the
// test stories and a test language, fake speech (FormBocca's engine is the
// first one made), recorded sounds and message boxes, a seeded generator
// that a test can steer to the problem it wants, and a bare stand-in for
// the main menu.

#include "casuale.h"
#include "cellaanimata.h"
#include "contesto.h"
#include "dialoghifinti.h"
#include "form1.h"
#include "form2.h"
#include "formbocca.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorefinto.h"
#include "perparlare.h"
#include "registroschermi.h"
#include "schermo.h"
#include "suonifinti.h"
#include "testi.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

struct AmbienteEsercizi {
    QTemporaryDir programma;
    QTemporaryDir impostazioni;
    Modulo1 stato;
    Casuale casuale {1};
    std::unique_ptr<ModLanguageSupport> lingua;
    RegistroSchermi registro;
    DialoghiFinti dialoghi;
    std::unique_ptr<PerParlare> parla;
    SuoniFinti suoni;
    FabbricaFinta fabbrica;
    std::unique_ptr<Contesto> c;
    int terminazioni = 0;
    int senzaSchermi = 0;

    static QString datiTest() { return QString::fromLocal8Bit(qgetenv("NUMERELLA_TEST_DATA")); }
    static QString datiProgramma() { return QString::fromLocal8Bit(qgetenv("NUMERELLA_DATA")); }

    static void copiaCartella(const QString &da, const QString &a)
    {
        QDir().mkpath(a);
        QDirIterator it(da, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            const QString dest = a + u'/' + QDir(da).relativeFilePath(f);
            QDir().mkpath(QFileInfo(dest).path());
            QFile::copy(f, dest);
        }
    }

    // storie: the folder that holds testi/ and the language file.
    explicit AmbienteEsercizi(const QString &storie = datiTest() + QStringLiteral("/exercises"),
                              const QString &nomeLingua = QStringLiteral("Prova"))
    {
        copiaCartella(storie + QStringLiteral("/testi"), programma.filePath(QStringLiteral("testi")));
        QFile::copy(storie + u'/' + nomeLingua + QStringLiteral(".lng"),
                    programma.filePath(nomeLingua + QStringLiteral(".lng")));
        // The real pictures, when they are there: the icons and the animations.
        copiaCartella(datiProgramma() + QStringLiteral("/icone"),
                      programma.filePath(QStringLiteral("icone")));

        lingua = std::make_unique<ModLanguageSupport>(programma.path());
        lingua->MLSCurrentLanguage = nomeLingua;
        parla = std::make_unique<PerParlare>(registro);
        Percorsi p;
        p.programma = programma.path();
        p.impostazioni = impostazioni.path();
        fabbrica.prepara = [](MotoreFinto &m) { m.durataMs = 1; };
        c.reset(new Contesto {stato, casuale, *lingua, registro, dialoghi, *parla, suoni, fabbrica.fabbrica(),
                              p});
        stato.SuonoAttivo = True;
        stato.Velocita = 130;
        stato.Voce = 1;
        const QString errore = CaricaListe(stato, programma.path());
        if (!errore.isEmpty())
            qFatal("%s", qPrintable(errore));

        registro.termina = [this](int) { ++terminazioni; };
        registro.nessunoSchermoVisibile = [this] { ++senzaSchermi; };
        registro.registra(QStringLiteral("FormBocca"), [this] { return new FormBocca(*c); });
        registro.registra(QStringLiteral("Form1"), [this] { return new Form1(*c); });
        registro.registra(QStringLiteral("Form2"), [this] { return new Form2(*c); });
        registro.registra(QStringLiteral("FormMenu"),
                          [] { return new Schermo(QStringLiteral("FormMenu"), 7035, 5745); });
        Schermo::setDisplayPerTest(QSize(1024, 768));
        registro.schermo(QStringLiteral("FormBocca"));
    }

    ~AmbienteEsercizi()
    {
        registro.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MotoreFinto *motore() const { return fabbrica.creati.value(0); }

    FormEsercizio *schermo(const QString &nome) const
    {
        return qobject_cast<FormEsercizio *>(registro.caricato(nome));
    }

    // Seeds the generator with the first seed whose draws pass the check,
    // which replays the draws the screens will make.
    void steera(const std::function<bool(Casuale &)> &prova)
    {
        for (quint64 s = 1; s < 2000000; ++s) {
            Casuale c(s);
            if (prova(c)) {
                casuale.semina(s);
                return;
            }
        }
        qFatal("no seed gives the wanted draws");
    }

    // The draws of a new problem: row, total, first term.
    static bool problema(Casuale &c, int numeroTesti, int riga, int n3, int n1)
    {
        return c.estrai(numeroTesti) == riga && c.estrai(9) == n3 && c.estrai(n3) == n1;
    }

    int numeroTesti(int schermo) const { return schermo == 1 ? stato.NumeroTesti1 : stato.NumeroTesti2; }

    // The next new problem on that screen will be this one.
    void prossimo(int schermo, int riga, int n3, int n1)
    {
        const int nt = numeroTesti(schermo);
        steera([=](Casuale &c) { return problema(c, nt, riga, n3, n1); });
    }

    // Opens Form1 or Form2 as the menu does, on the wanted problem.
    FormEsercizio *apri(int schermo, int riga, int n3, int n1, bool misto = false)
    {
        stato.ModoMisto = misto ? True : False;
        prossimo(schermo, riga, n3, n1);
        return qobject_cast<FormEsercizio *>(
            registro.mostra(schermo == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2")));
    }
};

// A press of the protocol written as text: "0".."9", "+", "-", "=".
inline QPushButton *bottone(FormEsercizio *f, QChar t)
{
    if (t.isDigit())
        return f->bottoneCifra(t.digitValue());
    if (t == u'+')
        return f->bottonePiu();
    if (t == u'-')
        return f->bottoneMeno();
    return f->bottoneUguale();
}

inline void premi(FormEsercizio *f, QChar t)
{
    QTest::mouseClick(bottone(f, t), Qt::LeftButton);
}
