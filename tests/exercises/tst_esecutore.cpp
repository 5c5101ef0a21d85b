// The runner: outcomes in, what it asks of a screen out, with the real wait of a sentence (Parlata) on a mute engine
// that ends only when the test says so. The event loop runs only where a row waits for the watchdog.

#include "esecutore.h"
#include "motorefinto.h"
#include "perparlare.h"

#include <QPointer>
#include <QTest>
#include <deque>

namespace {

// "a «b» altro": the step a, the sentence b, the hand-over to the other screen.
Esito esito(const QString &passi)
{
    Esito e;
    for (const QString &p : passi.split(u' ')) {
        const auto tipo = p.startsWith(u'«') ? Passaggio::Tipo::Parla
            : p == u"altro"                  ? Passaggio::Tipo::AltroSchermo
                                             : Passaggio::Tipo::Testo;
        e.passi.push_back(
            {tipo, Etichetta::Operazione, -1, tipo == Passaggio::Tipo::Parla ? p.mid(1, p.size() - 2) : p});
    }
    return e;
}

// Each sentence has a wait of its own, never dropped: the end of a sentence of a dropped outcome still comes.
struct SchermoFinto : EsecutoreSchermo {
    QStringList chiamate;
    QPointer<MotoreFinto> motore;
    std::deque<Parlata> attese;
    Esecutore *esecutore = nullptr;

    // "altro" hands over to the other screen, "nuovo" starts a new problem here, from inside a step.
    void fai(const Passaggio &p) override
    {
        if (p.tipo == Passaggio::Tipo::Parla)
            return; // nothing to show: said by parla
        chiamate << p.testo;
        if (p.tipo == Passaggio::Tipo::AltroSchermo)
            esecutore->annulla();
        else if (p.testo == u"nuovo")
            esecutore->esegui(esito(u"n «m» o"_qs));
    }
    bool parla(const QString &testo, Fine fine) override
    {
        chiamate << u'«' + testo + u'»';
        if (testo.isEmpty())
            return false;
        attese.emplace_back().Parla(motore, testo, std::move(fine), 0);
        return true;
    }
    void fineAttesa() override { chiamate << QStringLiteral("/"); }
};

} // namespace

class TestEsecutore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Actions in turn: an outcome, or "fine" (the engine ends its sentence), "cane" (it never does: the loop runs
    // until the watchdog ends the wait), "via" (the engine is destroyed), "annulla" (the screen drops the outcome).
    // Expected: what the screen was asked during each action ("/": the wait is over).
    void corsa_data()
    {
        QTest::addColumn<QString>("azioni");
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("la frase aspetta la sua fine") << "a «b» c ; fine" << "a «b» ; / c";
        QTest::newRow("frase dopo frase") << "«a» b «c» d ; fine ; fine" << "«a» ; / b «c» ; / d";
        QTest::newRow("niente da dire, niente attesa") << "a «» b" << "a «» b";
        QTest::newRow("cane da guardia") << "«a» b ; cane" << "«a» ; / b";
        QTest::newRow("motore distrutto") << "«a» b ; via" << "«a» ; / b";
        QTest::newRow("esito nuovo durante la frase") << "«a» b ; «c» d ; fine" << "«a» ; / «c» ; / d";
        QTest::newRow("esito senza frase durante la frase") << "«a» b ; c ; fine" << "«a» ; c ; / b";
        QTest::newRow("annullato a metà frase") << "«a» b ; annulla ; fine" << "«a» ; / ; ";
        QTest::newRow("passaggio nel mezzo") << "a altro b «c»" << "a altro";
        QTest::newRow("problema nuovo nel mezzo") << "a nuovo b ; fine" << "a nuovo n «m» ; / o";
        QTest::newRow("passaggio durante la frase") << "«a» b ; altro c ; fine" << "«a» ; altro / ; ";
        // clang-format on
    }
    void corsa()
    {
        QFETCH(QString, azioni);
        SchermoFinto s;
        Esecutore esecutore(s);
        s.esecutore = &esecutore;
        s.motore = new MotoreFinto;
        s.motore->muto = true;
        s.motore->durataMs = 0;
        QStringList fatto;
        for (const QString &azione : azioni.split(u" ; "_qs)) {
            if (azione == u"fine" && s.motore)
                s.motore->finisciOra();
            else if (azione == u"cane")
                QVERIFY(QTest::qWaitFor([&] { return !esecutore.inAttesa(); }, 10000));
            else if (azione == u"via")
                delete s.motore;
            else if (azione == u"annulla")
                esecutore.annulla();
            else
                esecutore.esegui(esito(azione));
            fatto << s.chiamate.join(u' ');
            s.chiamate.clear();
        }
        QTEST(fatto.join(u" ; "_qs), "atteso");
        delete s.motore;
    }
};

QTEST_GUILESS_MAIN(TestEsecutore)
#include "tst_esecutore.moc"
