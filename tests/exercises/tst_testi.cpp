#include "codec.h"
#include "modulo1.h"
#include "testi.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Records as "f1|f2|f3", one string per record.
QStringList comeTesto(const EsitoLettura &e)
{
    QStringList r;
    for (const auto &rec : e.record) {
        QStringList campi;
        for (const QString &c : rec)
            campi << c;
        r << campi.join(QLatin1Char('|'));
    }
    return r;
}

// n records of `campi` fields plus the dropped one, one record per line.
QByteArray generati(int n, int campi)
{
    QByteArray b;
    for (int r = 1; r <= n; ++r) {
        for (int f = 1; f <= campi; ++f)
            b += "\"r" + QByteArray::number(r) + "f" + QByteArray::number(f) + "\",";
        b += "x\r\n";
    }
    return b;
}

QString datiProva(const QString &nome)
{
    return qEnvironmentVariable("NUMERELLA_TEST_DATA") + QStringLiteral("/exercises/") + nome;
}
} // namespace

class TstTesti : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sintassi_data();
    void sintassi();
    void errori_data();
    void errori();
    void centoRecord();
    void unaRigaComeUnCampoPerRiga();
    void fileMancante();
    void numeroTesto();
    void regolaRisposta_data();
    void regolaRisposta();
    void caricaListe();
    void caricaListeErroreNonTocca();
};

// Three fields kept, the fourth read and dropped.
void TstTesti::sintassi_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QStringList>("atteso");
    const QStringList abc{QStringLiteral("a|b|c")};
    QTest::newRow("one line") << QByteArray("a,b,c,x\r\n") << abc;
    QTest::newRow("one field per line") << QByteArray("a\r\nb\r\nc\r\nx\r\n") << abc;
    QTest::newRow("mixed layout") << QByteArray("a,b\r\nc\r\nx") << abc;
    QTest::newRow("LF line ends") << QByteArray("a\nb\nc\nx\n") << abc;
    QTest::newRow("quotes are not part of the value") << QByteArray("\"a\",  \"b\"  ,c,x") << abc;
    QTest::newRow("blanks before skipped, after trimmed") << QByteArray("  a  ,\tb,c ,x") << abc;
    QTest::newRow("quoted comma kept") << QByteArray("\"a, b\",b,c,x") << QStringList{QStringLiteral("a, b|b|c")};
    QTest::newRow("quoted blanks kept") << QByteArray("\" a \",b,c,x") << QStringList{QStringLiteral(" a |b|c")};
    QTest::newRow("dropped field never kept") << QByteArray("a,b,c,\"qualsiasi, cosa\"\r\n") << abc;
    QTest::newRow("no final line break") << QByteArray("a,b,c,x") << abc;
    QTest::newRow("final line break adds no record")
        << QByteArray("a,b,c,x\r\nd,e,f,x\r\n") << QStringList{QStringLiteral("a|b|c"), QStringLiteral("d|e|f")};
    QTest::newRow("blank lines after the last record") << QByteArray("a,b,c,x\r\n\r\n  \r\n\r\n") << abc;
    QTest::newRow("blank line between records")
        << QByteArray("a,b,c,x\r\n\r\nd,e,f,x\r\n") << QStringList{QStringLiteral("a|b|c"), QStringLiteral("d|e|f")};
    QTest::newRow("last record without the dropped field")
        << QByteArray("a,b,c,x\r\nd,e,f\r\n") << QStringList{QStringLiteral("a|b|c"), QStringLiteral("d|e|f")};
    QTest::newRow("empty quoted field") << QByteArray("\"\",b,c,x") << QStringList{QStringLiteral("|b|c")};
    QTest::newRow("empty field between commas") << QByteArray("a,,c,x") << QStringList{QStringLiteral("a||c")};
    QTest::newRow("comma at line end") << QByteArray("a,\r\nb,\r\nc,\r\nx") << abc;
    QTest::newRow("Windows-1252 letters")
        << QByteArray("citt\xe0,perch\xe9,c,x") << QStringList{QStringLiteral("citt\u00e0|perch\u00e9|c")};
    QTest::newRow("UTF-8 letters") << QByteArray("citt\xc3\xa0,b,c,x") << QStringList{QStringLiteral("citt\u00e0|b|c")};
}

void TstTesti::sintassi()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QStringList, atteso);
    const EsitoLettura e = analizzaTesti(contenuto, 3, QStringLiteral("prova.txt"));
    QVERIFY2(e.ok(), qPrintable(e.errore));
    QCOMPARE(comeTesto(e), atteso);
}

void TstTesti::errori_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("guasto");
    QTest::newRow("empty file") << QByteArray() << "non contiene nessuna storia";
    QTest::newRow("only blank lines") << QByteArray("\r\n  \r\n") << "non contiene nessuna storia";
    QTest::newRow("first record cut short") << QByteArray("a,b") << "la storia 1 è incompleta: il file finisce dopo il campo 2 di 4";
    QTest::newRow("second record cut short")
        << QByteArray("a,b,c,x\r\nd\r\n") << "la storia 2 è incompleta: il file finisce dopo il campo 1 di 4";
    QTest::newRow("101 records") << generati(101, 3) << "più di 100 storie";
}

