#include "codec.h"
#include "impostazioni.h"
#include "modulo1.h"

#include <QtTest>
#include <csignal>
#include <random>
#include <sys/mman.h>
#include <sys/wait.h>

static QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

class TstImpostazioni : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString file() const { return dir.filePath(u"numerella.INI"_qs); }

private Q_SLOTS:
    void caricaESalva_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // "<assente>": neither the file nor its folder
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("voce");
        QTest::addColumn<QByteArray>("salvato");
        const QByteArray predefiniti(" 130 \r\n 1 \r\n");
        QTest::newRow("150 and 2") << QByteArray(" 150 \r\n 2 \r\n") << 150 << 2 << QByteArray(" 150 \r\n 2 \r\n");
        QTest::newRow("no file") << QByteArray("<assente>") << 130 << 1 << predefiniti;
        QTest::newRow("garbage") << QByteArray("veloce\r\n\x01\xff\0voce\r\n", 17) << 130 << 1 << predefiniti;
        QTest::newRow("32768, too large for 16 bits")
            << QByteArray("32768\n2\n") << 130 << 2 << QByteArray(" 130 \r\n 2 \r\n");
        QTest::newRow("negative") << QByteArray("-5\n2") << -5 << 2 << QByteArray("-5 \r\n 2 \r\n");
        QTest::newRow("zeros saved as the defaults") << QByteArray("0\n0") << 0 << 0 << predefiniti;
    }
    void caricaESalva()
    {
        QFETCH(QByteArray, contenuto);
        const QString cartella = dir.filePath(u"sparita"_qs);
        QDir(cartella).removeRecursively();
        Modulo1 m;
        m.FileImpostazioni = cartella + u"/numerella.INI"_qs;
        if (contenuto != "<assente>")
            QVERIFY(QDir().mkpath(cartella) && scriviFileAtomico(m.FileImpostazioni, contenuto));
        CaricaImpostazioni(m);
        QTEST(int(m.Velocita), "velocita");
        QTEST(int(m.Voce), "voce");
        QCOMPARE(leggi(m.FileImpostazioni), contenuto); // reading never writes
        QVERIFY(SalvaImpostazioni(m)); // the folder is made again; a longer content is replaced whole
        QTEST(leggi(m.FileImpostazioni), "salvato");
        QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // A process killed while it saves leaves the old content or the new one, byte for byte.
    void uccisoMentreSalva()
    {
        const QByteArray vecchio(" 95 \r\n 1 \r\n"), nuovo(" 150 \r\n 2 \r\n");
        QVERIFY(scriviFileAtomico(file(), vecchio));
        // [0]: saves done, [1]: 1 while a save is in progress.
        auto *stato = static_cast<volatile unsigned *>(
            ::mmap(nullptr, 8, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
        QVERIFY(stato != MAP_FAILED);
        std::mt19937 caso(20240607);
        int duranteSalvataggio = 0;
        for (int i = 0; i < 10; ++i) {
            stato[0] = 0;
            stato[1] = 0;
            const pid_t figlio = ::fork();
            if (figlio == 0) {
                Modulo1 m;
                m.FileImpostazioni = file();
                for (unsigned n = 0;; ++n) {
                    m.Velocita = n % 2 ? 95 : 150;
                    m.Voce = n % 2 ? 1 : 2;
                    stato[1] = 1;
                    if (!SalvaImpostazioni(m))
                        ::_exit(1);
                    stato[1] = 0;
                    stato[0] = n + 1;
                }
            }
            QVERIFY(figlio > 0);
            while (stato[0] == 0)
                QThread::usleep(100);
            QThread::usleep(std::uniform_int_distribution<int>(0, 15000)(caso));
            ::kill(figlio, SIGKILL);
            int come = 0;
            QVERIFY2(::waitpid(figlio, &come, 0) == figlio && WIFSIGNALED(come), "a save failed");
            duranteSalvataggio += stato[1];
            const QByteArray ora = leggi(file());
            QVERIFY2(ora == vecchio || ora == nuovo,
                     qPrintable(u"after kill %1: %2"_qs.arg(i).arg(QString::fromLatin1(ora.toPercentEncoding()))));
        }
        // The kills must really come while saving, or this proves nothing.
        QVERIFY2(duranteSalvataggio >= 3, qPrintable(QString::number(duranteSalvataggio)));
    }
};

QTEST_GUILESS_MAIN(TstImpostazioni)
#include "tst_impostazioni.moc"
