#include "codec.h"
#include "impostazioni.h"
#include "modlanguagesupport.h"
#include "modulo1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}
} // namespace

class TstImpostazioni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void carica_data();
    void carica();
    void salva_data();
    void salva();
    void zeriLettiPoiSalvati();
    void salvaRicreaLaCartella();
    void esisteFile_data();
    void esisteFile();
    void leggimi();
    void leggimiCartellaImpossibile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TstImpostazioni::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath(QStringLiteral("numerella.INI"));
}

void TstImpostazioni::carica_data()
{
    QTest::addColumn<QByteArray>("contenuto"); // "<assente>": no file
    QTest::addColumn<int>("velocita");
    QTest::addColumn<int>("voce");
    QTest::newRow("150 and 2") << QByteArray(" 150 \r\n 2 \r\n") << 150 << 2;
    QTest::newRow("zeros stay zeros") << QByteArray(" 0 \r\n 0 \r\n") << 0 << 0;
    QTest::newRow("no blanks, LF") << QByteArray("70\n3\n") << 70 << 3;
    QTest::newRow("no file") << QByteArray("<assente>") << 130 << 1;
    QTest::newRow("empty file") << QByteArray() << 130 << 1;
    QTest::newRow("one number") << QByteArray(" 150 \r\n") << 150 << 1;
    QTest::newRow("not numbers") << QByteArray("veloce\r\nvoce\r\n") << 130 << 1;
    QTest::newRow("second not a number") << QByteArray(" 150 \r\nabc\r\n") << 150 << 1;
    QTest::newRow("too large") << QByteArray("99999\r\n2\r\n") << 130 << 2;
}

void TstImpostazioni::carica()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(int, velocita);
    QFETCH(int, voce);
    if (contenuto != "<assente>")
        QVERIFY(scriviFileAtomico(m_file, contenuto));
    Modulo1 m;
    m.FileImpostazioni = m_file;
    m.Velocita = 77;
    m.Voce = 77;
    CaricaImpostazioni(m);
    QCOMPARE(int(m.Velocita), velocita);
    QCOMPARE(int(m.Voce), voce);
    QCOMPARE(leggi(m_file), contenuto); // reading never writes
}

void TstImpostazioni::salva_data()
{
    QTest::addColumn<int>("velocita");
    QTest::addColumn<int>("voce");
    QTest::addColumn<int>("velocitaDopo");
    QTest::addColumn<int>("voceDopo");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("voice 0") << 150 << 0 << 150 << 1 << QByteArray(" 150 \r\n 1 \r\n");
    QTest::newRow("speed 0") << 0 << 3 << 130 << 3 << QByteArray(" 130 \r\n 3 \r\n");
    QTest::newRow("both 0") << 0 << 0 << 130 << 1 << QByteArray(" 130 \r\n 1 \r\n");
    QTest::newRow("negative") << -5 << 2 << -5 << 2 << QByteArray("-5 \r\n 2 \r\n");
}

void TstImpostazioni::salva()
{
    QFETCH(int, velocita);
    QFETCH(int, voce);
    QFETCH(int, velocitaDopo);
    QFETCH(int, voceDopo);
    QFETCH(QByteArray, file);
    QVERIFY(scriviFileAtomico(m_file, "vecchio contenuto, molto piu' lungo del nuovo\r\n"));
    Modulo1 m;
    m.FileImpostazioni = m_file;
    m.Velocita = Integer(velocita);
    m.Voce = Integer(voce);
    QVERIFY(SalvaImpostazioni(m));
    QCOMPARE(int(m.Velocita), velocitaDopo);
    QCOMPARE(int(m.Voce), voceDopo);
    QCOMPARE(leggi(m_file), file);
}

void TstImpostazioni::zeriLettiPoiSalvati()
{
    QVERIFY(scriviFileAtomico(m_file, " 0 \r\n 0 \r\n"));
    Modulo1 m;
    m.FileImpostazioni = m_file;
    CaricaImpostazioni(m);
    QCOMPARE(m.Velocita, Integer(0));
    QVERIFY(SalvaImpostazioni(m));
    QCOMPARE(leggi(m_file), QByteArray(" 130 \r\n 1 \r\n"));
    QCOMPARE(m.Velocita, Integer(130));
    QCOMPARE(m.Voce, Integer(1));
}

void TstImpostazioni::salvaRicreaLaCartella()
{
    Modulo1 m;
    m.FileImpostazioni = m_dir->filePath(QStringLiteral("sparita/numerella.INI"));
    m.Velocita = 150;
    m.Voce = 2;
    QVERIFY(SalvaImpostazioni(m));
    QCOMPARE(leggi(m.FileImpostazioni), QByteArray(" 150 \r\n 2 \r\n"));
}

void TstImpostazioni::esisteFile_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("atteso");
    QTest::newRow("ordinary file") << "leggimi.txt" << true;
    QTest::newRow("missing file") << "manca.txt" << false;
    QTest::newRow("folder") << "cartella" << false;
    QTest::newRow("hidden file") << ".nascosto" << false;
    QTest::newRow("empty path") << "" << false;
}

void TstImpostazioni::esisteFile()
{
    QFETCH(QString, nome);
    QFETCH(bool, atteso);
    QVERIFY(scriviFileAtomico(m_dir->filePath(QStringLiteral("leggimi.txt")), "x"));
    QVERIFY(scriviFileAtomico(m_dir->filePath(QStringLiteral(".nascosto")), "x"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("cartella")));
    QCOMPARE(EsisteFile(nome.isEmpty() ? QString() : m_dir->filePath(nome)), atteso);
}

void TstImpostazioni::leggimi()
{
    QVERIFY(scriviFileAtomico(m_dir->filePath(QStringLiteral("LangSetting.ini")), "[Language]\r\nCurrentLanguage=Prova\r\n"));
    QVERIFY(scriviFileAtomico(m_dir->filePath(QStringLiteral("Prova.lng")),
                              "[Strings]\r\n0002=\"Questo \xe8 Numerella.\"\r\n0003=\"Due\"\r\n0004=\"Tre\"\r\n"));
    ModLanguageSupport lingua(m_dir->path());
    const QString cartella = m_dir->filePath(QStringLiteral("ImpostazioniProgrammiZefra"));
    QVERIFY(CreaLeggimi(lingua, cartella));
    QCOMPARE(leggi(cartella + QStringLiteral("/leggimi.txt")),
             QByteArray("Questo \xe8 Numerella.\r\n \r\nDue\r\n \r\nTre\r\n"));
    // The folder already there is no obstacle.
    QVERIFY(CreaLeggimi(lingua, cartella));
}

void TstImpostazioni::leggimiCartellaImpossibile()
{
    QVERIFY(scriviFileAtomico(m_dir->filePath(QStringLiteral("file")), "x"));
    ModLanguageSupport lingua(m_dir->path());
    QVERIFY(!CreaLeggimi(lingua, m_dir->filePath(QStringLiteral("file/cartella"))));
}

QTEST_GUILESS_MAIN(TstImpostazioni)
#include "tst_impostazioni.moc"
