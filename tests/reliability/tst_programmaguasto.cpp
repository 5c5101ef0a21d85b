// The real program (the build's executable with a copy of its data in a
// program folder of its own) started against broken program folders,
// settings folders and environments, one row each. A broken story file is
// fatal: the program says which file and what is wrong (in a message box,
// and on its standard error for whoever started it) and ends with a
// non-zero status. Everything else is not: the start screen comes up, the
// program is still running after 3 seconds and ends on SIGTERM like any
// program (killed by that signal, not by a crash). Nothing may hang.
//
// Runs are slow (seconds each) and mostly waiting, so all rows are run
// before the first check, a few at a time; each row then reports its own
// result.

#include "cartellasolalettura.h"
#include "datiguasti.h"
#include "processofiglio.h"
#include "serveraudioprova.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

constexpr int VivoDopoMs = 3000;      // the program must still run then
constexpr int LimiteAvvioMs = 30000;  // start screen up, or fatal end, by then
constexpr int LimiteTermineMs = 10000; // after SIGTERM
constexpr int InParallelo = 4;

const QByteArray SegnoPrimoDisegno = "NUMERELLA_BENCH primo-disegno";
const QString ErroreStorie = QStringLiteral("non si può caricare");

enum class Esito {
    Continua, // start screen up, alive after 3 s, ends on SIGTERM
    Fatale,   // the fatal message on stderr, exit status 1
    EsceDaSolo, // start screen up, then a clean exit 0 (test hook)
};

// The folders of one run: the program folder, XDG_CONFIG_HOME (the settings
// folder is ImpostazioniProgrammiZefra in it), XDG_RUNTIME_DIR, and an empty
// folder for rows that need one.
struct Cartelle {
    QString programma;
    QString config;
    QString impostazioni;
    QString runtime;
    QString vuota;
    QList<std::shared_ptr<CartellaSolaLettura>> soloLettura;

    void rendiSolaLettura(const QString &cartella)
    {
        soloLettura.append(std::make_shared<CartellaSolaLettura>(cartella));
    }
};

struct Riga {
    QString nome;
    Esito esito = Esito::Continua;
    QStringList messaggio; // Fatale: texts the message must hold
    bool serveLetturaNegata = false; // meaningless where permissions bind no one
    std::function<bool(Cartelle &, QString *)> prepara;
    std::function<QStringList(const Cartelle &)> ambiente; // extra "NAME=value"
};

struct Risultato {
    bool eseguita = false;
    QString guasto; // empty when everything went as the row says
    QByteArray uscita;
    qint64 msPrimoDisegno = -1;
};

QString percorsoEseguibile()
{
    return qEnvironmentVariable("NUMERELLA_BUILD") + QStringLiteral("/numerella");
}

QString datiProgramma()
{
    return qEnvironmentVariable("NUMERELLA_DATA");
}

// One file damaged one way.
Riga rigaFile(const QString &relativo, bool inImpostazioni, Guasto g, Esito esito, const QByteArray &riempitivo,
              const QStringList &messaggio = {})
{
    Riga r;
    r.nome = (inImpostazioni ? QStringLiteral("settings/") : QString()) + relativo + QStringLiteral(": ")
        + nomeGuasto(g);
    r.esito = esito;
    r.messaggio = messaggio;
    r.serveLetturaNegata = g == Guasto::Illeggibile;
    r.prepara = [=](Cartelle &c, QString *errore) {
        const QString cartella = inImpostazioni ? c.impostazioni : c.programma;
        QDir().mkpath(QFileInfo(cartella + QLatin1Char('/') + relativo).path());
        if (inImpostazioni && g != Guasto::Mancante && g != Guasto::Cartella
            && !QFileInfo::exists(cartella + QLatin1Char('/') + relativo)) {
            // Something to damage: the file as the program would write it.
            QFile f(cartella + QLatin1Char('/') + relativo);
            if (!f.open(QIODevice::WriteOnly))
                return false;
            f.write(relativo.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive)
                        && relativo.startsWith(QLatin1String("Lang"))
                    ? QByteArray("[Language]\r\nCurrentLanguage=English\r\n")
                    : QByteArray(" 150 \r\n 2 \r\n"));
        }
        return guasta(cartella + QLatin1Char('/') + relativo, g, riempitivo, errore);
    };
    return r;
}

