// Every sentence of the shipped stories sounds the same in espeak-ng prepared by Parla or as written.

#include "perparlare.h"
#include "sintesiespeak.h"
#include "testi.h"
#include "testoespeak.h"

#include <QTest>

class TestStorieParlate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storie()
    {
        const auto sintesi = SintesiEspeak::condivisa();
        QVERIFY2(sintesi->pronta() && !sintesi->fonemi(u"uno"_qs).isEmpty(), qPrintable(sintesi->errore()));
        for (const auto &[file, campi] : {std::pair{"lista1.txt", 15}, {"lista2.txt", 16}}) {
            const EsitoLettura e
                = leggiFileTesti(qEnvironmentVariable("NUMERELLA_DATA") + u"/testi/"_qs + QLatin1String(file), campi);
            QVERIFY2(e.ok() && !e.record.empty(), qPrintable(e.errore));
            for (const auto &record : e.record) {
                const Storia s = storiaDaCampi(record);
                QStringList frasi{s.domanda1, s.domanda2, s.domanda3};
                for (int n = 0; n <= 9; ++n)
                    frasi << s.risposta1.per(n) << s.risposta2.per(n) << s.risposta3.per(n);
                for (const QString &frase : std::as_const(frasi))
                    QCOMPARE(sintesi->fonemi(testoPerEspeak(preparaTesto(frase))),
                             sintesi->fonemi(testoPerEspeak(frase)));
            }
        }
    }
};

QTEST_MAIN(TestStorieParlate)
#include "tst_storieparlate.moc"
