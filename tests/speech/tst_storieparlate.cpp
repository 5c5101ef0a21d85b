// Every sentence the screens can speak from the shipped stories, through
// Parla's preparation and the engine's reading aid, must sound in
// espeak-ng exactly as the sentence as written.

#include "perparlare.h"
#include "sintesiespeak.h"
#include "testi.h"
#include "testoespeak.h"

#include <QTest>

namespace {

struct Passo {
    int domanda; // field numbers, from 1
    int prima;
    int dopo;
    int perUno;
    int perZero; // 0: none
    int minimo;
    int massimo;
};

const Passo somma[] = {{3, 4, 5, 6, 0, 1, 9}, {7, 8, 9, 10, 11, 0, 8}, {12, 13, 14, 15, 0, 1, 9}};
const Passo differenza[] = {{3, 4, 5, 6, 0, 1, 9}, {7, 8, 9, 10, 11, 1, 9}, {12, 13, 14, 15, 16, 0, 8}};

} // namespace

class TestStorieParlate : public QObject
{
    Q_OBJECT
    std::shared_ptr<SintesiEspeak> sintesi;

    void controlla(const QString &file, int campi, const Passo (&passi)[3])
    {
        const EsitoLettura e = leggiFileTesti(qEnvironmentVariable("NUMERELLA_DATA") + QStringLiteral("/testi/") + file, campi);
        QVERIFY2(e.ok(), qPrintable(e.errore));
        QVERIFY(!e.record.empty());
        int frasi = 0;
        for (size_t r = 0; r < e.record.size(); ++r) {
            const auto &c = e.record[r];
            const auto campo = [&](int n) { return n >= 1 && size_t(n) <= c.size() ? c[size_t(n) - 1] : QString(); };
            QStringList daDire;
            for (const Passo &p : passi) {
                daDire << campo(p.domanda);
                const QString zero = campo(p.perZero);
                for (int n = p.minimo; n <= p.massimo; ++n)
                    daDire << fraseRisposta(campo(p.prima), campo(p.dopo), campo(p.perUno), p.perZero ? &zero : nullptr, n);
            }
            for (const QString &frase : std::as_const(daDire)) {
                if (frase.isEmpty())
                    continue;
                ++frasi;
                const QString atteso = sintesi->fonemi(testoPerEspeak(frase));
                const QString letto = sintesi->fonemi(testoPerEspeak(preparaTesto(frase)));
                QVERIFY2(atteso.size() >= frase.size() / 3, qPrintable(frase + QStringLiteral(" -> ") + atteso));
                QVERIFY2(letto == atteso, qPrintable(QStringLiteral("%1 story %2: \"%3\"\n  as written: %4\n  as spoken:  %5")
                                                         .arg(file).arg(r + 1).arg(frase, atteso, letto)));
            }
        }
        qInfo("%s: %d sentences", qPrintable(file), frasi);
    }

private Q_SLOTS:
    void initTestCase()
    {
        sintesi = SintesiEspeak::condivisa();
        QVERIFY2(sintesi->pronta(), qPrintable(sintesi->errore()));
    }
    void addizione() { controlla(QStringLiteral("lista1.txt"), 15, somma); }
    void sottrazione() { controlla(QStringLiteral("lista2.txt"), 16, differenza); }
};

QTEST_MAIN(TestStorieParlate)
#include "tst_storieparlate.moc"
