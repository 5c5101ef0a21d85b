// The INI reader and writer of the language files and LangSetting.ini.

#include "codec.h"
#include "ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray Assente = "<assente>";

// The content, then a comment section bringing the file to `dimensione` bytes.
QByteArray riempito(const QByteArray &contenuto, qsizetype dimensione)
{
    const QByteArray b = contenuto + "\r\n[Riempimento]\r\n;";
    return b + QByteArray(dimensione - b.size() - 2, 'x') + "\r\n";
}
} // namespace

class TstIni : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    // Section "S", key given; read from a file of 64000 bytes (the INI reader), then 64001 (the line scan).
    // clang-format off
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("piccolo");
        QTest::addColumn<QString>("grande");
        QTest::newRow("quoted") << QByteArray("[S]\r\nk=\"valore\"") << "k" << "valore" << "valore";
        QTest::newRow("unquoted") << QByteArray("[S]\r\nk=valore") << "k" << "valore" << "alor";
        QTest::newRow("same key in two sections") << QByteArray("[A]\r\nkkkk=\"1\"\r\n[S]\r\nkkkk=\"2\"") << "kkkk" << "2" << "1";
        QTest::newRow("same key twice") << QByteArray("[S]\r\nk=\"a\"\r\nk=\"b\"") << "k" << "a" << "a";
        QTest::newRow("longer key first") << QByteArray("[S]\r\nkkkkk=\"x\"\r\nkkkk=\"y\"") << "kkkk" << "y" << "\"x";
        QTest::newRow("other case, blanks, quotes") << QByteArray("[ s ]\r\n  K  =  'v'  ") << "k" << "v" << "";
        const QByteArray lungo = "[S]\r\nk=\"" + QByteArray(600, 'a') + "\"";
        QTest::newRow("600 characters cut to 511") << lungo << "k" << QString(511, u'a') << QString(600, u'a');
    }
    // clang-format on
    void lettura()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, chiave);
        const QString p = m_dir.filePath(QStringLiteral("lettura.ini"));
        LettoreIni inMemoria; // must answer as the reader does, also once the file is replaced
        QVERIFY(scriviFileAtomico(p, riempito(contenuto, 64000)));
        QTEST(MLSReadIniValue(p, QStringLiteral("S"), chiave).value_or("<nullopt>"), "piccolo");
        QTEST(inMemoria.leggi(p, QStringLiteral("S"), chiave).value_or("<nullopt>"), "piccolo");
        QVERIFY(scriviFileAtomico(p, riempito(contenuto, 64001)));
        QTEST(MLSReadIniValue(p, QStringLiteral("S"), chiave).value_or("<nullopt>"), "grande");
        QTEST(inMemoria.leggi(p, QStringLiteral("S"), chiave).value_or("<nullopt>"), "grande");
    }

    // A file kept in memory is read again once replaced on disk, also at the same size; also compared with the disk
    // while read less than two seconds (FAT's tick) after its modification, or before it.
    void fileSostituito()
    {
        const qint64 t = 1700000000000000000;
        QVERIFY(copiaIncerta(t, t + 1999999999) && !copiaIncerta(t, t + 2000000000) && copiaIncerta(t, t - 1));
        const QString p = m_dir.filePath(QStringLiteral("sostituito.lng"));
        LettoreIni l;
        for (const char *v : {"1", "2"}) {
            QVERIFY(scriviFileAtomico(p, riempito(QByteArray("k=\"") + v + '"', 64001)));
            QCOMPARE(l.leggi(p, QStringLiteral("S"), QStringLiteral("k")), QString::fromLatin1(v));
        }
    }

    // A row whose file stays as it was (or is not made) is a refusal.
    // clang-format off
    void scrittura_data()
    {
        QTest::addColumn<QByteArray>("prima"); // Assente: no file
        QTest::addColumn<QStringList>("voce"); // section, key, value
        QTest::addColumn<QByteArray>("dopo");
        const QByteArray base = "; scelta\r\n[L]\r\nk=Italiano\r\nAltro = 1 \r\n\r\n[X]\r\ny=2\r\n";
        QTest::newRow("in place, other case") << base << QStringList{"l", "K", "v"} << QByteArray(base).replace("Italiano", "v");
        QTest::newRow("after the last entry") << base << QStringList{"L", "j", "v"} << QByteArray(base).replace("1 \r\n", "1 \r\nj=v\r\n");
        QTest::newRow("new section at the end") << base << QStringList{"Z", "k", "v"} << QByteArray(base + "[Z]\r\nk=v\r\n");
        QTest::newRow("no final line break") << QByteArray("[L]\r\nk=1") << QStringList{"L", "j", "v"} << QByteArray("[L]\r\nk=1\r\nj=v\r\n");
        QTest::newRow("new file") << Assente << QStringList{"L", "k", "v"} << QByteArray("[L]\r\nk=v\r\n");
        QTest::newRow("LF in value") << base << QStringList{"L", "k", "Ita\nliano"} << base;
        QTest::newRow("NUL in value") << base << QStringList{"L", "k", QStringLiteral("I") + QChar(0)} << base;
        QTest::newRow("CR in key") << base << QStringList{"L", "k\r[X]", "v"} << base;
        QTest::newRow("LF in section, no file") << Assente << QStringList{"L\nX", "k", "v"} << Assente;
    }
    // clang-format on
    void scrittura()
    {
        QFETCH(QByteArray, prima);
        QFETCH(QByteArray, dopo);
        const QString p = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())); // a file per row
        QVERIFY(prima == Assente || scriviFileAtomico(p, prima));
        QFETCH(QStringList, voce);
        QCOMPARE(MLSWriteIniValue(p, voce[0], voce[1], voce[2]) != 0, dopo != prima);
        QFile f(p);
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : Assente, dopo);
    }
};

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
