// Speaking a text and waiting for its end: what is locked and when, the
// text handed over, and every way the wait can end. The fake engine is mute
// (it never ends by itself), so each test says when a sentence ends and no
// timer decides the order of events.

#include "motorefinto.h"
#include "perparlare.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestParla : public QObject
{
    Q_OBJECT
    PerParlare parla;
    QPointer<MotoreFinto> motore;
    QStringList blocchi;

    PerParlare::Blocco blocco()
    {
        return
            [this](bool abilitato) { blocchi << (abilitato ? QStringLiteral("sblocca") : QStringLiteral("blocca")); };
    }

    // Runs `azione` inside the wait, once the engine speaks.
    void durante(const std::function<void()> &azione)
    {
        QTimer::singleShot(0, motore, [this, azione] {
            QVERIFY(motore->SpeakingStatus() != 0);
            azione();
        });
    }

private Q_SLOTS:
    void init()
    {
        motore = new MotoreFinto;
        motore->muto = true;
        parla.usaMotore(motore);
        parla.TestoDaDire.clear();
        parla.margineWatchdogMs = 3000;
        blocchi.clear();
    }
    void cleanup() { delete motore; }

    void testoVuotoNonFaNulla()
    {
        parla.Parla(blocco());
        QVERIFY(blocchi.isEmpty());
        QVERIFY(motore->chiamate.isEmpty());
    }

    // Locked before the text reaches the engine, unlocked only at its end;
    // the text is prepared, TestoDaDire is left as the caller gave it.
    void bloccaParlaAspettaSblocca()
    {
        parla.TestoDaDire = QStringLiteral("Città è bella .");
        QStringList dentro;
        durante([&] {
            dentro = blocchi;
            motore->finisciOra();
        });
        parla.Parla(blocco());
        QCOMPARE(dentro, QStringList{QStringLiteral("blocca")});
        QCOMPARE(blocchi, (QStringList{QStringLiteral("blocca"), QStringLiteral("sblocca")}));
        QCOMPARE(motore->testi, QStringList{QStringLiteral("Citta' e' bella. ")});
        QCOMPARE(parla.TestoDaDire, QStringLiteral("Città è bella ."));
        // Waiting is sleeping until the end is signalled, not asking.
        QVERIFY2(motore->lettureStato < 10, qPrintable(QString::number(motore->lettureStato)));
    }

    void fineDellAttesa_data()
    {
        QTest::addColumn<QString>("come");
        QTest::newRow("ripetizione durante l'attesa") << "ripeti";
        QTest::newRow("Parla annidato") << "annidato";
        QTest::newRow("motore distrutto") << "distrutto";
        QTest::newRow("motore che non avvisa mai") << "cane";
        QTest::newRow("nessun motore") << "senza";
    }

    // However the sentence ends, Parla returns and unlocks.
    void fineDellAttesa()
    {
        QFETCH(QString, come);
        parla.TestoDaDire = QStringLiteral("Quante mele ci sono?");
        if (come == QLatin1String("ripeti")) {
            // The repeat button: stop, speak again; the wait goes on until
            // that utterance has ended too.
            durante([&] {
                motore->StopSpeech();
                motore->SpeakText(parla.TestoDaDire);
                QTimer::singleShot(0, motore, [&] { motore->finisciOra(); });
            });
        } else if (come == QLatin1String("annidato")) {
            durante([&] {
                PerParlare::Blocco interno = [&](bool a) { blocchi << (a ? "dentro-sblocca" : "dentro-blocca"); };
                QTimer::singleShot(0, motore, [&] { motore->finisciOra(); });
                parla.TestoDaDire = QStringLiteral("Ne arrivano due.");
                parla.Parla(interno);
            });
        } else if (come == QLatin1String("distrutto")) {
            durante([&] { delete motore; });
        } else if (come == QLatin1String("cane")) {
            parla.margineWatchdogMs = 0;
            motore->durataMs = 0;
        } else {
            parla.usaMotore(nullptr);
        }
        parla.Parla(blocco());
        QCOMPARE(blocchi.first(), QStringLiteral("blocca"));
        QCOMPARE(blocchi.last(), QStringLiteral("sblocca"));
        if (come == QLatin1String("annidato"))
            QCOMPARE(blocchi, (QStringList{"blocca", "dentro-blocca", "dentro-sblocca", "sblocca"}));
        if (come == QLatin1String("ripeti"))
            QCOMPARE(motore->testi.size(), 2);
    }
};

QTEST_MAIN(TestParla)
#include "tst_parla.moc"
