#include "codec.h"
#include "impostazioni.h"
#include "modulo1.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

namespace {
QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}
} // namespace

// The settings file: what is read from it, the bytes written, and a save
// that is never seen half done.
class TstImpostazioni : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("numerella.INI")); }

private Q_SLOTS:
    void carica_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // "<assente>": no file
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("voce");
        QTest::newRow("150 and 2") << QByteArray(" 150 \r\n 2 \r\n") << 150 << 2;
        QTest::newRow("zeros stay zeros") << QByteArray(" 0 \r\n 0 \r\n") << 0 << 0;
        QTest::newRow("no blanks, LF") << QByteArray("70\n3\n") << 70 << 3;
        QTest::newRow("no file") << QByteArray("<assente>") << 130 << 1;
        QTest::newRow("empty file") << QByteArray() << 130 << 1;
        QTest::newRow("one number") << QByteArray(" 150 \r\n") << 150 << 1;
        QTest::newRow("garbage") << QByteArray("veloce\r\n\x01\xff\0voce\r\n", 17) << 130 << 1;
        QTest::newRow("too large for 16 bits") << QByteArray("32768\r\n2\r\n") << 130 << 2;
    }
    void carica()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, velocita);
        QFETCH(int, voce);
        QFile::remove(file());
        if (contenuto != "<assente>")
            QVERIFY(scriviFileAtomico(file(), contenuto));
        Modulo1 m;
        m.FileImpostazioni = file();
        m.Velocita = 77;
        m.Voce = 77;
        CaricaImpostazioni(m);
        QCOMPARE(int(m.Velocita), velocita);
        QCOMPARE(int(m.Voce), voce);
        QCOMPARE(leggi(file()), contenuto); // reading never writes
    }

    void salva_data()
    {
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("voce");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << 130 << 1 << QByteArray(" 130 \r\n 1 \r\n");
        QTest::newRow("zeros saved as the defaults") << 0 << 0 << QByteArray(" 130 \r\n 1 \r\n");
        QTest::newRow("negative") << -5 << 2 << QByteArray("-5 \r\n 2 \r\n");
    }
    void salva()
    {
        QFETCH(int, velocita);
        QFETCH(int, voce);
        QFETCH(QByteArray, bytes);
        Modulo1 m;
        m.FileImpostazioni = dir.filePath(QStringLiteral("sparita/numerella.INI")); // the folder is made again
        QDir(dir.filePath(QStringLiteral("sparita"))).removeRecursively();
        m.Velocita = m.Voce = 12345; // a longer content first: the new one replaces it whole
        QVERIFY(SalvaImpostazioni(m));
        m.Velocita = Integer(velocita);
        m.Voce = Integer(voce);
        QVERIFY(SalvaImpostazioni(m));
        QCOMPARE(leggi(m.FileImpostazioni), bytes);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("sparita"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // A program killed while it saves leaves the old content or the new
    // one, byte for byte: never a mixture, a truncated file or none.
    void uccisoMentreSalva()
    {
        const QByteArray vecchio(" 95 \r\n 1 \r\n"), nuovo(" 150 \r\n 2 \r\n");
        QVERIFY(scriviFileAtomico(file(), vecchio));
        const QString bandiera = dir.filePath(QStringLiteral("salvando"));
        std::mt19937 caso(20240607);
        int duranteSalvataggio = 0;
        const int uccisioni = 40;
        for (int i = 0; i < uccisioni; ++i) {
            QProcess p;
            p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/salvaciclo"), {file(), bandiera});
            QVERIFY2(p.waitForStarted(30000), qPrintable(p.errorString()));
            QVERIFY2(p.waitForReadyRead(30000), qPrintable(p.readAllStandardError()));
            QThread::usleep(std::uniform_int_distribution<int>(0, 15000)(caso));
            p.kill();
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitStatus(), QProcess::CrashExit);
            duranteSalvataggio += leggi(bandiera).startsWith('\1');
            const QByteArray ora = leggi(file());
            QVERIFY2(ora == vecchio || ora == nuovo, qPrintable(QStringLiteral("after kill %1: %2").arg(i).arg(QString::fromLatin1(ora.toPercentEncoding()))));
        }
        // The kills must really come while saving, or this proves nothing.
        QVERIFY2(duranteSalvataggio >= uccisioni / 4, qPrintable(QString::number(duranteSalvataggio)));
    }

};

QTEST_GUILESS_MAIN(TstImpostazioni)
#include "tst_impostazioni.moc"
