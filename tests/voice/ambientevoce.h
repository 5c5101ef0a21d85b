#pragma once

// A run's shared objects for the voice and language tests: a program folder
// and a settings folder of their own, fake engines, recorded message boxes.

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

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct AmbienteVoce {
    QTemporaryDir programma;
    QTemporaryDir impostazioni;
    Modulo1 stato;
    Casuale casuale{1};
    std::unique_ptr<ModLanguageSupport> lingua;
    RegistroSchermi registro;
    DialoghiFinti dialoghi;
    std::unique_ptr<PerParlare> parla;
    SuoniFinti suoni;
    FabbricaFinta fabbrica;
    std::unique_ptr<Contesto> c;
    int terminazioni = 0;

    AmbienteVoce()
    {
        lingua = std::make_unique<ModLanguageSupport>(programma.path());
        parla = std::make_unique<PerParlare>(registro);
        Percorsi p;
        p.programma = programma.path();
        p.impostazioni = impostazioni.path();
        c.reset(new Contesto{stato, casuale, *lingua, registro, dialoghi, *parla, suoni, fabbrica.fabbrica(), p});
        stato.FileImpostazioni = impostazioni.path() + QStringLiteral("/numerella.INI");
        stato.Velocita = 130;
        stato.Voce = 1;
        registro.termina = [this](int) { ++terminazioni; };
        registro.nessunoSchermoVisibile = [] {};
        Schermo::setDisplayPerTest(QSize(1024, 768));
    }

    ~AmbienteVoce()
    {
        registro.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Copies a language file of the test data into the program folder.
    void copiaLingua(const QString &nome, const QString &comeNome = QString())
    {
        const QString da = QString::fromLocal8Bit(qgetenv("NUMERELLA_TEST_DATA")) + QStringLiteral("/voice/")
            + nome + QStringLiteral(".lng");
        const QString a = programma.filePath((comeNome.isEmpty() ? nome : comeNome) + QStringLiteral(".lng"));
        QVERIFY2(QFile::copy(da, a), qPrintable(da));
    }

    void scriviLangSetting(const QByteArray &lingua)
    {
        QFile f(programma.filePath(QStringLiteral("LangSetting.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Language]\r\nCurrentLanguage=" + lingua + "\r\n");
    }

    QByteArray langSetting() const
    {
        QFile f(programma.filePath(QStringLiteral("LangSetting.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