Riga rigaContenuto(const QString &nome, const QString &relativo, const QByteArray &contenuto, Esito esito,
                   const QStringList &messaggio = {})
{
    Riga r;
    r.nome = nome;
    r.esito = esito;
    r.messaggio = messaggio;
    r.prepara = [=](Cartelle &c, QString *errore) {
        QFile f(c.programma + QLatin1Char('/') + relativo);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(contenuto) != contenuto.size()) {
            *errore = f.errorString();
            return false;
        }
        return true;
    };
    return r;
}

Riga rigaAmbiente(const QString &nome, std::function<QStringList(const Cartelle &)> ambiente,
                  std::function<bool(Cartelle &, QString *)> prepara = {})
{
    Riga r;
    r.nome = nome;
    r.ambiente = std::move(ambiente);
    r.prepara = prepara ? std::move(prepara) : [](Cartelle &, QString *) { return true; };
    return r;
}

QList<Riga> creaRighe()
{
    QList<Riga> l;
    const QByteArray righeVuote = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    const QByteArray commento = "; riga di commento che il lettore salta, ripetuta fino a dieci megabyte\r\n";
    const QList<Guasto> tutti{Guasto::Mancante, Guasto::Vuoto, Guasto::Illeggibile,
                              Guasto::Spazzatura, Guasto::Grande, Guasto::Cartella};

    l << rigaAmbiente(QStringLiteral("shipped data"), {});
    {
        Riga r = rigaAmbiente(QStringLiteral("shipped data, ends by itself"),
                              [](const Cartelle &) { return QStringList{QStringLiteral("NUMERELLA_ESCI_DOPO_MS=3000")}; });
        r.esito = Esito::EsceDaSolo;
        l << r;
    }

    // The stories: fatal, except a 10 MB file whose stories are followed by
    // blank lines (allowed at the end).
    for (const QString &lista : {QStringLiteral("lista1.txt"), QStringLiteral("lista2.txt")}) {
        const QString rel = QStringLiteral("testi/") + lista;
        const int campi = lista == QLatin1String("lista1.txt") ? 15 : 16;
        l << rigaFile(rel, false, Guasto::Mancante, Esito::Fatale, {}, {lista, ErroreStorie, QStringLiteral("non esiste")});
        l << rigaFile(rel, false, Guasto::Vuoto, Esito::Fatale, {}, {lista, ErroreStorie, QStringLiteral("nessuna storia")});
        l << rigaFile(rel, false, Guasto::Illeggibile, Esito::Fatale, {}, {lista, ErroreStorie, QStringLiteral("non si può leggere")});
        l << rigaFile(rel, false, Guasto::Spazzatura, Esito::Fatale, {}, {lista, ErroreStorie});
        l << rigaFile(rel, false, Guasto::Grande, Esito::Continua, righeVuote);
        l << rigaFile(rel, false, Guasto::Cartella, Esito::Fatale, {}, {lista, ErroreStorie, QStringLiteral("non si può leggere")});
        l << rigaContenuto(rel + QStringLiteral(": 101 stories"), rel, storieProva(101, campi), Esito::Fatale,
                           {lista, ErroreStorie, QStringLiteral("più di 100 storie")});
        l << rigaContenuto(rel + QStringLiteral(": exactly 100 stories"), rel, storieProva(100, campi), Esito::Continua);
        l << rigaContenuto(rel + QStringLiteral(": 10 MB of stories"), rel,
                           storieProva(DieciMega / storieProva(1, campi).size() + 1, campi), Esito::Fatale,
                           {lista, ErroreStorie, QStringLiteral("più di 100 storie")});
        QByteArray tronca = storieProva(3, campi);
        tronca.truncate(tronca.lastIndexOf(",\"Storia 3, frase 9"));
        l << rigaContenuto(rel + QStringLiteral(": last story cut short"), rel, tronca, Esito::Fatale,
                           {lista, ErroreStorie, QStringLiteral("la storia 3 è incompleta")});
    }

    // Language file and language choice: never fatal; captions stay as
    // designed where no text can be had.
    for (Guasto g : tutti)
        l << rigaFile(QStringLiteral("Italiano.lng"), false, g, Esito::Continua, commento);
    {
        QFile f(datiProgramma() + QStringLiteral("/Italiano.lng"));
        f.open(QIODevice::ReadOnly);
        QByteArray senza;
        for (const QByteArray &riga : f.readAll().split('\n')) {
            if (!riga.trimmed().startsWith('['))
                senza += riga + '\n';
        }
        l << rigaContenuto(QStringLiteral("Italiano.lng: no sections"), QStringLiteral("Italiano.lng"), senza,
                           Esito::Continua);
    }
    for (Guasto g : tutti)
        l << rigaFile(QStringLiteral("LangSetting.ini"), false, g, Esito::Continua, commento);
    l << rigaContenuto(QStringLiteral("LangSetting.ini: names a language without a file"),
                       QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Klingon\r\n", Esito::Continua);
    // The user's own copy of the choice (made when the program folder is
    // read-only) is read first.
    for (Guasto g : {Guasto::Vuoto, Guasto::Illeggibile, Guasto::Spazzatura, Guasto::Grande, Guasto::Cartella})
        l << rigaFile(QStringLiteral("LangSetting.ini"), true, g, Esito::Continua, commento);

    // Settings: defaults where they cannot be read.
    for (Guasto g : {Guasto::Vuoto, Guasto::Illeggibile, Guasto::Spazzatura, Guasto::Grande, Guasto::Cartella})
        l << rigaFile(QStringLiteral("numerella.INI"), true, g, Esito::Continua, " 999 \r\n");
    l << rigaFile(QStringLiteral("leggimi.txt"), true, Guasto::Cartella, Esito::Continua, {});

    // Folders the program writes, made read-only, or in the way.
    l << rigaAmbiente(QStringLiteral("settings folder read-only"), {}, [](Cartelle &c, QString *) {
        QDir().mkpath(c.impostazioni);
        c.rendiSolaLettura(c.impostazioni);
        return true;
    });
    l << rigaAmbiente(QStringLiteral("settings folder's parent read-only (folder cannot be made)"), {},
                      [](Cartelle &c, QString *) {
                          c.rendiSolaLettura(c.config);
                          return true;
                      });
    l << rigaAmbiente(QStringLiteral("a file where the settings folder should be"), {}, [](Cartelle &c, QString *e) {
        return guasta(c.impostazioni, Guasto::Vuoto, {}, e);
    });
    l << rigaAmbiente(QStringLiteral("runtime folder read-only (no lock file)"), {}, [](Cartelle &c, QString *) {
        c.rendiSolaLettura(c.runtime);
        return true;
    });
    l << rigaAmbiente(QStringLiteral("program folder read-only"), {}, [](Cartelle &c, QString *) {
        c.rendiSolaLettura(c.programma);
        return true;
    });

    // Missing pictures and sounds: nothing needs them before an exercise.
    for (const QString &cartella : {QStringLiteral("suoni"), QStringLiteral("gifanimate"), QStringLiteral("icone")}) {
        l << rigaAmbiente(cartella + QStringLiteral("/ missing"), {}, [cartella](Cartelle &c, QString *e) {
            if (!QDir(c.programma + QLatin1Char('/') + cartella).removeRecursively()) {
                *e = QStringLiteral("cannot remove ") + cartella;
                return false;
            }
            return true;
        });
    }

    // The platform's own services missing.
    l << rigaAmbiente(QStringLiteral("no audio device (no sound server)"), [](const Cartelle &c) {
        return QStringList{QStringLiteral("PULSE_SERVER=unix:") + c.vuota + QStringLiteral("/nessun-server")};
    });
    l << rigaAmbiente(QStringLiteral("no espeak-ng data"), [](const Cartelle &c) {
        return QStringList{QStringLiteral("ESPEAK_DATA_PATH=") + c.vuota};
    });
    l << rigaAmbiente(QStringLiteral("no espeak-ng data and no audio device"), [](const Cartelle &c) {
        return QStringList{QStringLiteral("ESPEAK_DATA_PATH=") + c.vuota,
                           QStringLiteral("PULSE_SERVER=unix:") + c.vuota + QStringLiteral("/nessun-server")};
    });
    return l;
}

const QList<Riga> &righe()
{
    static const QList<Riga> tutte = creaRighe();
    return tutte;
}

// One row in progress.
class Corsa
{
public:
    Corsa(const Riga &r, const QStringList &ambienteBase)
        : m_riga(r)
        , m_ambienteBase(ambienteBase)
    {
    }

    // False when the row could not even be set up (the result says why).
    bool avvia()
    {
        m_r.eseguita = true;
        if (!m_dir.isValid())
            return fallisce(QStringLiteral("no temporary folder"));
        Cartelle &c = m_cartelle;
        c.programma = m_dir.filePath(QStringLiteral("programma"));
        c.config = m_dir.filePath(QStringLiteral("config"));
        c.impostazioni = c.config + QStringLiteral("/ImpostazioniProgrammiZefra");
        c.runtime = m_dir.filePath(QStringLiteral("run"));
        c.vuota = m_dir.filePath(QStringLiteral("vuota"));
        for (const QString &d : {c.config, c.runtime, c.vuota})
            QDir().mkpath(d);
        QFile::setPermissions(c.runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!copiaCartella(datiProgramma(), c.programma))
            return fallisce(QStringLiteral("cannot copy the data"));
        // The executable finds its data beside itself, so it is copied too
        // (a hard link when it can be).
        const QString exe = c.programma + QStringLiteral("/numerella");
        if (::link(QFile::encodeName(percorsoEseguibile()).constData(), QFile::encodeName(exe).constData()) != 0
            && !QFile::copy(percorsoEseguibile(), exe))
            return fallisce(QStringLiteral("cannot copy %1").arg(percorsoEseguibile()));
        QString errore;
        if (!m_riga.prepara(c, &errore))
            return fallisce(QStringLiteral("cannot break the data: ") + errore);

        QStringList cambi{QStringLiteral("XDG_CONFIG_HOME=") + c.config, QStringLiteral("XDG_RUNTIME_DIR=") + c.runtime,
                          QStringLiteral("NUMERELLA_BENCH=1"), QStringLiteral("QT_QPA_PLATFORM=offscreen")};
        if (m_riga.esito == Esito::Fatale)
            cambi << QStringLiteral("NUMERELLA_ESCI_DOPO_MS=500"); // closes the message box
        if (m_riga.ambiente)
            cambi += m_riga.ambiente(c);
        QStringList ambiente = m_ambienteBase;
        for (const QString &cambio : cambi) {
            const QString nome = cambio.left(cambio.indexOf(QLatin1Char('=')) + 1);
            ambiente.erase(std::remove_if(ambiente.begin(), ambiente.end(),
                                          [&nome](const QString &e) { return e.startsWith(nome); }),
                           ambiente.end());
            ambiente << cambio;
        }
        if (!m_p.avvia(exe, {}, ambiente, m_dir.filePath(QStringLiteral("uscita.txt")), &errore))
            return fallisce(errore);
        m_t.start();
        return true;
    }

    // Moves the row on; true once it is over.
    bool avanza()
    {
        if (m_fatto)
            return true;
        const bool vivo = m_p.inCorso();
        if (m_r.msPrimoDisegno < 0 && m_p.uscita().contains(SegnoPrimoDisegno))
            m_r.msPrimoDisegno = m_t.elapsed();

        switch (m_riga.esito) {
        case Esito::Fatale:
            if (!vivo)
                return chiudi();
            if (m_t.elapsed() > LimiteAvvioMs)
                return uccidi(QStringLiteral("the fatal error did not end the program within %1 ms").arg(LimiteAvvioMs));
            return false;
        case Esito::EsceDaSolo:
            if (!vivo)
                return chiudi();
            if (m_t.elapsed() > LimiteAvvioMs)
                return uccidi(QStringLiteral("the program did not end by itself within %1 ms").arg(LimiteAvvioMs));
            return false;
        case Esito::Continua:
            if (m_terminato) {
                if (!vivo)
                    return chiudi();
                if (m_tTermine.elapsed() > LimiteTermineMs)
                    return uccidi(QStringLiteral("the program did not end on SIGTERM within %1 ms").arg(LimiteTermineMs));
                return false;
            }
            if (!vivo)
                return chiudi();
            if (m_r.msPrimoDisegno < 0) {
                if (m_t.elapsed() > LimiteAvvioMs)
                    return uccidi(QStringLiteral("no start screen within %1 ms").arg(LimiteAvvioMs));
                return false;
            }
            if (m_t.elapsed() < VivoDopoMs)
                return false;
            m_p.segnala(SIGTERM);
            m_terminato = true;
            m_tTermine.start();
            return false;
        }
        return true;
    }

    Risultato risultato() const { return m_r; }

private:
    bool fallisce(const QString &perche)
    {
        m_r.guasto = perche;
        m_fatto = true;
        return false;
    }

    bool uccidi(const QString &perche)
    {
        m_p.segnala(SIGKILL);
        m_p.attendi(5000);
        m_r.uscita = m_p.uscita();
        m_r.guasto = perche;
        m_fatto = true;
        return true;
    }

    bool chiudi()
    {
        m_fatto = true;
        m_r.uscita = m_p.uscita();
        const QString out = QString::fromUtf8(m_r.uscita);
        QStringList guasti;
        for (const char *segno : {"AddressSanitizer", "LeakSanitizer", "runtime error:", "QFATAL"}) {
            if (out.contains(QLatin1String(segno)))
                guasti << QStringLiteral("the output reports \"%1\"").arg(QLatin1String(segno));
        }
        switch (m_riga.esito) {
        case Esito::Fatale:
            if (m_p.segnale() != 0 || m_p.codice() != 1)
                guasti << QStringLiteral("expected exit status 1, got %1").arg(m_p.comeFinito());
            for (const QString &m : m_riga.messaggio) {
                if (!out.contains(m))
                    guasti << QStringLiteral("the message does not say \"%1\"").arg(m);
            }
            if (m_r.msPrimoDisegno >= 0)
                guasti << QStringLiteral("the start screen was shown after a fatal error");
            break;
        case Esito::EsceDaSolo:
            if (m_r.msPrimoDisegno < 0)
                guasti << QStringLiteral("the start screen never came up");
            if (m_p.segnale() != 0 || m_p.codice() != 0)
                guasti << QStringLiteral("expected exit status 0, got %1").arg(m_p.comeFinito());
            break;
        case Esito::Continua:
            if (!m_terminato)
                guasti << QStringLiteral("ended by itself after %1 ms (%2)").arg(m_t.elapsed()).arg(m_p.comeFinito());
            else if (!(m_p.segnale() == SIGTERM || (m_p.segnale() == 0 && m_p.codice() == 0)))
                guasti << QStringLiteral("SIGTERM ended it badly: %1").arg(m_p.comeFinito());
            if (out.contains(ErroreStorie))
                guasti << QStringLiteral("a fatal story error was reported");
            break;
        }
        m_r.guasto = guasti.join(QStringLiteral("; "));
        return true;
    }

    Riga m_riga;
    QStringList m_ambienteBase;
    QTemporaryDir m_dir;
    Cartelle m_cartelle;
    ProcessoFiglio m_p;
    QElapsedTimer m_t;
    QElapsedTimer m_tTermine;
    bool m_terminato = false;
    bool m_fatto = false;
    Risultato m_r;
};

} // namespace

