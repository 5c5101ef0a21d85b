// Every sentence the screens can speak from the shipped stories, through
// Parla's preparation and the engine's reading aid, must sound in
// espeak-ng exactly as the sentence as written.

#include "perparlare.h"
#include "sintesiespeak.h"
#include "testi.h"
#include "testoespeak.h"

#include <QTest>

class TestStorieParlate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storie_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("campi");
        QTest::newRow("addition") << QStringLiteral("lista1.txt") << 15;
        QTest::newRow("subtraction") << QStringLiteral("lista2.txt") << 16;
    }
    void storie()
    {
        QFETCH(QString, file);
        QFETCH(int, campi);
        const auto sintesi = SintesiEspeak::condivisa();
        QVERIFY2(sintesi->pronta(), qPrintable(sintesi->errore()));
        const EsitoLettura e = leggiFileTesti(qEnvironmentVariable("NUMERELLA_DATA") + QStringLiteral("/testi/") + file, campi);
        QVERIFY2(e.ok() && !e.record.empty(), qPrintable(e.errore));
        for (size_t r = 0; r < e.record.size(); ++r) {
            const Storia s = storiaDaCampi(e.record[r]);
            QStringList frasi{s.domanda1, s.domanda2, s.domanda3};
            for (int n = 0; n <= 9; ++n)
                frasi << s.risposta1.per(n) << s.risposta2.per(n) << s.risposta3.per(n);
            for (const QString &frase : std::as_const(frasi)) {
                const QString atteso = sintesi->fonemi(testoPerEspeak(frase));
                const QString letto = sintesi->fonemi(testoPerEspeak(preparaTesto(frase)));
                QVERIFY2(atteso.size() >= frase.size() / 3, qPrintable(frase + QStringLiteral(" -> ") + atteso));
                QVERIFY2(letto == atteso, qPrintable(QStringLiteral("story %1: \"%2\"\n  as written: %3\n  as spoken:  %4")
                                                         .arg(r + 1).arg(frase, atteso, letto)));
            }
        }
    }
};

QTEST_MAIN(TestStorieParlate)
#include "tst_storieparlate.moc"
