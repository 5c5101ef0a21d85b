// The answer protocol on the exercise core: what each press does, in order, for both operations and boundaries.

#include "casuale.h"
#include "problema.h"

#include <QSet>
#include <QTest>

namespace {

// A story whose every field says which one it is.
Storia storiaProva(bool sottrazione)
{
    std::vector<QString> f{"ci.gif", "via.gif", "d1",     "r1a", "r1b", "r1uno", "d2",   "r2a",
                           "r2b",    "r2uno",   "r2zero", "d3",  "r3a", "r3b",   "r3uno"};
    if (sottrazione)
        f.push_back(QStringLiteral("r3zero"));
    return storiaDaCampi(f);
}

QString messaggio(const QString &chiave)
{
    static const QHash<QString, QString> m{{"0005", "Scrivi"},   {"0007", "Togli"},    {"0008", " meno "},
                                           {"0009", " fa "},     {"0260", "Contiamo"}, {"0261", "%1=%2+%3"},
                                           {"0262", "Premi %1"}, {"0263", "più"},      {"0264", "meno"},
                                           {"0265", "uguale"}};
    return m.value(chiave);
}

// An outcome as one line: "+R1" shows, "-R1" hides, "R1=..." sets a text,
// «...» speaks, "c3:f" "c3+f" "c3~f" are the three ways a cell gets a file;
// "m3/2" marks cell 3 as number 2, "[7=4+3]" shows the bar, "[+]" marks a key.
QString traccia(const Esito &e)
{
    using T = Passaggio::Tipo;
    static const char tasti[] = "c+-=";
    static const QHash<T, QString> forma{{T::Testo, "%1=%3"},          {T::Mostra, "+%1"},
                                         {T::Nascondi, "-%1"},         {T::Parla, "«%3»"},
                                         {T::CellaFile, "c%2:%3"},     {T::CellaMostraFile, "c%2+%3"},
                                         {T::CellaCambia, "c%2~%3"},   {T::NascondiCelle, "-celle"},
                                         {T::MostraAvanti, "+avanti"}, {T::NascondiAvanti, "-avanti"},
                                         {T::IconaSi, "si"},           {T::IconaNo, "no"},
                                         {T::SuonoEsatto, "♪si"},      {T::SuonoErrato, "♪no"},
                                         {T::AltroSchermo, "altro"},   {T::MarcaCella, "m%2/%3"},
                                         {T::SmarcaCelle, "-m"},       {T::MostraBarra, "[%4]"},
                                         {T::NascondiBarra, "-[]"},    {T::MarcaTasto, "[%5]"},
                                         {T::SmarcaTasto, "-[t]"}};
    static const char *nome[] = {"D1", "D2", "D3", "R1", "R2", "R3", "Op", "Esatti", "Errati", "Aiuto"};
    QStringList v;
    for (const Passaggio &p : e.passi)
        v << QString(forma[p.tipo])
                 .replace(QStringLiteral("%1"), QString::fromLatin1(nome[int(p.etichetta)]))
                 .replace(QStringLiteral("%2"), QString::number(p.cella))
                 .replace(QStringLiteral("%3"), p.testo)
                 .replace(QStringLiteral("%4"),
                          QStringLiteral("%1=%2+%3").arg(p.numeri[0]).arg(p.numeri[1]).arg(p.numeri[2]))
                 .replace(QStringLiteral("%5"),
                          p.tasto.tasto == Tasto::Cifra ? QString::number(p.tasto.cifra)
                                                        : QString(QChar::fromLatin1(tasti[int(p.tasto.tasto)])));
    return v.join(u' ');
}

Pressione pressione(QChar t)
{
    return t.isDigit() ? Pressione{Tasto::Cifra, t.digitValue()}
                       : Pressione{t == u'+'       ? Tasto::Piu
                                       : t == u'-' ? Tasto::Meno
                                                   : Tasto::Uguale};
}

struct Banco {
    explicit Banco(bool sottrazione)
        : storie{storiaProva(sottrazione)}
        , p(sottrazione ? Operazione::perSottrazione() : Operazione::perAddizione(), storie, casuale, esatti, errati,
            messaggio)
    {
        // On, so that the tables of right and single wrong presses also show
        // that a problem without hints is as it would be with them off.
        p.aiuti = true;
    }
    std::vector<Storia> storie;
    Casuale casuale{7};
    Integer esatti = 0;
    Integer errati = 0;
    Problema p;
};

} // namespace