class TstProgrammaGuasto : public QObject
{
    Q_OBJECT

    ServerAudioProva m_audio;
    QString m_notaAudio;
    QStringList m_ambienteBase;
    QMap<QString, Risultato> m_risultati;

    QStringList ambienteBase()
    {
        // A sound server of its own, so that the rows have an audio device
        // (and nothing is ever heard), except those that take it away. It
        // points this process's PULSE_SERVER at itself.
        if (!ServerAudioProva::disponibile() || !m_audio.avvia())
            m_notaAudio = QStringLiteral("no private sound server (%1): the rows run with whatever audio this "
                                         "machine has")
                              .arg(m_audio.errore());
        return ambienteCon({}, {QStringLiteral("ESPEAK_DATA_PATH"), QStringLiteral("NUMERELLA_ESCI_DOPO_MS")});
    }

    static bool saltata(const Riga &r) { return r.serveLetturaNegata && permessiIgnorati(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(percorsoEseguibile()).isExecutable(), qPrintable(percorsoEseguibile()));
        m_ambienteBase = ambienteBase();
        if (!m_notaAudio.isEmpty())
            qInfo("%s", qPrintable(m_notaAudio));

        QList<Riga> daFare;
        for (const Riga &r : righe()) {
            if (!saltata(r))
                daFare << r;
        }
        QElapsedTimer t;
        t.start();
        QList<std::shared_ptr<Corsa>> inCorso;
        QList<QString> nomi;
        qsizetype prossima = 0;
        while (prossima < daFare.size() || !inCorso.isEmpty()) {
            while (inCorso.size() < InParallelo && prossima < daFare.size()) {
                const Riga &r = daFare[prossima++];
                auto c = std::make_shared<Corsa>(r, m_ambienteBase);
                if (!c->avvia()) {
                    m_risultati.insert(r.nome, c->risultato());
                    continue;
                }
                inCorso << c;
                nomi << r.nome;
            }
            for (qsizetype i = inCorso.size() - 1; i >= 0; --i) {
                if (inCorso[i]->avanza()) {
                    m_risultati.insert(nomi[i], inCorso[i]->risultato());
                    inCorso.removeAt(i);
                    nomi.removeAt(i);
                }
            }
            QThread::msleep(20);
        }
        qInfo("%lld rows in %lld ms", qint64(daFare.size()), t.elapsed());
    }

