// A program killed while it saves must leave the file it was writing
// whole: the old content or the new one, never a mixture, a truncated file
// or none. A helper saves in a loop, alternating two contents, and is
// killed with SIGKILL at random moments, many times; after every kill the
// file must equal one of the two contents byte for byte. A few helpers run
// side by side, each on a file of its own, to keep the test short.

#include "impostazioni.h"
#include "processofiglio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>
#include <random>

namespace {

constexpr int Uccisioni = 200;
constexpr int RitardoMassimoMs = 15;
constexpr int InParallelo = 4;

QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// One helper's place: its folder holds only the saved file (and whatever
// a kill leaves there); the flag and the output live elsewhere.
struct Posto {
    QTemporaryDir cartella;
    QTemporaryDir altro;
    std::unique_ptr<ProcessoFiglio> p;
    bool pronto = false;
    QElapsedTimer t;
    int ritardoMs = 0;
};

} // namespace

class TstInterruzione : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void uccisoMentreSalva_data()
    {
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QString>("nomeFile");
        QTest::addColumn<QByteArray>("vecchio");
        QTest::addColumn<QByteArray>("nuovo");
        QTest::newRow("settings (SalvaImpostazioni)")
            << "impostazioni" << "numerella.INI" << testoImpostazioni(95, 1) << testoImpostazioni(150, 2);
        QTest::newRow("language choice (MLSWriteIniValue)")
            << "lingua" << "LangSetting.ini" << QByteArray("[Language]\r\nCurrentLanguage=Italiano\r\n")
            << QByteArray("[Language]\r\nCurrentLanguage=English\r\n");
    }

    void uccisoMentreSalva()
    {
        QFETCH(QString, modo);
        QFETCH(QString, nomeFile);
        QFETCH(QByteArray, vecchio);
        QFETCH(QByteArray, nuovo);

        const QString aiutante = QCoreApplication::applicationDirPath() + QStringLiteral("/salvaciclo");
        QVERIFY2(QFileInfo(aiutante).isExecutable(), qPrintable(aiutante));
        const QStringList ambiente = ambienteCon({});
        std::mt19937 caso(20240607);
        std::uniform_int_distribution<int> ritardo(0, RitardoMassimoMs);

        Posto posti[InParallelo];
        for (Posto &posto : posti) {
            QFile f(posto.cartella.filePath(nomeFile));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(vecchio);
        }

        int avviati = 0;
        int uccisi = 0;
        int duranteSalvataggio = 0; // kills that came while a save was in progress
        int avanzi = 0;             // kills that left a temporary file beside the file
        QElapsedTimer t;
        t.start();
        while (uccisi < Uccisioni) {
            for (Posto &posto : posti) {
                const QString file = posto.cartella.filePath(nomeFile);
                const QString bandiera = posto.altro.filePath(QStringLiteral("salvando"));
                if (!posto.p) {
                    if (avviati == Uccisioni)
                        continue;
                    posto.p = std::make_unique<ProcessoFiglio>();
                    QString errore;
                    QVERIFY2(posto.p->avvia(aiutante, {modo, file, bandiera}, ambiente,
                                            posto.altro.filePath(QStringLiteral("uscita.txt")), &errore),
                             qPrintable(errore));
                    ++avviati;
                    posto.pronto = false;
                    posto.t.start();
                    continue;
                }
                if (!posto.pronto) {
                    QVERIFY2(posto.p->inCorso(), qPrintable(QStringLiteral("the helper %1: %2")
                                                                .arg(posto.p->comeFinito(),
                                                                     QString::fromUtf8(posto.p->uscita()))));
                    QVERIFY2(posto.t.elapsed() < 30000, "the helper never got ready");
                    if (posto.p->uscita().contains("pronto")) {
                        posto.pronto = true;
                        posto.ritardoMs = ritardo(caso);
                        posto.t.start();
                    }
                    continue;
                }
                if (posto.t.elapsed() < posto.ritardoMs)
                    continue;

                posto.p->segnala(SIGKILL);
                QVERIFY(posto.p->attendi(10000));
                QCOMPARE(posto.p->segnale(), SIGKILL);
                posto.p.reset();
                ++uccisi;
                duranteSalvataggio += leggi(bandiera).startsWith('\1');

                const QByteArray ora = leggi(file);
                QVERIFY2(ora == vecchio || ora == nuovo,
                         qPrintable(QStringLiteral("after kill %1 the file holds %2 bytes: %3")
                                        .arg(uccisi)
                                        .arg(ora.size())
                                        .arg(QString::fromLatin1(ora.toPercentEncoding()))));
                // A temporary file of a save cut short is never read by the
                // program; it is counted and cleared for the next round.
                for (const QString &r : QDir(posto.cartella.path()).entryList(QDir::Files | QDir::Hidden)) {
                    if (r != nomeFile) {
                        ++avanzi;
                        QFile::remove(posto.cartella.filePath(r));
                    }
                }
            }
            QThread::usleep(300);
        }
        qInfo("%d kills in %lld ms, %d of them while a save was in progress; %d left a temporary file beside "
              "the saved one",
              uccisi, t.elapsed(), duranteSalvataggio, avanzi);
        // The kills must really come while saving, or the test proves nothing.
        QVERIFY2(duranteSalvataggio >= Uccisioni / 2, qPrintable(QString::number(duranteSalvataggio)));
    }
};

QTEST_GUILESS_MAIN(TstInterruzione)
#include "tst_interruzione.moc"
