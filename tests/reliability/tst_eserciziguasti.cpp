// The sounds and the animations are read only once an exercise runs, so
// their rows play problems: the whole program in this process (real
// screens, the real WAV player without an audio device, real animation
// cells), a problem solved on each exercise screen with a wrong press at
// every step. A sound that cannot be played gives the short beep instead;
// an animation that cannot be shown leaves its cell empty; either way the
// problem goes on to its end.

#include "cellaanimata.h"
#include "contesto.h"
#include "datiguasti.h"
#include "formesercizio.h"
#include "formmenu.h"
#include "programmaprova.h"
#include "suoniwav.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

namespace {

enum class Bersaglio { SuonoSi, SuonoNo, Animazioni };

// A GIF that declares a picture of 65535 by 65535 pixels (16 GB of
// pixels) in a few bytes.
QByteArray gifEnorme()
{
    QByteArray b("GIF89a");
    b += QByteArray("\xff\xff\xff\xff\x80\x00\x00", 7); // screen, 2-colour table
    b += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    b += QByteArray("\x2c\x00\x00\x00\x00\xff\xff\xff\xff\x00", 10); // image descriptor
    b += QByteArray("\x02\x02\x44\x01\x00", 5); // LZW data
    b += ';';
    return b;
}

// Gives every animation the same damaged content: one file, hard-linked
// under every name (a 10 MB file per name would fill the disk).
bool guastaAnimazioni(const QString &programma, Guasto g, const QByteArray *contenuto, QString *errore)
{
    QDir dir(programma + QStringLiteral("/gifanimate"));
    const QStringList nomi = dir.entryList({QStringLiteral("*.gif")}, QDir::Files);
    if (nomi.isEmpty()) {
        *errore = QStringLiteral("no animations to damage");
        return false;
    }
    const QString modello = programma + QStringLiteral("/modello.gif");
    if (contenuto) {
        QFile f(modello);
        if (!f.open(QIODevice::WriteOnly) || f.write(*contenuto) != contenuto->size()) {
            *errore = f.errorString();
            return false;
        }
    } else {
        if (!QFile::copy(dir.filePath(nomi.first()), modello)) {
            *errore = QStringLiteral("cannot copy %1").arg(nomi.first());
            return false;
        }
        if (g != Guasto::Mancante && g != Guasto::Cartella && !guasta(modello, g, "GIF?", errore))
            return false;
    }
    for (const QString &n : nomi) {
        const QString p = dir.filePath(n);
        QFile::remove(p);
        if (g == Guasto::Mancante)
            continue;
        if (g == Guasto::Cartella) {
            if (!dir.mkdir(n))
                return false;
            continue;
        }
        if (::link(QFile::encodeName(modello).constData(), QFile::encodeName(p).constData()) != 0) {
            *errore = QStringLiteral("cannot link %1").arg(p);
            return false;
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Bersaglio)
Q_DECLARE_METATYPE(Guasto)

class TstEserciziGuasti : public QObject
{
    Q_OBJECT

    static QList<CellaAnimata *> celleMostrate(FormEsercizio *f)
    {
        QList<CellaAnimata *> l;
        for (int i = 0; i < 9; ++i) {
            if (f->cella(i)->isVisible())
                l << f->cella(i);
        }
        return l;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // No audio device: the sounds are timed as if played, nothing is heard.
        qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-test");
    }

    void gioca_data()
    {
        QTest::addColumn<Bersaglio>("bersaglio");
        QTest::addColumn<Guasto>("guasto");
        QTest::addColumn<bool>("particolare"); // the odd case of the row: 10 MB playable, a huge GIF
        QTest::addColumn<bool>("ripiego");     // beep instead of the sound / empty cells

        const QList<Guasto> tutti{Guasto::Mancante, Guasto::Vuoto, Guasto::Illeggibile,
                                  Guasto::Spazzatura, Guasto::Grande, Guasto::Cartella};
        for (Guasto g : tutti) {
            // A 10 MB sound is a valid WAV (four minutes of a quiet tone):
            // it is played, not refused. A 10 MB animation is a valid GIF
            // followed by junk: the picture is shown.
            const bool valido = g == Guasto::Grande;
            QTest::addRow("suoni/si.wav: %s", qPrintable(nomeGuasto(g))) << Bersaglio::SuonoSi << g << false << !valido;
            QTest::addRow("suoni/no.wav: %s", qPrintable(nomeGuasto(g))) << Bersaglio::SuonoNo << g << false << !valido;
            QTest::addRow("every GIF: %s", qPrintable(nomeGuasto(g))) << Bersaglio::Animazioni << g << false << !valido;
        }
        QTest::newRow("every GIF: declares 65535 x 65535 pixels")
            << Bersaglio::Animazioni << Guasto::Spazzatura << true << true;
        QTest::newRow("suoni/ folder missing") << Bersaglio::SuonoSi << Guasto::Mancante << true << true;
        QTest::newRow("gifanimate/ folder missing") << Bersaglio::Animazioni << Guasto::Mancante << true << true;
    }

    void gioca()
    {
        QFETCH(Bersaglio, bersaglio);
        QFETCH(Guasto, guasto);
        QFETCH(bool, particolare);
        QFETCH(bool, ripiego);
        if (guasto == Guasto::Illeggibile && permessiIgnorati())
            QSKIP("this process reads files whatever their permission bits (root): no unreadable file can be made");

        ProgrammaProva::Scelte s;
        s.suoniVeri = true;
        s.prepara = [&](const QString &programma, QString *errore) {
            if (particolare && guasto == Guasto::Mancante) {
                const QString cartella = bersaglio == Bersaglio::Animazioni ? QStringLiteral("gifanimate") : QStringLiteral("suoni");
                return QDir(programma + QLatin1Char('/') + cartella).removeRecursively();
            }
            if (bersaglio == Bersaglio::Animazioni) {
                const QByteArray enorme = gifEnorme();
                return guastaAnimazioni(programma, guasto, particolare ? &enorme : nullptr, errore);
            }
            const QString file = programma + (bersaglio == Bersaglio::SuonoSi ? QStringLiteral("/suoni/si.wav")
                                                                              : QStringLiteral("/suoni/no.wav"));
            if (guasto == Guasto::Grande) {
                QFile f(file);
                const QByteArray wav = wavProva(DieciMega);
                return f.open(QIODevice::WriteOnly) && f.write(wav) == wav.size();
            }
            return guasta(file, guasto, {}, errore);
        };
        ProgrammaProva p;
        QString errore;
        QVERIFY2(p.avvia(s, &errore), qPrintable(errore));
        auto *suoni = dynamic_cast<SuoniWav *>(&p.programma().contesto().suoni);
        QVERIFY(suoni);

        FormMenu *menu = p.alMenu();
        QVERIFY(menu);
        int problemi = 0;
        for (const char *bottone : {"Command8", "Command7"}) {
            ProgrammaProva::clic(qobject_cast<QAbstractButton *>(menu->controllo(QString::fromLatin1(bottone))));
            FormEsercizio *f = p.esercizio();
            QVERIFY(f);
            const QList<CellaAnimata *> primeCelle = celleMostrate(f);
            QVERIFY(!primeCelle.isEmpty());
            QVERIFY2(p.risolvi(f, true, &errore), qPrintable(errore));
            ++problemi;
            if (bersaglio == Bersaglio::Animazioni) {
                for (CellaAnimata *c : celleMostrate(f))
                    QCOMPARE(c->vuota(), ripiego);
            }
            menu = p.esci(f);
            QVERIFY(menu);
        }
        QCOMPARE(int(p.programma().stato().NumeroEsatti), problemi);
        QCOMPARE(int(p.programma().stato().NumeroErrati), problemi * 8);
        // 8 wrong and 4 right sounds per problem, each one heard (or its beep).
        QCOMPARE(suoni->suonati(), problemi * 12);

        // Each sound on its own: the damaged one gives the beep.
        suoni->SuonoEsatto();
        QCOMPARE(suoni->ultimoAllarme(), bersaglio == Bersaglio::SuonoSi && ripiego);
        suoni->SuonoErrato();
        QCOMPARE(suoni->ultimoAllarme(), (bersaglio == Bersaglio::SuonoNo || (particolare && bersaglio == Bersaglio::SuonoSi)) && ripiego);
    }
};

QTEST_MAIN(TstEserciziGuasti)
#include "tst_eserciziguasti.moc"
