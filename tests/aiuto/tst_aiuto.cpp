// The help's core: the review queue played problem by problem (which problem comes back, when, and when it
// retires), and the sure and stuck states at their boundaries.

#include "casuale.h"
#include "padronanza.h"
#include "quadro.h"
#include "sceltaproblema.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// One story file for both operations, so that only the operation tells their problems apart; an English one.
const QString File[2] = {QStringLiteral("testi/lista.txt"), QStringLiteral("testi/English/lista.txt")};

// A problem's row as the record writes it: the numbers in the story's order, a wrong press ('x') at the change,
// or left unfinished ('u'), or clean ('o').
RigaRegistro riga(QChar op, const QString &file, const Scelta &s, QChar esito)
{
    RigaRegistro r;
    r.operazione = op;
    r.fileStorie = file;
    r.rigaStoria = s.riga;
    const int n2 = s.n3 - s.n1;
    r.primo = op == u'-' ? s.n3 : s.n1;
    r.secondo = op == u'-' ? s.n1 : n2;
    r.risultato = op == u'-' ? n2 : s.n3;
    r.errati[RigaRegistro::Cambio] = esito == u'x';
    r.finito = esito != u'u';
    return r;
}

// Problems oldest first, each as "Ada-x2": the pupil (none: a visitor), '-' for a subtraction (else an addition),
// 'o' clean, 'x' a wrong press at the change, 'y' one while writing the operation, 'u' left with none; the day.
std::vector<RigaRegistro> problemi(const QString &copione)
{
    std::vector<RigaRegistro> righe;
    for (QString p : copione.split(u' ')) {
        RigaRegistro &r = righe.emplace_back();
        const QChar esito = p[p.size() - 2];
        r.inizio = QDateTime(QDate(2026, 10, p.back().digitValue()), QTime(9, 0));
        r.errati[RigaRegistro::Cambio] = esito == u'x';
        r.errati[RigaRegistro::Scrittura] = esito == u'y';
        r.finito = esito != u'u';
        p.chop(2);
        r.operazione = p.endsWith(u'-') ? u'-' : u'+';
        r.alunno = p.chopped(p.endsWith(u'-') || p.endsWith(u'+'));
    }
    return righe;
}

} // namespace

