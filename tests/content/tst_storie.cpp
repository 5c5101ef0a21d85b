// The shipped stories, read the way the exercise screens read them: every
// answer sentence of every story is built by the answer rule for every number
// its step can be given, and must come out as a sentence a child can be read.

#include "testi.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString cartellaTesti()
{
    return qEnvironmentVariable("NUMERELLA_DATA") + QStringLiteral("/testi/");
}

// One step of a story: which fields build its answer and which numbers the
// screen can hand it.
struct Passo {
    const char *nome;
    int domanda;  // field numbers, counting from 1
    int prima;
    int dopo;
    int perUno;
    int perZero;  // 0: the step has no sentence for zero
    int minimo;
    int massimo;
};

// Addition: first term, second term, total.
const Passo passiSomma[] = {
    {"primo addendo", 3, 4, 5, 6, 0, 1, 9},
    {"secondo addendo", 7, 8, 9, 10, 11, 0, 8},
    {"totale", 12, 13, 14, 15, 0, 1, 9},
};

// Subtraction: minuend, subtrahend (never 0: the zero sentence of field 11 is
// stored but never chosen), difference.
const Passo passiDifferenza[] = {
    {"minuendo", 3, 4, 5, 6, 0, 1, 9},
    {"sottraendo", 7, 8, 9, 10, 11, 1, 9},
    {"differenza", 12, 13, 14, 15, 16, 0, 8},
};

QStringList parole(const QString &frase)
{
    static const QRegularExpression separatori(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return frase.split(separatori, Qt::SkipEmptyParts);
}

bool haParola(const QString &frase, const QStringList &cercate)
{
    const QStringList p = parole(frase.toLower());
    for (const QString &c : cercate) {
        if (p.contains(c))
            return true;
    }
    return false;
}

// Faults that any sentence handed to the speech engine must not have.
QStringList difettiComuni(const QString &frase)
{
    QStringList d;
    if (frase.trimmed().isEmpty())
        return {QStringLiteral("empty")};
    if (frase != frase.trimmed())
        d << QStringLiteral("blank at an end");
    if (!frase.front().isUpper())
        d << QStringLiteral("does not start with a capital");
    const QStringList p = parole(frase);
    for (qsizetype i = 1; i < p.size(); ++i) {
        if (p[i].compare(p[i - 1], Qt::CaseInsensitive) == 0)
            d << QStringLiteral("doubled word \"%1\"").arg(p[i]);
    }
    // An apostrophe standing for an accent ("e'", "perche'") is read badly by
    // the speech engine; elisions ("c'è", "un'altra") follow a consonant.
    static const QRegularExpression accentoFinto(QStringLiteral("[aeiouAEIOU]['’](?=$|[\\s.,;:!?])"));
    if (accentoFinto.match(frase).hasMatch())
        d << QStringLiteral("apostrophe used as an accent");
    if (frase.contains(QLatin1Char('\t')) || frase.contains(QLatin1Char('"')))
        d << QStringLiteral("tab or quote inside");
    return d;
}

QString primaParola(const QString &s)
{
    const QStringList p = parole(s);
    return p.isEmpty() ? QString() : p.front().toLower();
}

} // namespace

class TstStorie : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileBenFatti_data();
    void fileBenFatti();
    void frasi_data();
    void frasi();
    void regolaNelleStorie();
};

void TstStorie::fileBenFatti_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("campi");
    QTest::newRow("addizione") << QStringLiteral("lista1.txt") << 15;
    QTest::newRow("sottrazione") << QStringLiteral("lista2.txt") << 16;
}

