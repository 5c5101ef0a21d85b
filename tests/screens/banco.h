#pragma once

// The screens of the shell run without the start-up routine: a program
// folder made from test data, fake message boxes, sounds and engine, a
// seeded generator and a display of known size.

#include "casuale.h"
#include "contesto.h"
#include "dialoghifinti.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorefinto.h"
#include "perparlare.h"
#include "registroschermi.h"
#include "schermo.h"
#include "suonifinti.h"

#include <QDir>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class Banco
{
public:
    // semeCasuale: the generator's seed; file: the test data files of the
    // program folder (all of tests/data/screens when empty).
    explicit Banco(quint64 semeCasuale = 20031108, const QStringList &file = {},
                   QSize display = QSize(1024, 768))
        : casuale(semeCasuale)
        , lingua(cartella.path())
        , parla(registro)
    {
        Schermo::setDisplayPerTest(display);
        const QDir dati(qEnvironmentVariable("NUMERELLA_TEST_DATA") + QStringLiteral("/screens"));
        const QStringList nomi = file.isEmpty() ? dati.entryList(QDir::Files) : file;
        for (const QString &n : nomi)
            QFile::copy(dati.filePath(n), cartella.filePath(n));
        percorsi.programma = cartella.path();
        percorsi.impostazioni = impostazioni.path() + QStringLiteral("/ImpostazioniProgrammiZefra");
        stato.FileImpostazioni = percorsi.impostazioni + QStringLiteral("/numerella.INI");
        registro.termina = [this](int s) { terminati.append(s); };
        c = std::make_unique<Contesto>(
            Contesto{stato, casuale, lingua, registro, dialoghi, parla, suoni, motori.fabbrica(), percorsi});
    }

    ~Banco()
    {
        registro.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Schermo::setDisplayPerTest(QSize());
    }

    // Bare screens under the names of the screens the menu opens.
    void registraSchermiVuoti(const QStringList &nomi)
    {
        for (const QString &n : nomi)
            registro.registra(n, [n] { return new Schermo(n, 8000, 6000); });
    }

    QTemporaryDir cartella;
    QTemporaryDir impostazioni;
    Percorsi percorsi;
    Modulo1 stato;
    Casuale casuale;
    ModLanguageSupport lingua;
    RegistroSchermi registro;
    DialoghiFinti dialoghi;
    PerParlare parla;
    SuoniFinti suoni;
    FabbricaFinta motori;
    std::unique_ptr<Contesto> c;
    QList<int> terminati;
};