class TestAiuto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each problem of the script ("+x": an addition with a wrong press; "-oe": a clean subtraction of the English
    // stories) is chosen, then done as the script says.
    // The problems chosen are written as letters: a new letter for a new problem, an earlier one's for a problem
    // that comes back. Every new problem is the one today's draw gives: the row, the total, the first term.
    void ripasso_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<int>("storie"); // 1000: a new problem never meets an earlier one by chance
        QTest::addColumn<bool>("conRipasso");
        QTest::addColumn<QString>("attesi");
        QTest::newRow("a missed problem comes back after three others")
            << "+x +o +o +o +o +o" << 1000 << true << "abcdae";
        QTest::newRow("solved clean twice, it retires")
            << "+x +o +o +o +o +o +o +o +o +o +o +o +o" << 1000 << true << "abcdaefgahijk";
        QTest::newRow("a wrong press in review starts the two again")
            << "+x +o +o +o +o +o +o +o +x +o +o +o +o +o +o +o +o +o +o +o +o" << 1000 << true
            << "abcdaefgahijaklmanopq";
        QTest::newRow("left unfinished, it comes back") << "+u +o +o +o +o" << 1000 << true << "abcda";
        QTest::newRow("a fourth waiting pushes the oldest out")
            << "+x +x +x +x +o +o +o +o +o" << 1000 << true << "abcdebcdf";
        QTest::newRow("subtractions do not count for an addition")
            << "+x -o -o -o +o +o +o +o" << 1000 << true << "abcdefga";
        QTest::newRow("a subtraction comes back among subtractions")
            << "-x +o -o -o -o +o -o" << 1000 << true << "abcdefa";
        QTest::newRow("one story: the numbers tell problems apart") << "+x +o +o +o +o" << 1 << true << "abcda";
        QTest::newRow("another language's stories: they wait, the longest waiting first")
            << "+x +x +oe +oe +oe +oe +o +o" << 1000 << true << "abcdefab";
        QTest::newRow("review off: today's draws") << "+x +o +o +o +o +o" << 1000 << false << "abcdef";
    }
    void ripasso()
    {
        QFETCH(QString, copione);
        QFETCH(int, storie);
        QFETCH(bool, conRipasso);
        QFETCH(QString, attesi);
        Casuale casuale(7), oggi(7);
        SceltaProblema scelta;
        std::vector<RigaRegistro> storia;
        std::vector<std::pair<Scelta, QChar>> visti;
        QString scelti;
        for (const QString &passo : copione.split(u' ')) {
            const QChar op = passo[0];
            const QString &file = File[passo.endsWith(u'e')];
            // Folded from the record, the queue chooses as it does told row by row.
            Casuale copia = casuale;
            const Scelta daStoria = SceltaProblema(storia).prossimo(op, file, storie, copia, conRipasso);
            const Scelta s = scelta.prossimo(op, file, storie, casuale, conRipasso);
            QCOMPARE(s, daStoria);
            QChar lettera = u'?';
            if (s.ripasso) {
                for (const auto &[prima, l] : visti) {
                    if (prima.riga == s.riga && prima.n3 == s.n3 && prima.n1 == s.n1)
                        lettera = l;
                }
            } else {
                const int r = oggi.estrai(storie);
                const int n3 = oggi.estrai(9);
                QCOMPARE(s, (Scelta{r, n3, oggi.estrai(n3), false}));
                lettera = QChar(u'a' + int(visti.size()));
                visti.push_back({s, lettera});
            }
            scelti += lettera;
            storia.push_back(riga(op, file, s, passo[1]));
            scelta.annota(storia.back());
        }
        QCOMPARE(scelti, attesi);
    }

    // A missed problem's row that no draw could have given (a record file edited by hand) is passed over.
    void passaSopra_data()
    {
        QTest::addColumn<QString>("conto"); // the operation as the record writes it, by the story's numbers
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("attesa");
        QTest::newRow("4 + 5 = 9 waits") << "4+5=9" << 1 << 1;
        QTest::newRow("9 - 9 = 0 waits") << "9-9=0" << 1 << 1;
        QTest::newRow("story row 0") << "4+5=9" << 0 << 0;
        QTest::newRow("neither + nor -") << "5*0=5" << 1 << 0;
        QTest::newRow("numbers that do not add up") << "4+5=8" << 1 << 0;
        QTest::newRow("a total of 10") << "5+5=10" << 1 << 0;
        QTest::newRow("a first term of 0") << "0+5=5" << 1 << 0;
        QTest::newRow("below zero") << "3-5=-2" << 1 << 0;
    }
    void passaSopra()
    {
        QFETCH(QString, conto);
        QFETCH(int, riga);
        QFETCH(int, attesa);
        const auto n = QRegularExpression(QStringLiteral("^(\\d+)(.)(\\d+)=(-?\\d+)$")).match(conto);
        QVERIFY(n.hasMatch());
        RigaRegistro r;
        r.operazione = n.captured(2)[0];
        r.fileStorie = File[0];
        r.rigaStoria = riga;
        r.primo = n.captured(1).toInt();
        r.secondo = n.captured(3).toInt();
        r.risultato = n.captured(4).toInt();
        SceltaProblema scelta;
        scelta.annota(r);
        QCOMPARE(scelta.inAttesa(), attesa);
    }

    // The additions' state at the change after the pupil's last problems.
    void sicuro_data()
    {
        QTest::addColumn<QString>("ultimi");
        QTest::addColumn<Padronanza>("stato");
        QTest::newRow("4 of 5 clean on one day: not yet sure") << "o1 o1 x1 o1 o1" << Padronanza::Nessuna;
        QTest::newRow("4 of 5 clean on two days: sure") << "o1 o1 x1 o1 o2" << Padronanza::Sicuro;
        QTest::newRow("3 of 5 clean, 2 wrong: neither") << "o1 x1 o2 x2 o2" << Padronanza::Nessuna;
        QTest::newRow("3 of 5 wrong: stuck") << "o1 x1 o2 x2 x2" << Padronanza::Aiuto;
        QTest::newRow("the sixth back does not count") << "x1 x1 o1 o1 x1 o1" << Padronanza::Nessuna;
        QTest::newRow("subtractions do not count") << "o1 o1 -x1 -x1 -x1 x1 o2 o2" << Padronanza::Sicuro;
        QTest::newRow("a wrong press at another part") << "y1 y1 y1 y2 o2" << Padronanza::Sicuro;
        QTest::newRow("left unfinished is not clean") << "o1 o1 o2 u2 x2" << Padronanza::Nessuna;
        QTest::newRow("3 problems, all wrong: stuck") << "x1 x1 x1" << Padronanza::Aiuto;
        QTest::newRow("4 problems, clean on two days: sure") << "o1 o1 o2 o2" << Padronanza::Sicuro;
    }
    void sicuro()
    {
        QFETCH(QString, ultimi);
        QFETCH(Padronanza, stato);
        QCOMPARE(padronanza(problemi(ultimi), u'+', RigaRegistro::Cambio), stato);
    }

    // The record view's picture of a class: Ada's older computer's file is read after the newer one's, yet her
    // last problems are the clean ones; Bo is stuck at the change of subtractions; visitors come last.
    void quadri()
    {
        QStringList v;
        for (const QuadroAlunno &q :
             ::quadri(problemi(u"Ada+o2 Ada+o2 Ada+o3 Ada+o3 Ada+x1 Ada+x1 Ada+x1 -x1 Bo-x1 Bo-x2 Bo-x2"_qs), {}))
            v << QStringLiteral("%1 %2%3 %4")
                     .arg(q.alunno)
                     .arg(int(q.stato[0][1]))
                     .arg(int(q.stato[1][1]))
                     .arg(q.haBisognoDiAiuto());
        QCOMPARE(v, QStringList({"Ada 10 0", "Bo 02 1", " 00 0"}));
    }
};

QTEST_GUILESS_MAIN(TestAiuto)
#include "tst_aiuto.moc"