class TestProblema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void percorsoGiusto_data()
    {
        QTest::addColumn<bool>("sottrazione");
        QTest::addColumn<int>("n3");
        QTest::addColumn<int>("n1");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QStringList>("storia"); // the new problem, then the three answers
        QTest::addColumn<QString>("detto"); // the sentence of the finished operation

        QTest::newRow("addizione 3 + 2 = 5")
            << false << 5 << 3 << "3253+2=5"
            << QStringList{"R1=r1a  3 r1b R2=r2a  2 r2b R3=r3a  5 r3b c0:ci.gif c1:ci.gif c2:ci.gif +D1 «d1»",
                           "+R1 «r1a  3 r1b» c3+via.gif c4+via.gif +D2 «d2»", "+R2 «r2a  2 r2b» +D3 «d3»",
                           "+R3 «r3a  5 r3b» Op=Scrivi +Op «Scrivi»"}
            << " 3 +  2 =  5";
        QTest::newRow("addizione totale 1")
            << false << 1 << 1 << "1011+0=1"
            << QStringList{"R1=r1uno R2=r2zero R3=r3uno c0:ci.gif +D1 «d1»", "+R1 «r1uno» +D2 «d2»",
                           "+R2 «r2zero» +D3 «d3»", "+R3 «r3uno» Op=Scrivi +Op «Scrivi»"}
            << " 1 +  0 =  1";
        QTest::newRow("sottrazione 7 - 3 = 4")
            << true << 7 << 3 << "7347-3=4"
            << QStringList{"R1=r1a  7 r1b R2=r2a  3 r2b R3=r3a  4 r3b +D1 «d1» c0:ci.gif c1:ci.gif c2:ci.gif "
                           "c3:ci.gif c4:ci.gif c5:ci.gif c6:ci.gif",
                           "c0~via.gif c1~via.gif c2~via.gif +R1 «r1a  7 r1b» +D2 «d2»", "+R2 «r2a  3 r2b» +D3 «d3»",
                           "+R3 «r3a  4 r3b» Op=Togli +Op"}
            << "7 meno 3 fa 4";
        QTest::newRow("sottrazione tutti via")
            << true << 3 << 3 << "3303-3=0"
            << QStringList{"R1=r1a  3 r1b R2=r2a  3 r2b R3=r3zero +D1 «d1» c0:ci.gif c1:ci.gif c2:ci.gif",
                           "c0~via.gif c1~via.gif c2~via.gif +R1 «r1a  3 r1b» +D2 «d2»", "+R2 «r2a  3 r2b» +D3 «d3»",
                           "+R3 «r3zero» Op=Togli +Op"}
            << "3 meno 3 fa 0";
    }

    void percorsoGiusto()
    {
        QFETCH(bool, sottrazione);
        QFETCH(int, n3);
        QFETCH(int, n1);
        QFETCH(QString, tasti);
        QFETCH(QStringList, storia);
        QFETCH(QString, detto);
        Banco b(sottrazione);
        QCOMPARE(traccia(b.p.inizia(1, n3, n1)),
                 QStringLiteral("-avanti -celle -D1 -D2 -D3 -R1 -R2 -R3 -Op D1=d1 D2=d2 D3=d3 ") + storia[0]);
        // The operation as it grows: each digit as its number text, then " + ".
        QString operazione;
        for (int i = 0; i < tasti.size(); ++i) {
            QCOMPARE(b.p.passo(), i);
            const Esito e = b.p.premi(pressione(tasti[i]));
            QVERIFY2(e.giusto, qPrintable(QStringLiteral("press %1").arg(i)));
            if (i < 3) {
                QCOMPARE(traccia(e), storia[i + 1]);
                continue;
            }
            operazione += tasti[i].isDigit() ? QStringLiteral(" ") + tasti[i] : QStringLiteral(" %1 ").arg(tasti[i]);
            QCOMPARE(traccia(e),
                     i < 7 ? QStringLiteral("Op=%1 ♪si").arg(operazione)
                           : QStringLiteral("Op=%1 +avanti si Esatti= 1 «%2»").arg(operazione, detto));
        }
        QCOMPARE(b.p.passo(), 7); // Passo stays 7 once the operation is written
        for (QChar t : tasti.right(5)) // and then every press does nothing until "avanti"
            QCOMPARE(traccia(b.p.premi(pressione(t))), QString());
        QCOMPARE(b.esatti, Integer(1));
        QCOMPARE(b.errati, Integer(0));
    }

    void pressioneSbagliata_data()
    {
        QTest::addColumn<bool>("sottrazione");
        QTest::addColumn<int>("passo");
        QTest::addColumn<QChar>("tasto");
        QTest::addColumn<QString>("giusti");
        // Every step of 5 + 2 = 7 and 7 - 2 = 5, reached by right presses, then
        // one wrong press of each kind that is wrong there.
        for (bool sott : {false, true}) {
            const QString giusti = sott ? QStringLiteral("7257-2=5") : QStringLiteral("5275+2=7");
            const QChar mio = sott ? u'-' : u'+';
            const QChar altro = sott ? u'+' : u'-';
            for (int passo = 0; passo < 8; ++passo) {
                QList<QChar> sbagliati{altro};
                const QChar giusto = giusti[passo];
                if (giusto.isDigit())
                    sbagliati << QChar(u'0' + (giusto.digitValue() + 1) % 10) << u'=' << mio;
                else
                    sbagliati << u'9' << (giusto == u'=' ? mio : QChar(u'='));
                for (QChar t : sbagliati)
                    QTest::addRow("%s passo %d tasto %c", sott ? "sottrazione" : "addizione", passo, t.toLatin1())
                        << sott << passo << t << giusti;
            }
        }
    }

    void pressioneSbagliata()
    {
        QFETCH(bool, sottrazione);
        QFETCH(int, passo);
        QFETCH(QChar, tasto);
        QFETCH(QString, giusti);
        Banco b(sottrazione);
        b.p.inizia(1, 7, sottrazione ? 2 : 5);
        for (int i = 0; i < passo; ++i)
            QVERIFY(b.p.premi(pressione(giusti[i])).giusto);
        const QString operazione = b.p.operazione();

        const Esito e = b.p.premi(pressione(tasto));
        QVERIFY(!e.giusto);
        QCOMPARE(traccia(e), QStringLiteral("no Errati= 1 ♪no"));
        QCOMPARE(b.p.passo(), passo);
        QCOMPARE(b.p.operazione(), operazione);
        QCOMPARE(b.esatti, Integer(0));
        // The step still takes its right press.
        QVERIFY(b.p.premi(pressione(giusti[passo])).giusto);
    }

    // The hints, from the second wrong press of a step: the last outcome of the presses ('x' first: hints off;
    // 'n' a new problem, whose outcome is checked up to "…"). 5 = 3 + 2 and 7 - 3 = 4.
    void aiuti_data()
    {
        QTest::addColumn<bool>("sottrazione");
        QTest::addColumn<int>("n3");
        QTest::addColumn<int>("n1");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("atteso");
        // The outcome's start at a second and a third wrong press, the counting's start, its first two numbers.
        const QString no2 = u"no Errati= 2 ♪no "_qs, no3 = u"no Errati= 3 ♪no "_qs;
        const QString conta = u"Aiuto=Contiamo +Aiuto «Contiamo» "_qs, due = no2 + conta;
        const QString uno2 = u"m0/1 Aiuto=Contiamo: 1 «1» m1/2 Aiuto=Contiamo: 1, 2 «2» "_qs;
        // clang-format off
        QTest::newRow("addition at first: the things there")
            << false << 5 << 3 << "99" << due + uno2 + "m2/3 Aiuto=Contiamo: 1, 2, 3 «3» -m -Aiuto";
        QTest::newRow("addition change: those that arrive, from one")
            << false << 5 << 3 << "399" << due + "m3/1 Aiuto=Contiamo: 1 «1» m4/2 Aiuto=Contiamo: 1, 2 «2» -m -Aiuto";
        QTest::newRow("addition result: counts on from the first number") << false << 5 << 3 << "3299" << due
            + "m0/ m1/ m2/3 Aiuto=Contiamo: 3 «3» m3/4 Aiuto=Contiamo: 3... 4 «4» m4/5 Aiuto=Contiamo: 3... 4, 5 «5»"
            + " -m -Aiuto";
        QTest::newRow("nothing arrives: zero said")
            << false << 3 << 3 << "399" << due + "Aiuto=Contiamo: 0 «0» -m -Aiuto";
        QTest::newRow("third wrong press counts again") << true << 2 << 1 << "999" << no3 + conta + uno2 + "-m -Aiuto";
        QTest::newRow("subtraction change: those that go away")
            << true << 7 << 3 << "799" << due + uno2 + "m2/3 Aiuto=Contiamo: 1, 2, 3 «3» -m -Aiuto";
        QTest::newRow("subtraction result: those that stay")
            << true << 6 << 4 << "6499" << due + "m4/1 Aiuto=Contiamo: 1 «1» m5/2 Aiuto=Contiamo: 1, 2 «2» -m -Aiuto";
        QTest::newRow("writing, second wrong press: the bar")
            << false << 5 << 3 << "32599" << no2 + "[5=3+2] Aiuto=5=3+2 +Aiuto «5=3+2»";
        QTest::newRow("subtraction bar: the whole, away, left")
            << true << 7 << 3 << "734-9" << no2 + "[7=3+4] Aiuto=7=3+4 +Aiuto «7=3+4»";
        QTest::newRow("writing, third wrong press: the key")
            << false << 5 << 3 << "325999" << no3 + "[3] Aiuto=Premi 3 +Aiuto «Premi 3»";
        QTest::newRow("an operator key written as on it, said by name")
            << false << 5 << 3 << "3253999" << no3 + "[+] Aiuto=Premi + +Aiuto «Premi più»";
        QTest::newRow("the marked key pressed: unmarked, the bar said again")
            << false << 5 << 3 << "3259993" << "-[t] Aiuto=5=3+2 Op= 3 ♪si";
        QTest::newRow("next problem: the marks gone")
            << false << 5 << 3 << "99n" << "-m -[t] -[] -Aiuto -avanti -celle …";
        QTest::newRow("off, at first") << false << 5 << 3 << "x99" << no2.trimmed();
        QTest::newRow("off, writing") << false << 5 << 3 << "x325999" << no3.trimmed();
        QTest::newRow("off, next problem") << false << 5 << 3 << "x99n" << "-avanti -celle …";
        // clang-format on
    }
    void aiuti()
    {
        QFETCH(bool, sottrazione);
        QFETCH(int, n3);
        QFETCH(int, n1);
        QFETCH(QString, tasti);
        QFETCH(QString, atteso);
        Banco b(sottrazione);
        b.p.inizia(1, n3, n1);
        Esito e;
        for (QChar t : tasti) {
            if (t == u'x')
                b.p.aiuti = false;
            else
                e = t == u'n' ? b.p.inizia(1, n3, n1) : b.p.premi(pressione(t));
        }
        if (atteso.endsWith(u'…'))
            QCOMPARE(traccia(e).left(atteso.size() - 1), atteso.chopped(1));
        else
            QCOMPARE(traccia(e), atteso);
    }

    void conteggiSaturano_data()
    {
        QTest::addColumn<bool>("giusto");
        QTest::newRow("esatti") << true;
        QTest::newRow("errati") << false;
    }

    // A count at 32767 stays there.
    void conteggiSaturano()
    {
        QFETCH(bool, giusto);
        Banco b(false);
        b.p.inizia(1, 1, 1);
        Integer &conto = giusto ? b.esatti : b.errati;
        conto = Integer(32767);
        const QString tasti = giusto ? QStringLiteral("1011+0=1") : QStringLiteral("9");
        Esito e;
        for (QChar t : tasti)
            e = b.p.premi(pressione(t));
        QCOMPARE(int(conto), 32767);
        QVERIFY(traccia(e).contains(QStringLiteral("= 32767")));
    }

    // The record's account of a problem: wrong presses by part, the sentence heard again ('r'), the time, and
    // whether it was finished; told once, when it ends.
    void andamento_data()
    {
        QTest::addColumn<bool>("sottrazione");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("fine"); // after the presses: "nuovo" the next problem, "via" the screen goes
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("finished, wrong at every part, heard twice")
            << false << "r43r32453-+2=55" << "nuovo" << "1: 3+2=5 1111 r2 40s finished a0";
        QTest::newRow("left for the next problem") << false << "3r4" << "nuovo" << "1: 3+2=5 0100 r1 -1s left a0";
        QTest::newRow("left when the screen goes") << true << "7" << "via" << "1: 7-3=4 0000 r0 -1s left a0";
        QTest::newRow("not over yet") << true << "7347-3" << "" << "";
        QTest::newRow("subtraction, wrong writing twice: the bar")
            << true << "7347-3-3=4" << "via" << "1: 7-3=4 0002 r0 40s finished a1";
        QTest::newRow("every hint counted") << false << "9993259993+2=5" << "via" << "1: 3+2=5 3003 r0 40s finished a4";
        QTest::newRow("hints off, none counted")
            << false << "x9993259993+2=5" << "via" << "1: 3+2=5 3003 r0 40s finished a0";
        // clang-format on
    }
    void andamento()
    {
        QFETCH(bool, sottrazione);
        QFETCH(QString, tasti);
        QFETCH(QString, fine);
        QFETCH(QString, atteso);
        QStringList detti; // outlives the problem, which tells it as it goes
        int chiamate = 0;
        auto b = std::make_unique<Banco>(sottrazione);
        b->p.orologio = [&chiamate] { return QDateTime(QDate(2026, 3, 2), QTime(8, 0)).addSecs(40 * chiamate++); };
        b->p.allaFine = [&detti](const Andamento &a) {
            const auto &e = a.errati;
            detti << QString::asprintf("%d: %d%c%d=%d %d%d%d%d r%d %ds %s a%d", a.rigaStoria, a.primo,
                                       a.operazione.toLatin1(), a.secondo, a.risultato, e[0], e[1], e[2], e[3],
                                       a.riascolti, a.secondi, a.finito ? "finished" : "left", a.aiuti);
        };
        b->p.inizia(1, sottrazione ? 7 : 5, 3);
        QCOMPARE(b->p.andamento().inizio, QDateTime(QDate(2026, 3, 2), QTime(8, 0)));
        for (QChar t : tasti)
            t == u'r' ? b->p.riascoltato() : t == u'x' ? void(b->p.aiuti = false) : void(b->p.premi(pressione(t)));
        if (fine == QStringLiteral("nuovo"))
            b->p.nuovo();
        else if (fine == QStringLiteral("via"))
            b.reset();
        QCOMPARE(detti.join(u'|'), atteso);
    }

    // 1 <= first <= total <= 9, every story and every pair of numbers drawn. "avanti" draws a new problem; in the
    // mixed mode it may hand over to the other screen instead.
    void estrazioni()
    {
        int altro = 0, finiti = 0; // before the problem: its end is told when it goes
        Banco b(false);
        b.storie = {storiaProva(false), storiaProva(false), storiaProva(false)};
        QSet<int> righe;
        QSet<QPair<int, int>> coppie;
        b.p.allaFine = [&finiti](const Andamento &) { ++finiti; };
        for (int i = 0; i < 5000; ++i) {
            const int prima = finiti;
            if (traccia(b.p.avanti(i % 2)) == QStringLiteral("altro")) {
                QVERIFY(i % 2 && finiti == prima); // the problem in progress is not ended here
                ++altro;
                continue;
            }
            QCOMPARE(finiti, prima + int(i > 0));
            const int n1 = b.p.numero1(), n2 = b.p.numero2(), n3 = b.p.numero3();
            QVERIFY(1 <= n1 && n1 <= n3 && n3 <= 9);
            QCOMPARE(n1 + n2, n3);
            righe << b.p.riga();
            coppie << qMakePair(n3, n1);
        }
        QVERIFY(altro > 0 && altro < 2500);
        QCOMPARE(righe, (QSet<int>{1, 2, 3}));
        QCOMPARE(coppie.size(), 45); // every total 1..9 with every first term 1..total
    }
};

QTEST_APPLESS_MAIN(TestProblema)
#include "tst_problema.moc"
