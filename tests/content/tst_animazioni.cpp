// Every animation a shipped story names exists and plays, and nothing in the
// animation folder is left without a story.

#include "testi.h"

#include <QDir>
#include <QImage>
#include <QMovie>
#include <QSet>
#include <QtTest>

namespace {

QString cartellaDati()
{
    return qEnvironmentVariable("NUMERELLA_DATA");
}

QSet<QString> animazioniNominate(QStringList *errori)
{
    QSet<QString> nomi;
    for (const auto &[nome, campi] : {std::pair{QStringLiteral("lista1.txt"), 15}, {QStringLiteral("lista2.txt"), 16}}) {
        const EsitoLettura e = leggiFileTesti(cartellaDati() + QStringLiteral("/testi/") + nome, campi);
        if (!e.ok()) {
            *errori << e.errore;
            continue;
        }
        for (const auto &r : e.record) {
            nomi.insert(r[0]);
            nomi.insert(r[1]);
        }
    }
    return nomi;
}

} // namespace

class TstAnimazioni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void siApre_data();
    void siApre();
    void nessunaInutile();
    void icone_data();
    void icone();
};

void TstAnimazioni::siApre_data()
{
    QTest::addColumn<QString>("nome");
    QStringList errori;
    QStringList nomi = animazioniNominate(&errori).values();
    nomi.sort();
    for (const QString &n : nomi)
        QTest::newRow(qPrintable(n)) << n;
    if (!errori.isEmpty())
        QTest::newRow("stories") << errori.join(QLatin1Char('\n'));
}

void TstAnimazioni::siApre()
{
    QFETCH(QString, nome);
    // The cells open the file by the name as the story writes it, on a
    // case-sensitive file system too.
    const QString percorso = cartellaDati() + QStringLiteral("/gifanimate/") + nome;
    QVERIFY2(QFileInfo::exists(percorso), qPrintable(percorso));

    QMovie film(percorso);
    QVERIFY2(film.isValid(), qPrintable(nome));
    QVERIFY2(film.frameCount() > 1, qPrintable(QStringLiteral("%1: %2 frames").arg(nome).arg(film.frameCount())));
    QVERIFY(film.frameCount() <= 16);

    // Decode every frame: a broken frame in the middle would freeze the cell.
    int letti = 0;
    bool trasparente = false;
    bool pieno = false;
    for (int i = 0; i < film.frameCount(); ++i) {
        QVERIFY2(film.jumpToFrame(i), qPrintable(QStringLiteral("%1 frame %2").arg(nome).arg(i)));
        const QImage im = film.currentImage();
        QVERIFY(!im.isNull());
        QCOMPARE(im.size(), QSize(96, 96));
        QVERIFY2(film.nextFrameDelay() > 0, qPrintable(QStringLiteral("%1 frame %2 has no delay").arg(nome).arg(i)));
        // The cells lie on a gradient: the corners must let it show through.
        if (im.hasAlphaChannel() && qAlpha(im.pixel(0, 0)) == 0 && qAlpha(im.pixel(95, 95)) == 0)
            trasparente = true;
        for (int y = 0; y < im.height() && !pieno; y += 4) {
            for (int x = 0; x < im.width(); x += 4) {
                if (qAlpha(im.pixel(x, y)) == 255) {
                    pieno = true;
                    break;
                }
            }
        }
        ++letti;
    }
    QCOMPARE(letti, film.frameCount());
    QVERIFY2(trasparente, qPrintable(nome + QStringLiteral(": no transparent background")));
    QVERIFY2(pieno, qPrintable(nome + QStringLiteral(": nothing drawn")));

    // It loops for ever, as the cells expect.
    QImageReader lettore(percorso);
    QCOMPARE(lettore.loopCount(), -1);
}

void TstAnimazioni::nessunaInutile()
{
    QStringList errori;
    const QSet<QString> nominate = animazioniNominate(&errori);
    QVERIFY2(errori.isEmpty(), qPrintable(errori.join(QLatin1Char('\n'))));
    const QStringList presenti = QDir(cartellaDati() + QStringLiteral("/gifanimate")).entryList(QDir::Files);
    QStringList inutili;
    for (const QString &f : presenti) {
        if (!nominate.contains(f))
            inutili << f;
    }
    QVERIFY2(inutili.isEmpty(), qPrintable(QStringLiteral("no story names: ") + inutili.join(QStringLiteral(", "))));
    QVERIFY(presenti.size() >= 32);
}

void TstAnimazioni::icone_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("lato");
    for (const char *n : {"si", "no", "altoparlante"}) {
        QTest::newRow(n) << QStringLiteral("%1.png").arg(QLatin1String(n)) << 32;
        QTest::newRow(qPrintable(QStringLiteral("%1@2x").arg(QLatin1String(n))))
            << QStringLiteral("%1@2x.png").arg(QLatin1String(n)) << 64;
    }
    for (int lato : {16, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QStringLiteral("numerella-%1").arg(lato)))
            << QStringLiteral("numerella-%1.png").arg(lato) << lato;
    QTest::newRow("numerella.svg") << QStringLiteral("numerella.svg") << 0;
}

void TstAnimazioni::icone()
{
    QFETCH(QString, nome);
    QFETCH(int, lato);
    const QString percorso = cartellaDati() + QStringLiteral("/icone/") + nome;
    QVERIFY2(QFileInfo::exists(percorso), qPrintable(percorso));
    if (lato == 0) {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray svg = f.readAll();
        QVERIFY(svg.contains("<svg") && svg.contains("viewBox"));
        return;
    }
    const QImage im(percorso);
    QVERIFY2(!im.isNull(), qPrintable(nome));
    QCOMPARE(im.size(), QSize(lato, lato));
    QVERIFY(im.hasAlphaChannel());
}

QTEST_MAIN(TstAnimazioni)
#include "tst_animazioni.moc"
