#include "codec.h"
#include "testi.h"

#include <QDir>
#include <QMovie>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {
// Records as "f1|f2|f3", one string per record.
QStringList comeTesto(const EsitoLettura &e)
{
    QStringList r;
    for (const auto &rec : e.record)
        r << QStringList(rec.begin(), rec.end()).join(u'|');
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

// What a sentence handed to the speech engine must not look like.
QString difetto(const QString &frase)
{
    static const QRegularExpression numero(QStringLiteral("  \\d "));
    // An apostrophe standing for an accent ("e'") is read badly.
    static const QRegularExpression accentoFinto(QStringLiteral("[aeiouAEIOU]['’](?=$|[\\s.,;:!?])"));
    if (frase.trimmed().isEmpty() || frase != frase.trimmed() || !frase.front().isUpper())
        return QStringLiteral("empty, blank at an end or no capital");
    if (!QStringLiteral(".!?").contains(frase.back()))
        return QStringLiteral("no final stop");
    // Only the designed double blank, before the number of the answer rule.
    if (QString(frase).replace(numero, QStringLiteral(" 0 ")).contains(u"  "))
        return QStringLiteral("doubled blank");
    // "Bevono il latte  3 gattini.": a plural verb and its object before the number hide who is counted.
    static const QRegularExpression verboPrima(
        QStringLiteral("^(\\S+ )?\\S+[ao]no (il|lo|la|i|gli|le|l['’])\\b.*  \\d"));
    if (verboPrima.match(frase).hasMatch())
        return QStringLiteral("verb and object before the counted subject");
    // "Nessuna candelina è ancora accesa." says "not yet"; what has gone out is "non ... più".
    static const QRegularExpression nessunoAncora(QStringLiteral("\\bnessun.*\\bancora\\b|\\bancora\\b.*\\bnessun"),
                                                  QRegularExpression::CaseInsensitiveOption);
    if (nessunoAncora.match(frase).hasMatch())
        return QStringLiteral("\"nessuno\" with \"ancora\"");
    return accentoFinto.match(frase).hasMatch() ? QStringLiteral("apostrophe used as an accent") : QString();
}

} // namespace

