// The whole program in this process (fake speech, no sound server) shows a problem and
// takes a wrong press: a sound that cannot be played beeps, a broken animation leaves its cell empty
// and is named in a notice.

#include "dialoghifinti.h"
#include "formesercizio.h"
#include "ini.h"
#include "motorefinto.h"
#include "programma.h"
#include "registroschermi.h"
#include "schermi.h"
#include "suoniwav.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

class TstEserciziGuasti : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gioca_data()
    {
        QTest::addColumn<QString>("guasto"); // the program's files under this folder are given garbage
        QTest::addColumn<bool>("bip");
        QTest::addColumn<bool>("celleVuote");
        QTest::newRow("every WAV garbage") << u"suoni/"_qs << true << false;
        QTest::newRow("every GIF garbage") << u"gifanimate/"_qs << false << true;
        QTest::newRow("stored language's stories garbage: a notice, Italian ones")
            << u"testi/English/"_qs << false << false;
    }
    void gioca()
    {
        QFETCH(QString, guasto);
        QFETCH(bool, bip);
        QFETCH(bool, celleVuote);
        qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-test");
        QTemporaryDir dir;
        const QString dati = qEnvironmentVariable("NUMERELLA_DATA"), programma = dir.filePath(u"prog"_qs);
        for (QDirIterator it(dati, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString relativo = QDir(dati).relativeFilePath(it.next());
            if (relativo.startsWith(guasto) && relativo.endsWith(u"/palloncino.gif"_qs))
                continue; // missing, not garbage
            QDir().mkpath(QFileInfo(programma + u'/' + relativo).path());
            QFile da(it.filePath()), a(programma + u'/' + relativo);
            QVERIFY(da.open(QIODevice::ReadOnly) && a.open(QIODevice::WriteOnly));
            a.write(relativo.startsWith(guasto) ? QByteArray("RIFF GIF89a garbage") : da.readAll());
        }
        QVERIFY(MLSWriteIniValue(programma + u"/LangSetting.ini"_qs, u"Language"_qs, u"CurrentLanguage"_qs,
                                 guasto.contains(u"English"_qs) ? u"English"_qs : u"Italiano"_qs));
        QDir().mkpath(dir.filePath(u"run"_qs));
        Programma::Opzioni o;
        o.percorsi = Percorsi{programma, dir.filePath(u"config"_qs)};
        o.cartellaLock = dir.filePath(u"run"_qs);
        o.seme = 1;
        FabbricaFinta fabbrica;
        o.fabbricaMotore = fabbrica.fabbrica();
        o.fabbricaSuoni = [](const Boolean &a, const QString &c) { return std::make_unique<SuoniWav>(a, c); };
        auto *dialoghi = new DialoghiFinti;
        o.dialoghi.reset(dialoghi);
        o.registraSchermi = registraSchermi;
        o.termina = [](int) {};
        o.display = [] { return QRect(0, 0, 1024, 768); };
        Programma p(std::move(o));
        QCOMPARE(p.Main(), std::optional<int>());
        QCOMPARE(p.stato().CartellaStorie, u"testi"_qs);
        // One notice: for the teacher, naming the stories that cannot be loaded or ten of the broken files.
        const auto avviso
            = [dialoghi] { return dialoghi->finestre.size() == 1 && dialoghi->finestre[0].tipo == u"avviso"; };
        if (guasto.contains(u"English"_qs))
            QVERIFY(avviso() && dialoghi->finestre[0].testo.contains(u"testi/English/lista1.txt"_qs));
        if (celleVuote) {
            QTRY_VERIFY(avviso());
            const QString t = dialoghi->finestre[0].testo;
            QVERIFY2(t.count(u"testi/lista"_qs) == 10
                         && t.contains(u"testi/lista1.txt, storia 1, campo 1: \"palloncino.gif\" non c'è."_qs)
                         && t.contains(u"... e altre"_qs),
                     qPrintable(t));
        }
        auto *suoni = dynamic_cast<SuoniWav *>(&p.contesto().suoni);
        QVERIFY(suoni);
        auto *f = qobject_cast<FormEsercizio *>(p.registro().mostra(u"Form1"_qs));
        QVERIFY(f && f->isVisible());
        QTRY_VERIFY(f->controllo<QPushButton>(u"Command1"_qs, 0)->isEnabled()); // the first question read
        int celle = 0, sbagliate = 0;
        for (const QLabel *c : f->findChildren<QLabel *>(u"GifAnimator1"_qs)) // the nine cells
            celle += c->isVisible(), sbagliate += c->isVisible() && c->pixmap().isNull() != celleVuote;
        QVERIFY(celle > 0 && sbagliate == 0);
        const int prima = suoni->suonati();
        // A wrong press: the addition wants as many as the things shown first.
        QTest::mouseClick(f->controllo<QPushButton>(u"Command1"_qs, (celle + 1) % 10), Qt::LeftButton);
        QCOMPARE(suoni->suonati(), prima + 1);
        QCOMPARE(suoni->ultimoAllarme(), bip);
    }
};

QTEST_MAIN(TstEserciziGuasti)
#include "tst_eserciziguasti.moc"