// Teachers edit these files with the tools of the platform: Windows-1252 text
// with CR LF, at least 30 stories, each naming two animations.
void TstStorie::fileBenFatti()
{
    QFETCH(QString, nome);
    QFETCH(int, campi);
    QFile f(cartellaTesti() + nome);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QByteArray b = f.readAll();
    for (qsizetype i = 0; i < b.size(); ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c == '\n')
            QVERIFY2(i > 0 && b[i - 1] == '\r', qPrintable(QStringLiteral("bare LF at byte %1").arg(i)));
        if (c == '\r')
            QVERIFY2(i + 1 < b.size() && b[i + 1] == '\n', qPrintable(QStringLiteral("bare CR at byte %1").arg(i)));
        // Only the Windows-1252 accented vowels: no UTF-8 sequence, no stray byte.
        static const QByteArray accentate("\xE0\xE8\xE9\xEC\xF2\xF9\xC0\xC8\xC9\xCC\xD2\xD9");
        if (c >= 0x80)
            QVERIFY2(accentate.contains(char(c)), qPrintable(QStringLiteral("byte 0x%1 at %2").arg(c, 0, 16).arg(i)));
    }
    QVERIFY2(b.contains('\xE0') || b.contains('\xE8') || b.contains('\xF9'), "the accented letters are written as letters");

    const EsitoLettura e = leggiFileTesti(f.fileName(), campi);
    QVERIFY2(e.ok(), qPrintable(e.errore));
    QVERIFY2(e.record.size() >= 30, qPrintable(QString::number(e.record.size())));
    for (size_t r = 0; r < e.record.size(); ++r) {
        const auto &rec = e.record[r];
        QCOMPARE(int(rec.size()), campi);
        for (int k : {0, 1}) {
            QVERIFY2(rec[k].endsWith(QLatin1String(".gif")) && !rec[k].contains(QLatin1Char(' ')),
                     qPrintable(QStringLiteral("story %1 field %2: %3").arg(r + 1).arg(k + 1).arg(rec[k])));
        }
        QVERIFY2(rec[0] != rec[1], qPrintable(QStringLiteral("story %1 shows the same thing twice").arg(r + 1)));
    }
}

void TstStorie::frasi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("campi");
    QTest::addColumn<int>("riga");
    for (const auto &[nome, campi] : {std::pair{QStringLiteral("lista1.txt"), 15}, {QStringLiteral("lista2.txt"), 16}}) {
        const EsitoLettura e = leggiFileTesti(cartellaTesti() + nome, campi);
        for (size_t r = 0; r < e.record.size(); ++r) {
            const QString tag = QStringLiteral("%1 %2 %3").arg(nome).arg(r + 1).arg(e.record[r][0]);
            QTest::newRow(qPrintable(tag)) << nome << campi << int(r);
        }
    }
}

