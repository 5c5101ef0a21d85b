// Sounds and animations are read only once an exercise runs: the whole
// program in this process (real screens, the real WAV player with no audio
// device, real animation cells, fake speech) plays a problem with a wrong
// press before every right one. A sound that cannot be played gives the
// beep; an animation that cannot be shown leaves its cell empty; either way
// the problem goes on to its end.

#include "cellaanimata.h"
#include "contesto.h"
#include "dialoghifinti.h"
#include "formesercizio.h"
#include "modulo1.h"
#include "motorefinto.h"
#include "programma.h"
#include "registroschermi.h"
#include "schermi.h"
#include "schermo.h"
#include "suoniwav.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TstEserciziGuasti : public QObject
{
    Q_OBJECT
    static QPushButton *bottone(FormEsercizio *f, Pressione p)
    {
        switch (p.tasto) {
        case Tasto::Cifra:
            return f->bottoneCifra(p.cifra);
        case Tasto::Piu:
            return f->bottonePiu();
        case Tasto::Meno:
            return f->bottoneMeno();
        case Tasto::Uguale:
            break;
        }
        return f->bottoneUguale();
    }
    static void clic(QObject *b)
    {
        QTest::mouseClick(qobject_cast<QAbstractButton *>(b), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-test"); }

    void gioca_data()
    {
        QTest::addColumn<QString>("guasto"); // files of the program folder given garbage, or removed ("-")
        QTest::addColumn<bool>("bipGiusto");
        QTest::addColumn<bool>("bipSbagliato");
        QTest::addColumn<bool>("celleVuote");
        QTest::newRow("shipped data") << QString() << false << false << false;
        QTest::newRow("si.wav garbage") << QStringLiteral("suoni/si.wav") << true << false << false;
        QTest::newRow("no.wav missing") << QStringLiteral("-suoni/no.wav") << false << true << false;
        QTest::newRow("every GIF garbage") << QStringLiteral("gifanimate/") << false << false << true;
    }
    void gioca()
    {
        QFETCH(QString, guasto);
        QFETCH(bool, bipGiusto);
        QFETCH(bool, bipSbagliato);
        QFETCH(bool, celleVuote);
        QTemporaryDir dir;
        const QString dati = qEnvironmentVariable("NUMERELLA_DATA"), programma = dir.filePath(QStringLiteral("prog"));
        for (QDirIterator it(dati, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString relativo = QDir(dati).relativeFilePath(it.next());
            QDir().mkpath(QFileInfo(programma + u'/' + relativo).path());
            if (!guasto.isEmpty() && guasto.mid(1) == relativo)
                continue;
            QFile da(it.filePath()), a(programma + u'/' + relativo);
            QVERIFY(da.open(QIODevice::ReadOnly) && a.open(QIODevice::WriteOnly));
            a.write(!guasto.isEmpty() && relativo.startsWith(guasto) ? QByteArray("RIFF GIF89a garbage") : da.readAll());
        }
        QDir().mkpath(dir.filePath(QStringLiteral("run")));
        Programma::Opzioni o;
        o.percorsi = Percorsi{programma, dir.filePath(QStringLiteral("config"))};
        o.cartellaLock = dir.filePath(QStringLiteral("run"));
        o.seme = 1;
        FabbricaFinta fabbrica;
        fabbrica.prepara = [](MotoreFinto &m) { m.durataMs = 1; };
        o.fabbricaMotore = fabbrica.fabbrica();
        auto dialoghi = std::make_unique<DialoghiFinti>();
        dialoghi->rispostaPredefinita = true;
        o.dialoghi = std::move(dialoghi);
        o.registraSchermi = registraSchermi;
        o.termina = [](int) {};
        Schermo::setDisplayPerTest(QSize(1024, 768));
        Programma p(std::move(o));
        QCOMPARE(p.Main(), std::optional<int>());
        auto *suoni = dynamic_cast<SuoniWav *>(&p.contesto().suoni);
        QVERIFY(suoni);

        clic(p.registro().caricato(QStringLiteral("FormAvvio"))->controllo(QStringLiteral("BottoneAvvio")));
        clic(p.registro().caricato(QStringLiteral("FormMenu"))->controllo(QStringLiteral("Command8")));
        auto *f = qobject_cast<FormEsercizio *>(p.registro().caricato(QStringLiteral("Form1")));
        QVERIFY(f && f->isVisible());
        int celle = 0;
        for (int i = 0; i < 9; ++i) {
            if (f->cella(i)->isVisible()) {
                ++celle;
                QCOMPARE(f->cella(i)->vuota(), celleVuote);
            }
        }
        QVERIFY(celle > 0);
        for (int passi = 0; !f->bottoneAvanti()->isVisible(); ++passi) {
            QVERIFY(passi < 20);
            const Pressione giusta = f->problema().attesa(f->problema().passo());
            const Pressione sbagliata{Tasto::Cifra, giusta.tasto == Tasto::Cifra ? (giusta.cifra + 1) % 10 : 0};
            int prima = suoni->suonati();
            QTest::mouseClick(bottone(f, sbagliata), Qt::LeftButton);
            QCOMPARE(suoni->suonati(), prima + 1);
            QCOMPARE(suoni->ultimoAllarme(), bipSbagliato);
            prima = suoni->suonati();
            QTest::mouseClick(bottone(f, giusta), Qt::LeftButton);
            if (suoni->suonati() > prima)
                QCOMPARE(suoni->ultimoAllarme(), bipGiusto);
        }
        QCOMPARE(int(p.stato().NumeroEsatti), 1);
        Schermo::setDisplayPerTest(QSize());
    }
};

QTEST_MAIN(TstEserciziGuasti)
#include "tst_eserciziguasti.moc"