void TstTesti::errori()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, guasto);
    const EsitoLettura e = analizzaTesti(contenuto, 3, QStringLiteral("testi/lista1.txt"));
    QVERIFY(!e.ok());
    QVERIFY(e.record.empty());
    QVERIFY2(e.errore.contains(QStringLiteral("testi/lista1.txt")), qPrintable(e.errore));
    QVERIFY2(e.errore.contains(guasto), qPrintable(e.errore));
}

void TstTesti::centoRecord()
{
    const EsitoLettura e = analizzaTesti(generati(100, 15), 15, QStringLiteral("lista1.txt"));
    QVERIFY2(e.ok(), qPrintable(e.errore));
    QCOMPARE(e.record.size(), size_t(100));
    QCOMPARE(e.record[99].size(), size_t(15));
    QCOMPARE(e.record[99][14], QStringLiteral("r100f15"));
}

void TstTesti::unaRigaComeUnCampoPerRiga()
{
    const EsitoLettura riga = leggiFileTesti(datiProva(QStringLiteral("record_una_riga.txt")), 15);
    const EsitoLettura campi = leggiFileTesti(datiProva(QStringLiteral("record_un_campo_per_riga.txt")), 15);
    QVERIFY2(riga.ok(), qPrintable(riga.errore));
    QVERIFY2(campi.ok(), qPrintable(campi.errore));
    QCOMPARE(comeTesto(riga), comeTesto(campi));
    QCOMPARE(riga.record.size(), size_t(1));
    QCOMPARE(riga.record[0][5], QStringLiteral("C'\u00e8 un palloncino."));
    QCOMPARE(riga.record[0][11], QStringLiteral("Quanti palloncini ci sono in tutto, adesso?"));
}

void TstTesti::fileMancante()
{
    const EsitoLettura e = leggiFileTesti(QStringLiteral("/nessuna/cartella/lista1.txt"), 15);
    QVERIFY(!e.ok());
    QVERIFY2(e.errore.contains(QStringLiteral("/nessuna/cartella/lista1.txt")), qPrintable(e.errore));
    QVERIFY2(e.errore.contains(QStringLiteral("non esiste")), qPrintable(e.errore));
}

void TstTesti::numeroTesto()
{
    QCOMPARE(testoNumero(3), QStringLiteral(" 3"));
    QCOMPARE(testoNumero(0), QStringLiteral(" 0"));
    QCOMPARE(testoNumero(10), QStringLiteral(" 10"));
    QCOMPARE(testoNumero(-2), QStringLiteral("-2"));
}

void TstTesti::regolaRisposta_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("conZero");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("one: the sentence for one") << 1 << true << "Vola via un palloncino.";
    QTest::newRow("five: two blanks before the digit") << 5 << true << "Volano via  5 palloncini.";
    QTest::newRow("zero with a zero sentence") << 0 << true << "Non vola via nessun palloncino.";
    QTest::newRow("zero without one") << 0 << false << "Volano via  0 palloncini.";
    QTest::newRow("nine") << 9 << false << "Volano via  9 palloncini.";
}

void TstTesti::regolaRisposta()
{
    QFETCH(int, n);
    QFETCH(bool, conZero);
    QFETCH(QString, atteso);
    const QString zero = QStringLiteral("Non vola via nessun palloncino.");
    QCOMPARE(fraseRisposta(QStringLiteral("Volano via"), QStringLiteral("palloncini."),
                           QStringLiteral("Vola via un palloncino."), conZero ? &zero : nullptr, n),
             atteso);
}

void TstTesti::caricaListe()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("testi")));
    QVERIFY(scriviFileAtomico(dir.filePath(QStringLiteral("testi/lista1.txt")), generati(3, 15)));
    QVERIFY(scriviFileAtomico(dir.filePath(QStringLiteral("testi/lista2.txt")), generati(100, 16)));
    auto m = std::make_unique<Modulo1>();
    QCOMPARE(CaricaListe(*m, dir.path()), QString());
    QCOMPARE(m->NumeroTesti1, Integer(3));
    QCOMPARE(m->NumeroTesti2, Integer(100));
    QCOMPARE(m->Testi1[1][1], QStringLiteral("r1f1"));
    QCOMPARE(m->Testi1[3][15], QStringLiteral("r3f15"));
    QCOMPARE(m->Testi2[100][16], QStringLiteral("r100f16"));
    QCOMPARE(m->Testi1[4][1], QString());
    for (int k = 0; k < 16; ++k)
        QCOMPARE(m->Testi1[0][k], QString());
    for (int r = 0; r <= 100; ++r) {
        QCOMPARE(m->Testi1[r][0], QString());
        QCOMPARE(m->Testi2[r][0], QString());
    }
}

void TstTesti::caricaListeErroreNonTocca()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("testi")));
    QVERIFY(scriviFileAtomico(dir.filePath(QStringLiteral("testi/lista1.txt")), generati(3, 15)));
    auto m = std::make_unique<Modulo1>();
    m->Testi1[1][1] = QStringLiteral("prima");
    const QString errore = CaricaListe(*m, dir.path());
    QVERIFY2(errore.contains(QStringLiteral("lista2.txt")), qPrintable(errore));
    QCOMPARE(m->NumeroTesti1, Integer(0));
    QCOMPARE(m->Testi1[1][1], QStringLiteral("prima"));
}

QTEST_GUILESS_MAIN(TstTesti)
#include "tst_testi.moc"
