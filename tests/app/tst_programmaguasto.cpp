// The real program (its main and libraries, beside a copy of its data, in a
// folder of its own, with its own settings and runtime folders) started
// against broken data, one row per kind of fault. A broken story file is
// fatal: the program names the file and the fault (on its standard error,
// then in a message box that waits for the user) and shows no screen.
// Everything else is not: the start screen comes up and the program ends
// on SIGTERM like any program. Nothing may crash or hang.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

namespace {

const QByteArray PrimoDisegno = "schermata iniziale disegnata"; // from spiaavvio.cpp
const QString ErroreStorie = QStringLiteral("non si può caricare");
constexpr int LimiteMs = 120000; // for anything the program should do by itself

QByteArray storie(int quante, int campi)
{
    QByteArray b;
    for (int r = 1; r <= quante; ++r) {
        for (int k = 1; k <= campi; ++k)
            b += "\"s" + QByteArray::number(r) + "f" + QByteArray::number(k) + "\",";
        b += "-\r\n";
    }
    return b;
}

// One copy of the program in base/programma, settings in base/config, the
// lock in base/run.
class Corsa
{
public:
    explicit Corsa(const QString &base)
        : m_base(base)
    {
    }

    bool installa()
    {
        const QString programma = m_base + QStringLiteral("/programma");
        for (const char *d : {"programma", "config", "run", "vuota"})
            QDir(m_base).mkpath(QString::fromLatin1(d));
        QFile::setPermissions(m_base + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString dati = qEnvironmentVariable("NUMERELLA_DATA");
        QDirIterator it(dati, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString dest = programma + u'/' + QDir(dati).relativeFilePath(it.next());
            if (!QDir().mkpath(QFileInfo(dest).path()) || !QFile::copy(it.filePath(), dest))
                return false;
        }
        // The program finds its data beside itself.
        return QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/numerella_osservato"), programma + QStringLiteral("/numerella"));
    }

    void avvia(const QStringList &ambiente = {}, const QString &nome = QStringLiteral("uscita"))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_base + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_base + QStringLiteral("/run"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (QString e : ambiente) {
            e.replace(QStringLiteral("%BASE%"), m_base);
            env.insert(e.section(u'=', 0, 0), e.section(u'=', 1));
        }
        m_uscita = m_base + u'/' + nome;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardOutputFile(m_uscita);
        p.start(m_base + QStringLiteral("/programma/numerella"), {});
        p.waitForStarted(LimiteMs);
    }

    QByteArray uscita() const
    {
        QFile f(m_uscita);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool inCorso() { return !p.waitForFinished(0) && p.state() == QProcess::Running; }
    // Waits until the output holds segno or the program has ended.
    bool attendi(const QByteArray &segno)
    {
        QElapsedTimer t;
        t.start();
        while (!uscita().contains(segno) && inCorso() && t.elapsed() < LimiteMs)
            p.waitForFinished(50);
        return uscita().contains(segno);
    }
    QString come() const
    {
        return p.exitStatus() == QProcess::CrashExit ? QStringLiteral("signal %1").arg(p.exitCode())
                                                     : QStringLiteral("exit %1").arg(p.exitCode());
    }
    // SIGTERM, and the end it brings: false when it did not end.
    bool termina()
    {
        p.terminate();
        return p.waitForFinished(LimiteMs);
    }

    QProcess p;

private:
    QString m_base;
    QString m_uscita;
};

} // namespace

class TstProgrammaGuasto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/numerella_osservato")).isExecutable());
    }

