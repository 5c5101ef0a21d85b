#include "cellaanimata.h"
#include "codec.h"
#include "motorefinto.h"
#include "pannellobocca.h"
#include "percorsi.h"
#include "testi.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// A GIF of w x h pixels and one-pixel frames of 20 ms: black, and white in the last frame.
QByteArray gif(int w, int h, int fotogrammi = 1)
{
    QByteArray b = "GIF89a" + QByteArray(1, char(w)) + char(w >> 8) + char(h) + char(h >> 8);
    b += QByteArray("\x80\0\0\0\0\0\xff\xff\xff", 9);
    for (int i = 1; i <= fotogrammi; ++i)
        b += QByteArray("\x21\xf9\x04\0\x02\0\0\0\x2c\0\0\0\0\x01\0\x01\0\0\x02\x02", 20)
            + (i < fotogrammi ? "\x44\x01" : "\x4c\x01") + '\0';
    return b + ';';
}

// Whether the cell's picture is another than `prima` within a while, as a running animation's. Only a change
// counts: a slow machine may make an animation look stopped, never a stopped one look running.
bool cambia(const CellaAnimata &c, int ms, std::optional<qint64> prima = {})
{
    return QTest::qWaitFor([&, p = prima.value_or(c.pixmap().cacheKey())] { return c.pixmap().cacheKey() != p; }, ms);
}
} // namespace

// The animation cell opens only its own folder's files, resting while hidden; the mouth moves only while
// the engine speaks, and only its button asks for a sample.
class TestAnimazioni : public QObject
{
    Q_OBJECT
    QTemporaryDir radice;

private Q_SLOTS:
    // Every name a story may hold: the start-up check names it exactly when the cell stays empty.
    void cosaApre_data()
    {
        QTest::addColumn<QString>("nome"); // as the story writes it
        QTest::addColumn<bool>("mostra");
        QTest::newRow("a file of the folder") << u"gatto.gif"_qs << true;
        QTest::newRow("missing file") << u"nessuno.gif"_qs << false;
        QTest::newRow("climbing out") << u"../fuori.gif"_qs << false;
        QTest::newRow("climbing out and back in") << u"../gifanimate/gatto.gif"_qs << true;
        QTest::newRow("link pointing out") << u"collegamento.gif"_qs << false;
        QTest::newRow("pipe") << u"tubo.gif"_qs << false;
        QTest::newRow("frames of 1024 x 1024") << u"1024.gif"_qs << true;
        QTest::newRow("frames of 1025 x 1024") << u"1025.gif"_qs << false;
    }
    void cosaApre()
    {
        QFETCH(QString, nome);
        QFETCH(bool, mostra);
        const QString biscotto = qEnvironmentVariable("NUMERELLA_DATA") + u"/gifanimate/biscotto.gif"_qs,
                      cartella = radice.filePath(u"gifanimate"_qs);
        QDir().mkpath(cartella);
        QFile::copy(biscotto, cartella + u"/gatto.gif"_qs);
        QFile::copy(biscotto, radice.filePath(u"fuori.gif"_qs));
        QFile::link(radice.filePath(u"fuori.gif"_qs), cartella + u"/collegamento.gif"_qs);
        ::mkfifo(QFile::encodeName(cartella + u"/tubo.gif"_qs).constData(), 0600);
        QVERIFY(scriviFileAtomico(cartella + u"/1024.gif"_qs, gif(1024, 1024, 2))
                && scriviFileAtomico(cartella + u"/1025.gif"_qs, gif(1025, 1024, 2)));
        Storia s;
        s.fileCi = s.fileCambia = nome;
        QCOMPARE(animazioniGuaste({s}, {}, radice.path(), u"testi"_qs).isEmpty(), mostra);
        CellaAnimata c(cartella);
        c.resize(87, 87);
        c.setFile(Percorsi::unisci(cartella, nome));
        QCOMPARE(c.pixmap().isNull(), !mostra);
        c.start(); // while hidden: starts when shown
        QVERIFY(!cambia(c, 300));
        const qint64 nascosta = c.pixmap().cacheKey();
        c.show();
        QCOMPARE(cambia(c, mostra ? 10000 : 300, nascosta), mostra); // an empty cell has nothing to wait for
        c.hide();
        QVERIFY(!cambia(c, 300));
    }

    // A thing that arrived or went away (played once) stays as it ended, also when shown again. A long one too,
    // while the cell keeps only part of its frames (all of them would take 100 MB): its last frame is white.
    void giocaUnaVolta()
    {
        const QString cartella = radice.filePath(u"gifanimate"_qs);
        QDir().mkpath(cartella);
        QVERIFY(scriviFileAtomico(cartella + u"/lunga.gif"_qs, gif(64, 64, 100)));
        CellaAnimata c(cartella);
        c.resize(500, 500);
        c.setFile(cartella + u"/lunga.gif"_qs);
        c.show(), c.start();
        QTRY_COMPARE_WITH_TIMEOUT(c.pixmap().toImage().pixelColor(0, 0), QColor(Qt::white), 60000); // its end
        c.hide(), c.show();
        QVERIFY(!cambia(c, 300) && c.framesScalati() < 100);
        QCOMPARE(c.pixmap().toImage().pixelColor(0, 0), QColor(Qt::white));
    }

    // clang-format off
    void movimento_data()
    {
        QTest::addColumn<QString>("prima"); // what the engine does before the panel exists
        QTest::addColumn<QString>("dopo"); // and after
        QTest::addColumn<bool>("muove");
        QTest::newRow("idle") << "" << "" << false;
        QTest::newRow("speaking") << "" << "parla" << true;
        QTest::newRow("already speaking") << "parla" << "" << true;
        QTest::newRow("stopped") << "parla" << "ferma" << false;
        QTest::newRow("engine gone while speaking") << "parla" << "distruggi" << false;
    }
    // clang-format on
    void movimento()
    {
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        QFETCH(bool, muove);
        auto *m = new MotoreFinto;
        m->muto = true;
        auto fai = [&m](const QString &a) {
            a == u"parla"       ? m->SpeakText(QStringLiteral("Ciao"))
                : a == u"ferma" ? m->StopSpeech()
                : a.isEmpty()   ? void()
                                : delete std::exchange(m, nullptr);
        };
        fai(prima);
        PannelloBocca p(m);
        fai(dopo);
        QCOMPARE(p.apertura() > 0.0, muove);
        // Only a change counts: a slow machine may make the mouth look still, never a still one look moving.
        const QImage quadro = p.grab().toImage();
        QCOMPARE(QTest::qWaitFor([&] { return p.grab().toImage() != quadro; }, muove ? 10000 : 500), muove);
        delete m;
    }

    void bottone()
    {
        MotoreFinto m;
        PannelloBocca p(&m);
        p.resize(300, 240);
        QSignalSpy richieste(&m, &MotoreVoce::SampleRequest);
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(150, 40)); // the mouth
        QCOMPARE(richieste.size(), 0);
        QTest::mouseClick(&p, Qt::LeftButton, {}, p.rettangoloBottone().center());
        QCOMPARE(richieste.size(), 1);
    }
};

QTEST_MAIN(TestAnimazioni)
#include "tst_animazioni.moc"