// The story files: field syntax, faults named in the message, fields landing in named places; the shipped
// stories: every answer sentence for every number well formed, every animation named there and decodable.
class TstTesti : public QObject
{
    Q_OBJECT
    std::vector<Storia> testi1, testi2;

private Q_SLOTS:
    // Three fields kept, the fourth read and dropped; a fault names the file and keeps nothing.
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QStringList>("atteso");
        QTest::addColumn<QString>("guasto");
        const QStringList abc{QStringLiteral("a|b|c")}, abcdef{QStringLiteral("a|b|c"), QStringLiteral("d|e|f")};
        const QString ok;
        QTest::newRow("one field per line, CRLF or LF") << QByteArray("a\r\nb\nc\r\nx\n") << abc << ok;
        QTest::newRow("quotes are not part of the value") << QByteArray("\"a\",  \"b\"  ,c,x") << abc << ok;
        QTest::newRow("blanks before skipped, after trimmed") << QByteArray("  a  ,\tb,c ,x") << abc << ok;
        QTest::newRow("quoted comma kept")
            << QByteArray("\"a, b\",b,c,x") << QStringList{QStringLiteral("a, b|b|c")} << ok;
        QTest::newRow("blank lines between and after records")
            << QByteArray("a,b,c,x\r\n\r\nd,e,f,x\r\n\r\n  \r\n\r\n") << abcdef << ok;
        QTest::newRow("last record without the dropped field") << QByteArray("a,b,c,x\r\nd,e,f") << abcdef << ok;
        QTest::newRow("empty field between commas")
            << QByteArray("a,,c,x") << QStringList{QStringLiteral("a||c")} << ok;
        // Windows-1252 unless the bytes are all valid UTF-8, with or without a BOM.
        QTest::newRow("Windows-1252, one byte breaking UTF-8")
            << QByteArray("citt\xe0,\xc3\xa8\x80\x92,c,x") << QStringList{u"citt\u00e0|\u00c3\u00a8\u20ac\u2019|c"_qs}
            << ok;
        QTest::newRow("UTF-8") << QByteArray("citt\xc3\xa0,b,c,x") << QStringList{u"citt\u00e0|b|c"_qs} << ok;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf\x61,\xc3\xa8,c,x") << QStringList{u"a|\u00e8|c"_qs}
                                        << ok;
        QTest::newRow("empty file") << QByteArray() << QStringList() << "non contiene nessuna storia";
        QTest::newRow("second record cut short") << QByteArray("a,b,c,x\r\nd,e") << QStringList()
                                                 << "la storia 2 è incompleta: il file finisce dopo il campo 2 di 4";
        QTest::newRow("101 records") << generati(101, 3) << QStringList() << "più di 100 storie";
    }

    void lettura()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, guasto);
        const EsitoLettura e = analizzaTesti(contenuto, 3, QStringLiteral("testi/lista1.txt"));
        QTEST(comeTesto(e), "atteso");
        QCOMPARE(e.ok(), guasto.isEmpty());
        QVERIFY2(e.ok() || (e.errore.contains(QStringLiteral("testi/lista1.txt")) && e.errore.contains(guasto)),
                 qPrintable(e.errore));
    }

    // A pipe in a file's place, not read (it would wait for a writer): nothing of the other one is taken either.
    // Then every field lands in the place it names.
    void caricaListe()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("testi")));
        QVERIFY(scriviFileAtomico(dir.filePath(QStringLiteral("testi/lista1.txt")), generati(3, 15)));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"testi/lista2.txt"_qs)).constData(), 0600), 0);
        std::vector<Storia> t1{Storia()}, t2;
        const QString errore = CaricaListe(t1, t2, dir.path());
        QVERIFY2(errore.contains(dir.filePath(QStringLiteral("testi/lista2.txt"))
                                 + QStringLiteral("\" non si può caricare: non è un file")),
                 qPrintable(errore));
        QCOMPARE(t1.size(), size_t(1));

        QVERIFY(QFile::remove(dir.filePath(u"testi/lista2.txt"_qs)));
        QVERIFY(scriviFileAtomico(dir.filePath(QStringLiteral("testi/lista2.txt")), generati(100, 16)));
        QCOMPARE(CaricaListe(t1, t2, dir.path()), QString());
        QCOMPARE(t1.size(), size_t(3));
        QCOMPARE(t2.size(), size_t(100)); // 100 stories are allowed, 101 are not
        const Storia &s = t1[2];
        // clang-format off
        const QStringList campi{s.fileCi, s.fileCambia, s.domanda1, s.risposta1.prima, s.risposta1.dopo,
                                s.risposta1.perUno, s.domanda2, s.risposta2.prima, s.risposta2.dopo, s.risposta2.perUno,
                                s.risposta2.perZero.value_or("-"), s.domanda3, s.risposta3.prima, s.risposta3.dopo,
                                s.risposta3.perUno};
        // clang-format on
        for (int k = 0; k < campi.size(); ++k)
            QCOMPARE(campi[k], QStringLiteral("r3f%1").arg(k + 1));
        QVERIFY(!s.risposta1.perZero && !s.risposta3.perZero); // addition's third answer has none
        QCOMPARE(t2[99].risposta3.perZero.value_or("-"), QStringLiteral("r100f16"));
    }

    // The shipped stories, Italian and English, checked alike.
    void storieDistribuite()
    {
        for (const QString &cartella : {u"testi"_qs, u"testi/English"_qs}) {
            std::vector<Storia> t1, t2;
            QCOMPARE(CaricaListe(t1, t2, qEnvironmentVariable("NUMERELLA_DATA"), cartella), QString());
            QVERIFY(t1.size() >= 30 && t2.size() >= 30);
            testi1.insert(testi1.end(), t1.begin(), t1.end());
            testi2.insert(testi2.end(), t2.begin(), t2.end());
        }
    }

    void frasi()
    {
        QStringList difetti;
        auto controlla = [&](const QString &frase) {
            if (const QString d = difetto(frase); !d.isEmpty())
                difetti << QStringLiteral("\"%1\": %2").arg(frase, d);
        };
        for (const auto *t : {&testi1, &testi2}) {
            for (const Storia &s : *t) {
                for (const QString &d : {s.domanda1, s.domanda2, s.domanda3}) {
                    controlla(d);
                    if (!d.endsWith(u'?'))
                        difetti << d + QStringLiteral(": not a question");
                }
                for (int n = 0; n <= 9; ++n) {
                    for (const FraseRisposta *r : {&s.risposta1, &s.risposta2, &s.risposta3})
                        controlla(r->per(n));
                }
            }
        }
        difetti.removeDuplicates();
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(u'\n')));
    }

    // Opened by the name as the story writes it, every frame; none unused.
    void animazioni()
    {
        QSet<QString> nominate;
        for (const auto *t : {&testi1, &testi2}) {
            for (const Storia &s : *t)
                nominate << s.fileCi << s.fileCambia;
        }
        const QDir cartella(qEnvironmentVariable("NUMERELLA_DATA") + QStringLiteral("/gifanimate"));
        const QStringList presenti = cartella.entryList(QDir::Files);
        QCOMPARE(QSet<QString>(presenti.begin(), presenti.end()), nominate);
        for (const QString &nome : nominate) {
            QMovie film(cartella.filePath(nome));
            QVERIFY2(film.isValid() && film.frameCount() > 1, qPrintable(nome));
            // What comes or goes plays once and ends on what the child counts; what is there loops.
            QCOMPARE(film.loopCount(), nome.contains(u'_') ? 0 : -1);
            for (int i = 0; i < film.frameCount(); ++i)
                QVERIFY2(film.jumpToFrame(i) && !film.currentImage().isNull(), qPrintable(nome));
        }
    }
};

QTEST_MAIN(TstTesti)
#include "tst_testi.moc"
