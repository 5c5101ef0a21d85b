// The INI reader and writer of the language files and LangSetting.ini.

#include "ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Atteso = std::optional<QString>;
Q_DECLARE_METATYPE(Atteso)

namespace {
QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

void scrivi(const QString &p, const QByteArray &b)
{
    QFile f(p);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(b);
}

// The content, then a comment section bringing the file to `dimensione` bytes.
QByteArray riempito(const QByteArray &contenuto, qsizetype dimensione)
{
    QByteArray b = contenuto + "\r\n[Riempimento]\r\n;";
    b += QByteArray(dimensione - b.size() - 2, 'x') + "\r\n";
    return b;
}
} // namespace

class TstIni : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    // Each row is read from a file of exactly 64000 bytes (the INI reader)
    // and from the same content at 64001 bytes (the line scan).
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("sezione");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<Atteso>("piccolo");
        QTest::addColumn<Atteso>("grande");

        const QString s = QStringLiteral("S");
        QTest::newRow("quoted") << QByteArray("[S]\r\nk=\"valore\"") << s << "k" << Atteso("valore") << Atteso("valore");
        QTest::newRow("single quotes") << QByteArray("[S]\r\nk='v'") << s << "k" << Atteso("v") << Atteso("v");
        QTest::newRow("unquoted") << QByteArray("[S]\r\nk=valore") << s << "k" << Atteso("valore") << Atteso("alor");
        QTest::newRow("same key in two sections")
            << QByteArray("[A]\r\nk=\"primo\"\r\n[S]\r\nk=\"secondo\"") << s << "k" << Atteso("secondo") << Atteso("primo");
        QTest::newRow("same key twice") << QByteArray("[S]\r\nk=\"a\"\r\nk=\"b\"") << s << "k" << Atteso("a") << Atteso("a");
        QTest::newRow("second section of a name ignored")
            << QByteArray("[S]\r\nk=\"a\"\r\n[A]\r\n[s]\r\nj=\"bb\"") << s << "j" << Atteso("") << Atteso("bb");
        QTest::newRow("longer key first")
            << QByteArray("[S]\r\nChiaveLunga=\"x\"\r\nChiave=\"y\"") << s << "Chiave" << Atteso("y") << Atteso("nga=\"x");
        QTest::newRow("blanks around =") << QByteArray("[S]\r\nk = \"v\"") << s << "k" << Atteso("v") << Atteso(" \"v");
        QTest::newRow("blanks around names") << QByteArray("[ S ]\r\n  k  =  \"v\"  ") << s << "k" << Atteso("v") << Atteso("");
        QTest::newRow("key in other case") << QByteArray("[S]\r\nChiave=\"v\"") << s << "chiave" << Atteso("v") << Atteso("");
        QTest::newRow("section in other case") << QByteArray("[sTrInGs]\r\nk=\"v\"") << "Strings" << "k" << Atteso("v") << Atteso("v");
        QTest::newRow("absent key") << QByteArray("[S]\r\nk=\"v\"") << s << "nessuna" << Atteso("") << Atteso("");
        QTest::newRow("absent section") << QByteArray("[S]\r\nk=\"v\"") << "Altra" << "k" << Atteso("") << Atteso("v");
        QTest::newRow("one character after =") << QByteArray("[S]\r\nk=x") << s << "k" << Atteso("x") << Atteso();
        QTest::newRow("lone LF does not end a scanned line") << QByteArray("[S]\nk=\"v\"\n") << s << "k" << Atteso("v") << Atteso("");
        QTest::newRow("CR alone ends a line") << QByteArray("[S]\rk=\"v\"") << s << "k" << Atteso("v") << Atteso("v");
        QTest::newRow("Windows-1252") << QByteArray("[S]\r\nk=\"Velocit\xe0\"") << s << "k"
                                      << Atteso(QStringLiteral("Velocit\u00e0")) << Atteso(QStringLiteral("Velocit\u00e0"));
        QTest::newRow("600 characters cut to 511") << QByteArray("[S]\r\nk=\"" + QByteArray(600, 'a') + "\"") << s << "k"
                                                   << Atteso(QString(511, u'a')) << Atteso(QString(600, u'a'));
    }
    void lettura()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, sezione);
        QFETCH(QString, chiave);
        QFETCH(Atteso, piccolo);
        QFETCH(Atteso, grande);
        const QString p = m_dir.filePath(QStringLiteral("lettura.ini"));
        scrivi(p, riempito(contenuto, 64000));
        QCOMPARE(MLSReadIniValue(p, sezione, chiave), piccolo);
        scrivi(p, riempito(contenuto, 64001));
        QCOMPARE(MLSReadIniValue(p, sezione, chiave), grande);
    }

    void fileAssente()
    {
        QCOMPARE(MLSReadIniValue(m_dir.filePath(QStringLiteral("manca.ini")), QStringLiteral("S"), QStringLiteral("k")), Atteso());
    }

    void scrittura_data()
    {
        QTest::addColumn<QByteArray>("prima"); // "<assente>": no file
        QTest::addColumn<QString>("sezione");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QByteArray>("dopo");
        QTest::addColumn<long>("esito");

        const QByteArray base = "; scelta\r\n[Language]\r\nCurrentLanguage=Italiano\r\nAltro = 1 \r\n\r\n[X]\r\ny=2\r\n";
        QTest::newRow("replace in place, names in other case")
            << base << "LANGUAGE" << "currentlanguage" << "English" << QByteArray(base).replace("=Italiano", "=English") << 1L;
        QTest::newRow("new key after the last entry") << base << "Language" << "Nuova" << "3"
            << QByteArray(base).replace("Altro = 1 \r\n", "Altro = 1 \r\nNuova=3\r\n") << 1L;
        QTest::newRow("new section at the end") << base << "Z" << "k" << "v" << QByteArray(base + "[Z]\r\nk=v\r\n") << 1L;
        QTest::newRow("new section, no final line break") << QByteArray("[A]\r\nk=1") << "B" << "k" << "2"
                                                          << QByteArray("[A]\r\nk=1\r\n[B]\r\nk=2\r\n") << 1L;
        QTest::newRow("new key, no final line break") << QByteArray("[A]\r\nk=1") << "A" << "j" << "2"
                                                      << QByteArray("[A]\r\nk=1\r\nj=2\r\n") << 1L;
        QTest::newRow("new file") << QByteArray("<assente>") << "Language" << "CurrentLanguage" << "Italiano"
                                  << QByteArray("[Language]\r\nCurrentLanguage=Italiano\r\n") << 1L;
        // Refused: the file stays as it was, or is not made.
        const QByteArray a = "<assente>";
        QTest::newRow("LF in value") << base << "Language" << "CurrentLanguage" << "Ita\nliano" << base << 0L;
        QTest::newRow("CR in value") << a << "Language" << "CurrentLanguage" << "Ita\rliano" << a << 0L;
        QTest::newRow("NUL in value") << base << "Language" << "CurrentLanguage" << QStringLiteral("I") + QChar(0) << base << 0L;
        QTest::newRow("line break in key") << base << "Language" << "Current\r\n[X]" << "v" << base << 0L;
        QTest::newRow("line break in section") << a << "Lang\nuage" << "k" << "v" << a << 0L;
        QTest::newRow("empty key") << base << "Language" << "" << "v" << base << 0L;
        QTest::newRow("LF file stays LF") << QByteArray("[A]\nk=1\n") << "A" << "j" << "2" << QByteArray("[A]\nk=1\nj=2\n") << 1L;
        QTest::newRow("Windows-1252 value") << QByteArray("[A]\r\nk=1\r\n") << "A" << "k" << QStringLiteral("Fran\u00e7ais")
                                            << QByteArray("[A]\r\nk=Fran\xe7" "ais\r\n") << 1L;
    }
    void scrittura()
    {
        QFETCH(QByteArray, prima);
        QFETCH(QString, sezione);
        QFETCH(QString, chiave);
        QFETCH(QString, valore);
        QFETCH(QByteArray, dopo);
        const QString p = m_dir.filePath(QStringLiteral("scrittura.ini"));
        QFile::remove(p);
        if (prima != "<assente>")
            scrivi(p, prima);
        QTEST(MLSWriteIniValue(p, sezione, chiave, valore), "esito");
        QCOMPARE(leggi(p), dopo);
    }
};

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
