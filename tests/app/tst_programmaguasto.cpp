// The real program against broken data, one row per kind. A broken story file is fatal: the program
// names the file and the fault, shows no screen. Otherwise the start screen comes, SIGTERM ends it.

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

const QByteArray PrimoDisegno = "NUMERELLA_BENCH primo-disegno"; // bench/spiaprimodisegno.cpp
constexpr int LimiteMs = 120000;

// One copy of the program in base/programma, settings in base/config, the lock in base/run.
struct Corsa {
    QString base;
    QProcess p;
    QByteArray letto;

    static bool installa(const QString &base)
    {
        for (const char *d : {"run", "vuota"})
            QDir(base).mkpath(QString::fromLatin1(d));
        QFile::setPermissions(base + u"/run"_qs, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString dati = qEnvironmentVariable("NUMERELLA_DATA");
        for (QDirIterator it(dati, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString dest = base + u"/programma/"_qs + QDir(dati).relativeFilePath(it.next());
            if (!QDir().mkpath(QFileInfo(dest).path()) || !QFile::copy(it.filePath(), dest))
                return false;
        }
        return QFile::copy(QCoreApplication::applicationDirPath() + u"/numerella_osservato"_qs,
                           base + u"/programma/numerella"_qs)
            && QFile::copy(qEnvironmentVariable("NUMERELLA_BUILD") + u"/libnumerella_voce.so"_qs,
                           base + u"/programma/libnumerella_voce.so"_qs);
    }

    explicit Corsa(const QString &b, const QStringList &ambiente = {})
        : base(b)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_qs, base + u"/config"_qs);
        env.insert(u"XDG_RUNTIME_DIR"_qs, base + u"/run"_qs);
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        for (QString e : ambiente)
            env.insert(e.section(u'=', 0, 0), e.section(u'=', 1).replace(u"%BASE%"_qs, base));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(base + u"/programma/numerella"_qs, {});
        p.waitForStarted(LimiteMs);
    }
    ~Corsa() { p.kill(), p.waitForFinished(LimiteMs); }

    QByteArray uscita() { return letto += p.readAll(); }
    bool inCorso() { return !p.waitForFinished(0) && p.state() == QProcess::Running; }
    // Waits until the output holds segno or the program has ended.
    bool attendi(const QByteArray &segno)
    {
        for (QDeadlineTimer t(LimiteMs); !uscita().contains(segno) && inCorso() && !t.hasExpired();)
            p.waitForFinished(50);
        return uscita().contains(segno);
    }
    QByteArray come()
    {
        return (p.exitStatus() ? "signal " : "exit ") + QByteArray::number(p.exitCode()) + '\n' + uscita();
    }
};

} // namespace

class TstProgrammaGuasto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void guasti_data()
    {
        QTest::addColumn<QString>("manca"); // a file removed, relative to the run's folder
        QTest::addColumn<QStringList>("ambiente");
        QTest::addColumn<QStringList>("messaggio"); // empty: the program carries on
        // What a story file can hold is read in tst_testi, settings in tst_impostazioni: here the real binary's
        // fatal path (message, no screen, status 1) and its start.
        const QStringList no;
        QTest::newRow("stories missing") << u"programma/testi/lista2.txt"_qs << no
                                         << QStringList{u"lista2.txt"_qs, u"il file non esiste"_qs};
        QTest::newRow("language file missing") << u"programma/Italiano.lng"_qs << no << no;
        QTest::newRow("no espeak-ng data") << QString() << QStringList{u"ESPEAK_DATA_PATH=%BASE%/vuota"_qs} << no;
        QTest::newRow("speech and sound plugin missing") << u"programma/libnumerella_voce.so"_qs << no << no;
    }
    void guasti()
    {
        QFETCH(QString, manca);
        QFETCH(QStringList, ambiente);
        QFETCH(QStringList, messaggio);
        QTemporaryDir dir;
        QVERIFY(Corsa::installa(dir.path()));
        QVERIFY(manca.isEmpty() || QFile::remove(dir.filePath(manca)));
        Corsa c(dir.path(), ambiente);
        if (messaggio.isEmpty()) {
            QVERIFY2(c.attendi(PrimoDisegno), c.come().constData());
            // The plugin is loaded after that picture; without it the program says so and goes on, silent.
            QVERIFY2(!manca.endsWith(u".so"_qs) || c.attendi("libnumerella_voce.so cannot be used"),
                     c.come().constData());
            QVERIFY2(c.inCorso(), "ended after showing its start screen");
            c.p.terminate();
            QVERIFY2(c.p.waitForFinished(LimiteMs), "SIGTERM did not end it");
            QVERIFY2(c.p.exitStatus() == QProcess::NormalExit ? c.p.exitCode() == 0 : c.p.exitCode() == SIGTERM,
                     c.come().constData());
        } else {
            QVERIFY2(c.attendi("non si può caricare"), c.come().constData());
            for (const QString &m : std::as_const(messaggio))
                QVERIFY2(QString::fromUtf8(c.uscita()).contains(m), c.come().constData());
            // The message box waits for the user; a program going on would paint its start screen.
            QVERIFY2(!c.p.waitForFinished(1000) || (c.p.exitStatus() == QProcess::NormalExit && c.p.exitCode() == 1),
                     c.come().constData());
            QVERIFY(!c.uscita().contains(PrimoDisegno));
        }
    }

    // A killed copy's lock is taken over; a second copy ends at once with 0, writing and showing nothing.
    void riavvioDopoUccisione()
    {
        QTemporaryDir dir;
        QVERIFY(Corsa::installa(dir.path()));
        {
            Corsa uccisa(dir.path());
            QVERIFY2(uccisa.attendi(PrimoDisegno), uccisa.come().constData());
        }
        QVERIFY(QFile::exists(dir.filePath(u"run/numerella.lock"_qs)));
        Corsa nuova(dir.path());
        QVERIFY2(nuova.attendi(PrimoDisegno), nuova.come().constData());

        const QString impostazioni = dir.filePath(u"config/ImpostazioniProgrammiZefra"_qs);
        QVERIFY(QFile::remove(impostazioni + u"/leggimi.txt"_qs));
        Corsa seconda(dir.path());
        QVERIFY(seconda.p.waitForFinished(LimiteMs));
        QVERIFY2(seconda.p.exitStatus() == QProcess::NormalExit && seconda.p.exitCode() == 0
                     && !seconda.uscita().contains(PrimoDisegno),
                 seconda.come().constData());
        QCOMPARE(QDir(impostazioni).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(nuova.inCorso());
    }
};

QTEST_GUILESS_MAIN(TstProgrammaGuasto)
#include "tst_programmaguasto.moc"