    void matrice_data()
    {
        QTest::addColumn<QString>("nome");
        for (const Riga &r : righe())
            QTest::newRow(qPrintable(r.nome)) << r.nome;
    }

    void matrice()
    {
        QFETCH(QString, nome);
        for (const Riga &r : righe()) {
            if (r.nome == nome && saltata(r))
                QSKIP("this process reads files whatever their permission bits (root): no unreadable file can be made");
        }
        QVERIFY(m_risultati.contains(nome));
        const Risultato r = m_risultati.value(nome);
        QVERIFY(r.eseguita);
        if (r.msPrimoDisegno >= 0)
            qInfo("start screen up after %lld ms", r.msPrimoDisegno);
        QVERIFY2(r.guasto.isEmpty(),
                 qPrintable(r.guasto + QStringLiteral("\n--- the program wrote:\n") + QString::fromUtf8(r.uscita.right(4000))));
    }

    // A second copy started while the first runs ends at once, says and
    // shows nothing, and the first runs on.
    void secondaCopia()
    {
        QTemporaryDir dir;
        const QString programma = dir.filePath(QStringLiteral("programma"));
        QVERIFY(copiaCartella(datiProgramma(), programma));
        QVERIFY(QFile::copy(percorsoEseguibile(), programma + QStringLiteral("/numerella")));
        QDir().mkpath(dir.filePath(QStringLiteral("config")));
        QDir().mkpath(dir.filePath(QStringLiteral("run")));
        const QStringList ambiente = ambienteCon(
            {QStringLiteral("XDG_CONFIG_HOME=") + dir.filePath(QStringLiteral("config")),
             QStringLiteral("XDG_RUNTIME_DIR=") + dir.filePath(QStringLiteral("run")), QStringLiteral("NUMERELLA_BENCH=1"),
             QStringLiteral("QT_QPA_PLATFORM=offscreen")},
            {QStringLiteral("NUMERELLA_ESCI_DOPO_MS")});
        ProcessoFiglio primo;
        QString errore;
        QVERIFY2(primo.avvia(programma + QStringLiteral("/numerella"), {}, ambiente, dir.filePath(QStringLiteral("1.txt")), &errore),
                 qPrintable(errore));
        QElapsedTimer t;
        t.start();
        while (!primo.uscita().contains(SegnoPrimoDisegno) && primo.inCorso() && t.elapsed() < LimiteAvvioMs)
            QThread::msleep(20);
        QVERIFY2(primo.uscita().contains(SegnoPrimoDisegno), qPrintable(QString::fromUtf8(primo.uscita())));

        ProcessoFiglio secondo;
        QVERIFY(secondo.avvia(programma + QStringLiteral("/numerella"), {}, ambiente, dir.filePath(QStringLiteral("2.txt")), &errore));
        QVERIFY2(secondo.attendi(LimiteAvvioMs), "the second copy did not end");
        QCOMPARE(secondo.comeFinito(), QStringLiteral("exit status 0"));
        QVERIFY2(!secondo.uscita().contains(SegnoPrimoDisegno), "the second copy showed its start screen");

        QVERIFY(primo.inCorso());
        primo.segnala(SIGTERM);
        QVERIFY(primo.attendi(LimiteTermineMs));
        QCOMPARE(primo.segnale(), SIGTERM);
    }
};

QTEST_GUILESS_MAIN(TstProgrammaGuasto)
#include "tst_programmaguasto.moc"
