// The shipped English language file keeps in step with the Italian one:
// the same sections and keys, the same file format, and texts that the
// program can read back through its own lookups.

#include "codec.h"
#include "ini.h"
#include "modlanguagesupport.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
struct FileLingua {
    QByteArray grezzo;
    // "Section/key" -> value between the quotes, in Unicode.
    QMap<QString, QString> voci;
    QStringList errori;
};

QString percorso(const QString &nome)
{
    return QString::fromLocal8Bit(qgetenv("NUMERELLA_DATA")) + QLatin1Char('/') + nome;
}

// A reader of its own, stricter than the program's: every line must be a
// section header, an entry with a quoted value, or empty.
FileLingua analizza(const QString &nome)
{
    FileLingua f;
    QFile file(percorso(nome));
    if (!file.open(QIODevice::ReadOnly)) {
        f.errori << QStringLiteral("cannot open ") + file.fileName();
        return f;
    }
    f.grezzo = file.readAll();
    // Windows-1252, not UTF-8: a file with accented letters must not
    // happen to be valid UTF-8.
    const bool soloAscii = std::all_of(f.grezzo.cbegin(), f.grezzo.cend(), [](char b) { return (b & 0x80) == 0; });
    if (!soloAscii && QString::fromUtf8(f.grezzo).toUtf8() == f.grezzo)
        f.errori << QStringLiteral("the file is UTF-8, not Windows-1252");
    if (!f.grezzo.endsWith("\r\n"))
        f.errori << QStringLiteral("the last line has no CR LF");
    const QList<QByteArray> righe = f.grezzo.split('\n');
    static const QRegularExpression voce(QStringLiteral("^([^=\\s]+)=\"(.*)\"$"));
    QString sezione;
    for (int i = 0; i < righe.size() - 1; ++i) {
        QByteArray r = righe[i];
        if (!r.endsWith('\r')) {
            f.errori << QStringLiteral("line %1 ends without CR").arg(i + 1);
            continue;
        }
        r.chop(1);
        if (r.contains('\r'))
            f.errori << QStringLiteral("line %1 holds a lone CR").arg(i + 1);
        // Bytes that Windows-1252 leaves undefined.
        for (char b : r) {
            const auto u = static_cast<unsigned char>(b);
            if (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D || u < 0x20)
                f.errori << QStringLiteral("line %1 holds byte 0x%2").arg(i + 1).arg(u, 2, 16, QLatin1Char('0'));
        }
        const QString testo = decodificaTesto(r);
        if (r.isEmpty())
            continue;
        if (r.startsWith('[') && r.endsWith(']')) {
            sezione = QString::fromLatin1(r.mid(1, r.size() - 2));
            continue;
        }
        const auto m = voce.match(testo);
        if (!m.hasMatch() || sezione.isEmpty()) {
            f.errori << QStringLiteral("line %1 is not a quoted entry: %2").arg(i + 1).arg(testo);
            continue;
        }
        const QString chiave = sezione + QLatin1Char('/') + m.captured(1);
        if (f.voci.contains(chiave))
            f.errori << QStringLiteral("key repeated: ") + chiave;
        f.voci.insert(chiave, m.captured(2));
    }
    return f;
}
} // namespace

class TstFileLingua : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formato_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("Italiano") << QStringLiteral("Italiano.lng");
        QTest::newRow("English") << QStringLiteral("English.lng");
    }
    void formato()
    {
        QFETCH(QString, nome);
        const FileLingua f = analizza(nome);
        QVERIFY2(f.errori.isEmpty(), qPrintable(f.errori.join(QLatin1Char('\n'))));
        // Small enough for the INI reader, which keeps Form1's and Form2's
        // equal keys apart by section.
        QVERIFY(f.grezzo.size() <= SogliaLetturaIni);
        QVERIFY(!f.voci.isEmpty());
    }

    void stesseChiavi()
    {
        const FileLingua it = analizza(QStringLiteral("Italiano.lng"));
        const FileLingua en = analizza(QStringLiteral("English.lng"));
        QStringList mancanti;
        for (auto i = it.voci.cbegin(); i != it.voci.cend(); ++i) {
            if (!en.voci.contains(i.key()))
                mancanti << i.key();
        }
        QVERIFY2(mancanti.isEmpty(), qPrintable(QStringLiteral("missing in English.lng: ") + mancanti.join(QStringLiteral(", "))));
        QStringList inPiu;
        for (auto i = en.voci.cbegin(); i != en.voci.cend(); ++i) {
            if (!it.voci.contains(i.key()))
                inPiu << i.key();
        }
        QVERIFY2(inPiu.isEmpty(), qPrintable(QStringLiteral("only in English.lng: ") + inPiu.join(QStringLiteral(", "))));
    }

    void testiTradotti()
    {
        const FileLingua it = analizza(QStringLiteral("Italiano.lng"));
        const FileLingua en = analizza(QStringLiteral("English.lng"));
        for (auto i = it.voci.cbegin(); i != it.voci.cend(); ++i) {
            const QString e = en.voci.value(i.key());
            // An Italian text given leaves no English one empty.
            if (!i.value().isEmpty())
                QVERIFY2(!e.isEmpty(), qPrintable(i.key()));
            // Joining words keep their blanks: they sit between numbers.
            QCOMPARE(e.startsWith(QLatin1Char(' ')), i.value().startsWith(QLatin1Char(' ')));
            QCOMPARE(e.endsWith(QLatin1Char(' ')), i.value().endsWith(QLatin1Char(' ')));
        }
    }

    void letturaDalProgramma_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("exit question") << QStringLiteral("0001") << QStringLiteral("Do you really want to leave Numerella?");
        QTest::newRow("minus, with its blanks") << QStringLiteral("0008") << QStringLiteral(" minus ");
        QTest::newRow("speed") << QStringLiteral("0014") << QStringLiteral("Speed:");
        QTest::newRow("voice failed") << QStringLiteral("0015")
                                      << QStringLiteral("I cannot use this voice. Try choosing another one.");
    }
    void letturaDalProgramma()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, atteso);
        ModLanguageSupport lingua(QString::fromLocal8Bit(qgetenv("NUMERELLA_DATA")));
        lingua.MLSCurrentLanguage = QStringLiteral("English");
        QCOMPARE(lingua.MLSGetString(chiave), atteso);
        QCOMPARE(MLSReadIniValue(lingua.percorsoLingua(), QStringLiteral("form2"), QStringLiteral("labelest.caption")),
            std::optional<QString>(QStringLiteral("Right")));
    }

    void laLinguaDiPartenza()
    {
        const auto v = MLSReadIniValue(percorso(QStringLiteral("LangSetting.ini")), QStringLiteral("Language"),
            QStringLiteral("CurrentLanguage"));
        QVERIFY(v);
        QVERIFY(QFile::exists(percorso(*v + QStringLiteral(".lng"))));
    }
};

QTEST_MAIN(TstFileLingua)
#include "tst_filelingua.moc"