void TstStorie::frasi()
{
    QFETCH(QString, nome);
    QFETCH(int, campi);
    QFETCH(int, riga);
    const EsitoLettura e = leggiFileTesti(cartellaTesti() + nome, campi);
    QVERIFY2(e.ok(), qPrintable(e.errore));
    const auto &rec = e.record[size_t(riga)];
    auto campo = [&](int k) { return rec[size_t(k - 1)]; };
    const bool somma = campi == 15;

    QStringList difetti;
    auto segnala = [&](const QString &dove, const QString &frase, const QStringList &d) {
        for (const QString &x : d)
            difetti << QStringLiteral("%1: \"%2\": %3").arg(dove, frase, x);
    };

    for (const Passo &p : somma ? passiSomma : passiDifferenza) {
        const QString passo = QString::fromLatin1(p.nome);

        // The question: a real question about how many.
        const QString domanda = campo(p.domanda);
        QStringList d = difettiComuni(domanda);
        if (!domanda.endsWith(QLatin1Char('?')))
            d << QStringLiteral("a question ends with \"?\"");
        const QStringList pd = parole(domanda.toLower());
        const qsizetype q = pd.indexOf(QStringLiteral("quanti")) >= 0 ? pd.indexOf(QStringLiteral("quanti"))
                                                                       : pd.indexOf(QStringLiteral("quante"));
        if (q < 0)
            d << QStringLiteral("does not ask how many");
        else if (q + 1 < pd.size() && !pd[q + 1].endsWith(pd[q].back()))
            // "Quanti palloncini", "Quante mele": the noun agrees with the question word.
            d << QStringLiteral("\"%1 %2\" does not agree").arg(pd[q], pd[q + 1]);
        segnala(passo + QStringLiteral(" question"), domanda, d);

        // The pieces around the number carry no blanks of their own: the rule
        // adds exactly two before the digit and one after it.
        const QString prima = campo(p.prima);
        const QString dopo = campo(p.dopo);
        for (const QString &pezzo : {prima, dopo}) {
            if (pezzo.trimmed().isEmpty() || pezzo != pezzo.trimmed() || pezzo.contains(QLatin1String("  ")))
                difetti << QStringLiteral("%1: piece \"%2\" is empty or has stray blanks").arg(passo, pezzo);
        }
        if (!dopo.endsWith(QLatin1Char('.')) && !dopo.endsWith(QLatin1Char('!')))
            difetti << QStringLiteral("%1: \"%2\" does not end the sentence").arg(passo, dopo);

        const QString perUno = campo(p.perUno);
        const QString perZero = p.perZero ? campo(p.perZero) : QString();
        // Field 11 of a subtraction story is never chosen, but must still be right.
        const bool zeroUsato = p.perZero && p.minimo == 0;

        for (int n = p.minimo; n <= p.massimo; ++n) {
            const QString frase = fraseRisposta(prima, dopo, perUno, zeroUsato ? &perZero : nullptr, n);
            const QString dove = QStringLiteral("%1 n=%2").arg(passo).arg(n);
            QStringList dn = difettiComuni(frase);
            if (!frase.endsWith(QLatin1Char('.')) && !frase.endsWith(QLatin1Char('!')))
                dn << QStringLiteral("an answer ends with a full stop");
            if (n == 1) {
                if (frase != perUno)
                    dn << QStringLiteral("the sentence for one is not used");
                if (frase.contains(QRegularExpression(QStringLiteral("\\d"))))
                    dn << QStringLiteral("the sentence for one shows a digit");
                if (!haParola(frase, {QStringLiteral("un"), QStringLiteral("uno"), QStringLiteral("una")}))
                    dn << QStringLiteral("the sentence for one does not say one");
                // "C'è un palloncino." against "palloncini.": singular and plural differ.
                if (haParola(frase, {primaParola(dopo)}))
                    dn << QStringLiteral("the plural noun \"%1\" is used for one").arg(primaParola(dopo));
            } else if (n == 0 && zeroUsato) {
                if (frase != perZero)
                    dn << QStringLiteral("the sentence for zero is not used");
            } else {
                const QString atteso = prima + QStringLiteral("  ") + QString::number(n) + QLatin1Char(' ') + dopo;
                if (frase != atteso)
                    dn << QStringLiteral("not built by the rule");
                // Only the designed double blank, right before the digit.
                QString senza = frase;
                senza.replace(QStringLiteral("  %1 ").arg(n), QStringLiteral(" %1 ").arg(n));
                if (senza.contains(QLatin1String("  ")))
                    dn << QStringLiteral("doubled blank");
            }
            segnala(dove, frase, dn);
        }

        if (p.perZero) {
            QStringList dz = difettiComuni(perZero);
            if (perZero.contains(QRegularExpression(QStringLiteral("\\d"))))
                dz << QStringLiteral("the sentence for zero shows a digit");
            if (!haParola(perZero, {QStringLiteral("non"), QStringLiteral("nessun"), QStringLiteral("nessuno"),
                                    QStringLiteral("nessuna")}))
                dz << QStringLiteral("the sentence for zero does not say none");
            if (!perZero.endsWith(QLatin1Char('.')))
                dz << QStringLiteral("an answer ends with a full stop");
            segnala(passo + QStringLiteral(" zero"), perZero, dz);
        }
    }
    QVERIFY2(difetti.isEmpty(), qPrintable(QLatin1Char('\n') + difetti.join(QLatin1Char('\n'))));
}

// The rule as the screens apply it, on a shipped story: two blanks before
// the digit, the sentence for one unchanged, the zero sentence for nothing left.
void TstStorie::regolaNelleStorie()
{
    const EsitoLettura e = leggiFileTesti(cartellaTesti() + QStringLiteral("lista2.txt"), 16);
    QVERIFY2(e.ok(), qPrintable(e.errore));
    const auto &r = e.record.front();
    const QString zero = r[15];
    QCOMPARE(fraseRisposta(r[12], r[13], r[14], &zero, 5), r[12] + QStringLiteral("  5 ") + r[13]);
    QCOMPARE(fraseRisposta(r[12], r[13], r[14], &zero, 1), r[14]);
    QCOMPARE(fraseRisposta(r[12], r[13], r[14], &zero, 0), zero);
    QVERIFY(fraseRisposta(r[12], r[13], r[14], &zero, 3).contains(QLatin1String("  3 ")));
}

QTEST_GUILESS_MAIN(TstStorie)
#include "tst_storie.moc"