    void guasti_data()
    {
        QTest::addColumn<QString>("file"); // relative to the run's folder
        QTest::addColumn<QByteArray>("contenuto"); // "<rm>": removed, "<dir>": a folder instead
        QTest::addColumn<QStringList>("ambiente");
        QTest::addColumn<QStringList>("messaggio"); // empty: the program carries on
        QByteArray tronca = storie(3, 15);
        tronca.truncate(tronca.indexOf(",\"s3f9\""));
        QByteArray spazzatura(1 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(spazzatura.data()), spazzatura.size() / 4);
        const QString l1 = QStringLiteral("programma/testi/lista1.txt"), l2 = QStringLiteral("programma/testi/lista2.txt");
        const QStringList nessuno;
        auto fatale = [](const char *file, const char *guasto) { return QStringList{QString::fromUtf8(file), QString::fromUtf8(guasto)}; };

        QTest::newRow("stories missing") << l1 << QByteArray("<rm>") << nessuno << fatale("lista1.txt", "");
        QTest::newRow("stories empty") << l2 << QByteArray() << nessuno << fatale("lista2.txt", "nessuna storia");
        QTest::newRow("stories garbage") << l1 << spazzatura << nessuno << fatale("lista1.txt", "");
        QTest::newRow("101 stories") << l2 << storie(101, 16) << nessuno << fatale("lista2.txt", "più di 100 storie");
        QTest::newRow("last story cut short") << l1 << tronca << nessuno << fatale("lista1.txt", "la storia 3 è incompleta");
        QTest::newRow("a folder instead of the stories") << l2 << QByteArray("<dir>") << nessuno << fatale("lista2.txt", "");

        QTest::newRow("shipped data") << QString() << QByteArray() << nessuno << nessuno;
        QTest::newRow("100 stories") << l1 << storie(100, 15) << nessuno << nessuno;
        QTest::newRow("language file missing") << QStringLiteral("programma/Italiano.lng") << QByteArray("<rm>") << nessuno << nessuno;
        QTest::newRow("language choice garbage") << QStringLiteral("programma/LangSetting.ini") << spazzatura.left(4096) << nessuno << nessuno;
        QTest::newRow("settings garbage") << QStringLiteral("config/ImpostazioniProgrammiZefra/numerella.INI")
                                          << spazzatura.left(4096) << nessuno << nessuno;
        QTest::newRow("a file where the settings folder goes") << QStringLiteral("config/ImpostazioniProgrammiZefra")
                                                               << QByteArray("x") << nessuno << nessuno;
        QTest::newRow("sounds folder missing") << QStringLiteral("programma/suoni") << QByteArray("<rm>") << nessuno << nessuno;
        QTest::newRow("no sound server") << QString() << QByteArray() << QStringList{u"PULSE_SERVER=unix:%BASE%/nessuno"_qs} << nessuno;
        QTest::newRow("no espeak-ng data") << QString() << QByteArray() << QStringList{u"ESPEAK_DATA_PATH=%BASE%/vuota"_qs} << nessuno;
    }
    void guasti()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(QStringList, ambiente);
        QFETCH(QStringList, messaggio);
        QTemporaryDir dir;
        Corsa c(dir.path());
        QVERIFY(c.installa());
        if (!file.isEmpty()) {
            const QString percorso = dir.filePath(file);
            QDir().mkpath(QFileInfo(percorso).path());
            QDir(percorso).removeRecursively();
            QFile::remove(percorso);
            QFile f(percorso);
            QVERIFY(contenuto == "<rm>" || (contenuto == "<dir>" ? QDir().mkpath(percorso) : f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size()));
        }
        c.avvia(ambiente);
        if (messaggio.isEmpty()) {
            QVERIFY2(c.attendi(PrimoDisegno), qPrintable(c.come() + u'\n' + QString::fromUtf8(c.uscita())));
            QVERIFY2(c.inCorso(), "ended after showing its start screen");
        } else {
            QVERIFY2(c.attendi(ErroreStorie.toUtf8()), qPrintable(c.come() + u'\n' + QString::fromUtf8(c.uscita())));
            const QString detto = QString::fromUtf8(c.uscita());
            for (const QString &m : std::as_const(messaggio))
                QVERIFY2(detto.contains(m), qPrintable(detto));
            // The message box waits for the user; a program that went on
            // regardless would paint its start screen next.
            QVERIFY2(!c.p.waitForFinished(1000) || (c.p.exitStatus() == QProcess::NormalExit && c.p.exitCode() == 1), qPrintable(c.come()));
            QVERIFY(!c.uscita().contains(PrimoDisegno));
        }
        if (c.inCorso()) {
            QVERIFY2(c.termina(), "SIGTERM did not end it");
            QVERIFY2(c.p.exitStatus() == QProcess::NormalExit ? c.p.exitCode() == 0 : c.p.exitCode() == SIGTERM, qPrintable(c.come()));
        }
        for (const char *segno : {"Sanitizer", "runtime error:", "QFATAL"})
            QVERIFY2(!c.uscita().contains(segno), c.uscita().constData());
    }

    // A copy killed outright leaves its lock behind: the next start takes
    // it over. A second copy started while one runs ends at once with
    // status 0, writes nothing and shows nothing.
    void riavvioDopoUccisione()
    {
        QTemporaryDir dir;
        Corsa uccisa(dir.path()), nuova(dir.path()), seconda(dir.path());
        QVERIFY(uccisa.installa());
        uccisa.avvia({}, QStringLiteral("1"));
        QVERIFY2(uccisa.attendi(PrimoDisegno), uccisa.uscita().constData());
        uccisa.p.kill();
        QVERIFY(uccisa.p.waitForFinished(LimiteMs));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("run/numerella.lock"))));

        nuova.avvia({}, QStringLiteral("2"));
        QVERIFY2(nuova.attendi(PrimoDisegno), qPrintable(nuova.come() + u'\n' + QString::fromUtf8(nuova.uscita())));

        const QString impostazioni = dir.filePath(QStringLiteral("config/ImpostazioniProgrammiZefra"));
        QVERIFY(QFile::remove(impostazioni + QStringLiteral("/leggimi.txt")));
        seconda.avvia({}, QStringLiteral("3"));
        QVERIFY(seconda.p.waitForFinished(LimiteMs));
        QCOMPARE(seconda.come(), QStringLiteral("exit 0"));
        QVERIFY(!seconda.uscita().contains(PrimoDisegno));
        QCOMPARE(QDir(impostazioni).entryList(QDir::Files | QDir::Hidden), QStringList());

        QVERIFY(nuova.inCorso());
        QVERIFY(nuova.termina());
    }
};

QTEST_GUILESS_MAIN(TstProgrammaGuasto)
#include "tst_programmaguasto.moc"
