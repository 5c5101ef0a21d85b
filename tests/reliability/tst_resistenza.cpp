// A long session: 500 problems solved by pressing the buttons, on the
// addition screen, on the subtraction screen and in the mixed mode (where
// "avanti" hands over between the two screens), every tenth problem with
// a wrong press at each step. The program's resident memory after the last
// problem may exceed that after the 50th by at most 5 MB: screens, cells,
// animations and sentences made for each problem must go with it. (Built
// with AddressSanitizer, whose quarantine keeps freed memory resident on
// purpose, the figures are only reported; LeakSanitizer checks at the end.)

#include "formesercizio.h"
#include "formmenu.h"
#include "modulo1.h"
#include "programmaprova.h"
#include "registroschermi.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QtTest>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int Problemi = 500;
constexpr int Riferimento = 50; // memory measured after this many
constexpr qint64 CrescitaMassima = 5 * 1024 * 1024;

// What the program holds, not what Qt keeps for reuse or the allocator has
// not handed back yet: Qt's pixmap cache (bounded, 10 MB by default) keeps
// the icon pictures of screens long gone, and freed memory stays resident
// until trimmed.
qint64 memoriaResidente()
{
    QCoreApplication::processEvents();
    QPixmapCache::clear();
    ::malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campi = f.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class TstResistenza : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cinquecentoProblemi()
    {
        ProgrammaProva p;
        QString errore;
        QVERIFY2(p.avvia({}, &errore), qPrintable(errore));
        FormMenu *menu = p.alMenu();
        QVERIFY(menu);

        // Three stretches: addition, subtraction, mixed.
        const struct {
            const char *bottone;
            int problemi;
            bool misto;
        } tratti[] = {{"Command8", 150, false}, {"Command7", 150, false}, {"Command2", 200, true}};

        QElapsedTimer t;
        t.start();
        int fatti = 0;
        int sbagli = 0;
        int passaggi = 0; // mixed mode: hand-overs to the other screen
        qint64 memoriaRiferimento = -1;
        qint64 memoriaFine = -1;
        for (const auto &tratto : tratti) {
            QVERIFY(menu);
            ProgrammaProva::clic(qobject_cast<QAbstractButton *>(menu->controllo(QString::fromLatin1(tratto.bottone))));
            FormEsercizio *f = p.esercizio();
            QVERIFY2(f, tratto.bottone);
            QCOMPARE(p.programma().stato().ModoMisto, tratto.misto ? True : False);
            for (int i = 0; i < tratto.problemi; ++i) {
                const bool conErrori = fatti % 10 == 9;
                QVERIFY2(p.risolvi(f, conErrori, &errore),
                         qPrintable(QStringLiteral("problem %1 on %2: %3").arg(fatti + 1).arg(f->objectName(), errore)));
                sbagli += conErrori ? 8 : 0;
                ++fatti;
                p.dimenticaRegistrazioni();
                if (fatti == Riferimento)
                    memoriaRiferimento = memoriaResidente();
                if (fatti == Problemi)
                    memoriaFine = memoriaResidente();
                if (i + 1 < tratto.problemi) {
                    const QString prima = f->objectName();
                    f = p.avanti(f);
                    QVERIFY2(f, "no exercise screen after \"avanti\"");
                    passaggi += f->objectName() != prima;
                    if (!tratto.misto)
                        QCOMPARE(f->objectName(), prima);
                }
            }
            menu = p.esci(f);
            QVERIFY2(menu, "no menu after the exit entry");
            QVERIFY(!p.esercizio());
        }

        QCOMPARE(fatti, Problemi);
        QCOMPARE(int(p.programma().stato().NumeroEsatti), Problemi);
        QCOMPARE(int(p.programma().stato().NumeroErrati), sbagli);
        // The mixed stretch really went back and forth.
        QVERIFY2(passaggi > 40, qPrintable(QString::number(passaggi)));
        QVERIFY(p.terminazioni.isEmpty());

        const qint64 crescita = memoriaFine - memoriaRiferimento;
        qInfo("%d problems in %lld ms; resident memory after problem %d: %.1f MB, after problem %d: %.1f MB "
              "(%+.2f MB); %d hand-overs in the mixed mode",
              fatti, t.elapsed(), Riferimento, memoriaRiferimento / 1048576.0, Problemi, memoriaFine / 1048576.0,
              crescita / 1048576.0, passaggi);
        QVERIFY(memoriaRiferimento > 0);
        QVERIFY(memoriaFine > 0);
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(crescita <= CrescitaMassima,
                 qPrintable(QStringLiteral("resident memory grew by %1 bytes").arg(crescita)));
#endif
    }
};

QTEST_MAIN(TstResistenza)
#include "tst_resistenza.moc"
