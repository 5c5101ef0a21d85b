// The whole program in this process (fake speech, a private sound server) shows a problem and
// takes a wrong press: a sound is heard even when its file cannot be played (the beep), a broken
// animation leaves its cell empty and is named in a notice.

#include "dialoghifinti.h"
#include "elencoschermi.h"
#include "formesercizio.h"
#include "ini.h"
#include "motorefinto.h"
#include "programma.h"
#include "schermi.h"
#include "serveraudioprova.h"
#include "suoniwav.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

class TstEserciziGuasti : public QObject
{
    Q_OBJECT
    ServerAudioProva server;
    bool conServer = false;

private Q_SLOTS:
    void initTestCase()
    {
        conServer = ServerAudioProva::disponibile() && server.avvia(22050);
        if (!conServer)
            qputenv("PULSE_SERVER", "unix:/nonexistent/numerella-test");
    }
    void cleanup()
    {
        if (conServer)
            server.fermaRegistrazione();
    }
    void gioca_data()
    {
        QTest::addColumn<QString>("guasto"); // the program's files under this folder are given garbage
        QTest::addColumn<bool>("celleVuote");
        QTest::newRow("every WAV garbage") << u"suoni/"_qs << false;
        QTest::newRow("every GIF garbage") << u"gifanimate/"_qs << true;
        QTest::newRow("stored language's stories garbage: a notice, Italian ones") << u"testi/English/"_qs << false;
    }
    void gioca()
    {
        QFETCH(QString, guasto);
        QFETCH(bool, celleVuote);
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
        FabbricaFinta fabbrica;
        auto *dialoghi = new DialoghiFinti;
        Programma p(
            {.percorsi = Percorsi{programma, dir.filePath(u"config"_qs)},
             .cartellaLock = dir.filePath(u"run"_qs),
             .seme = 1,
             .fabbricaMotore = fabbrica.fabbrica(),
             .dialoghi = std::unique_ptr<Dialoghi>(dialoghi),
             .fabbricaSuoni = [](const Boolean &a, const QString &c) { return std::make_unique<SuoniWav>(a, c); },
             .pluginVoce = QString(),
             .display = [] { return QRect(0, 0, 1024, 768); },
             .registraSchermi = registraSchermi,
             .termina = [](int) {}});
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
        auto *f = qobject_cast<FormEsercizio *>(p.schermi().mostra(u"Form1"_qs));
        QVERIFY(f && f->isVisible());
        QTRY_VERIFY(f->controllo<QPushButton>(u"Command1"_qs, 0)->isEnabled()); // the first question read
        int celle = 0, sbagliate = 0;
        for (const QLabel *c : f->findChildren<QLabel *>(u"GifAnimator1"_qs)) // the nine cells
            celle += c->isVisible(), sbagliate += c->isVisible() && c->pixmap().isNull() != celleVuote;
        QVERIFY(celle > 0 && sbagliate == 0);
        if (!conServer)
            QSKIP("no private sound server (pulseaudio) to hear the wrong press");
        QVERIFY2(server.registra(), qPrintable(server.errore()));
        // A wrong press: the addition wants as many as the things shown first. Speech is fake: whatever is
        // heard (above -35 dBFS) is the sound of the press.
        QTest::mouseClick(f->controllo<QPushButton>(u"Command1"_qs, (celle + 1) % 10), Qt::LeftButton);
        const auto sentito = [this] {
            const QByteArray pcm = server.registrato();
            const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
            return std::any_of(s, s + pcm.size() / 2, [](qint16 v) { return std::abs(int(v)) > 600; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(sentito(), 30000);
    }
};

QTEST_MAIN(TstEserciziGuasti)
#include "tst_eserciziguasti.moc"
