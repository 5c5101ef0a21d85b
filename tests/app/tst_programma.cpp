#include "codec.h"
#include "dialoghifinti.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "motorefinto.h"
#include "programma.h"
#include "registroschermi.h"
#include "schermo.h"
#include "suonifinti.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

QByteArray storie(int campi)
{
    QByteArray b;
    for (int r = 1; r <= 2; ++r) {
        for (int f = 1; f <= campi; ++f)
            b += "\"r" + QByteArray::number(r) + "f" + QByteArray::number(f) + "\",";
        b += "x\r\n";
    }
    return b;
}

class SchermoVuoto : public Schermo
{
public:
    explicit SchermoVuoto(const QString &nome)
        : Schermo(nome, 6000, 4000)
    {
    }
};

class BoccaProva : public Schermo, public PortatoreMotore
{
public:
    explicit BoccaProva(Contesto &c)
        : Schermo(QStringLiteral("FormBocca"), 1000, 1000)
        , m_motore(c.fabbricaMotore())
    {
    }
    MotoreVoce &Bocca() override { return *m_motore; }

private:
    std::unique_ptr<MotoreVoce> m_motore;
};

const QString CreditiAttesi = QStringLiteral("Numerella project  \r\n ----------------------- \r\n"
                                             "https://numerella.example.org\r\nE-mail: numerella@example.org");
} // namespace

// A program folder with stories and a language, a settings folder not yet
// made, a lock folder, and fakes for everything the user would see or hear.
class Banco
{
public:
    explicit Banco(QTemporaryDir &dir, const QString &nomeImpostazioni = QStringLiteral("config"))
    {
        programma = dir.filePath(QStringLiteral("prog"));
        impostazioni = dir.filePath(nomeImpostazioni + QStringLiteral("/ImpostazioniProgrammiZefra"));
        lock = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(programma + QStringLiteral("/testi"));
        QDir().mkpath(lock);
        if (!QFile::exists(programma + QStringLiteral("/LangSetting.ini"))) {
            scriviFileAtomico(programma + QStringLiteral("/testi/lista1.txt"), storie(15));
            scriviFileAtomico(programma + QStringLiteral("/testi/lista2.txt"), storie(16));
            scriviFileAtomico(programma + QStringLiteral("/LangSetting.ini"), "[Language]\r\nCurrentLanguage=Prova\r\n");
            scriviFileAtomico(programma + QStringLiteral("/Prova.lng"),
                              "[Strings]\r\n0001=\"Vuoi uscire?\"\r\n0002=\"Uno\"\r\n0003=\"Due\"\r\n0004=\"Tre\"\r\n");
        }
    }

    std::unique_ptr<Programma> crea(bool conBocca = false)
    {
        Programma::Opzioni o;
        o.percorsi = Percorsi{programma, impostazioni};
        o.cartellaLock = lock;
        o.seme = 42;
        o.fabbricaMotore = fabbrica.fabbrica();
        auto d = std::make_unique<DialoghiFinti>();
        dialoghi = d.get();
        o.dialoghi = std::move(d);
        o.suoni = std::make_unique<SuoniFinti>();
        o.registraSchermi = [conBocca](Contesto &c) {
            c.registro.registra(QStringLiteral("FormAvvio"), [] { return new SchermoVuoto(QStringLiteral("FormAvvio")); });
            if (conBocca)
                c.registro.registra(QStringLiteral("FormBocca"), [&c] { return new BoccaProva(c); });
        };
        o.termina = [this](int stato) { terminati << stato; };
        return std::make_unique<Programma>(std::move(o));
    }

    QString programma, impostazioni, lock;
    FabbricaFinta fabbrica;
    DialoghiFinti *dialoghi = nullptr;
    QList<int> terminati;
};

class TstProgramma : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void primoAvvio();
    void leggimiEsistenteIntatto();
    void impostazioniEVoce();
    void secondaCopia();
    void storieGuaste();
    void seme();
    void nessunoSchermoVisibile();
    void confermaUscita_data();
    void confermaUscita();
    void informazioni_data();
    void informazioni();
};

void TstProgramma::primoAvvio()
{
    QTemporaryDir dir;
    Banco b(dir);
    auto p = b.crea();
    QCOMPARE(p->Main(), std::optional<int>());
    QCOMPARE(leggi(b.impostazioni + QStringLiteral("/leggimi.txt")), QByteArray("Uno\r\n \r\nDue\r\n \r\nTre\r\n"));
    QVERIFY(!QFile::exists(b.impostazioni + QStringLiteral("/numerella.INI")));
    QCOMPARE(p->stato().FileImpostazioni, b.impostazioni + QStringLiteral("/numerella.INI"));
    QCOMPARE(p->stato().Velocita, Integer(130));
    QCOMPARE(p->stato().Voce, Integer(1));
    QCOMPARE(p->stato().SuonoAttivo, True);
    QCOMPARE(p->stato().NumeroTesti1, Integer(2));
    QCOMPARE(p->stato().Testi2[2][16], QStringLiteral("r2f16"));
    QVERIFY(p->registro().mostrato(QStringLiteral("FormAvvio")));
    QVERIFY(b.dialoghi->finestre.isEmpty());
}

void TstProgramma::leggimiEsistenteIntatto()
{
    QTemporaryDir dir;
    Banco b(dir);
    QVERIFY(QDir().mkpath(b.impostazioni));
    QVERIFY(scriviFileAtomico(b.impostazioni + QStringLiteral("/leggimi.txt"), "scritto a mano"));
    auto p = b.crea();
    QCOMPARE(p->Main(), std::optional<int>());
    QCOMPARE(leggi(b.impostazioni + QStringLiteral("/leggimi.txt")), QByteArray("scritto a mano"));
    QCOMPARE(QDir(b.impostazioni).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("leggimi.txt")});
}

void TstProgramma::impostazioniEVoce()
{
    QTemporaryDir dir;
    Banco b(dir);
    QVERIFY(QDir().mkpath(b.impostazioni));
    QVERIFY(scriviFileAtomico(b.impostazioni + QStringLiteral("/numerella.INI"), " 150 \r\n 2 \r\n"));
    auto p = b.crea(true);
    QCOMPARE(p->Main(), std::optional<int>());
    QCOMPARE(p->stato().Velocita, Integer(150));
    QCOMPARE(p->stato().Voce, Integer(2));
    QCOMPARE(b.fabbrica.creati.size(), 1);
    QVERIFY(b.fabbrica.ultimo()->chiamate.contains(QStringLiteral("VoiceNumber:2")));
    QVERIFY(p->registro().caricato(QStringLiteral("FormBocca")));
    QVERIFY(!p->registro().mostrato(QStringLiteral("FormBocca")));
}

void TstProgramma::secondaCopia()
{
    QTemporaryDir dir;
    Banco b(dir);
    auto primo = b.crea();
    QCOMPARE(primo->Main(), std::optional<int>());
    const QString leggimi = b.impostazioni + QStringLiteral("/leggimi.txt");
    QVERIFY(QFile::remove(leggimi));

    Banco b2(dir);
    auto secondo = b2.crea();
    QCOMPARE(secondo->Main(), std::optional<int>(0));
    QVERIFY(!QFile::exists(leggimi));
    QVERIFY(!QFile::exists(b.impostazioni + QStringLiteral("/numerella.INI")));
    QVERIFY(!secondo->registro().caricato(QStringLiteral("FormAvvio")));
    QVERIFY(b2.dialoghi->finestre.isEmpty());
    QVERIFY(primo->registro().mostrato(QStringLiteral("FormAvvio")));

    // Once the first copy has gone, the program starts again.
    primo.reset();
    secondo.reset();
    Banco b3(dir);
    auto terzo = b3.crea();
    QCOMPARE(terzo->Main(), std::optional<int>());
}

void TstProgramma::storieGuaste()
{
    QTemporaryDir dir;
    Banco b(dir);
    QVERIFY(scriviFileAtomico(b.programma + QStringLiteral("/testi/lista2.txt"), "\"r1f1\",\"r1f2\"\r\n"));
    auto p = b.crea(true);
    const std::optional<int> stato = p->Main();
    QVERIFY(stato && *stato != 0);
    QCOMPARE(b.dialoghi->tipi(), QStringList{QStringLiteral("errore")});
    QCOMPARE(b.dialoghi->finestre[0].titolo, QStringLiteral("Numerella"));
    const QString testo = b.dialoghi->finestre[0].testo;
    QVERIFY2(testo.contains(QStringLiteral("lista2.txt")) && testo.contains(QStringLiteral("la storia 1 è incompleta")),
             qPrintable(testo));
    QVERIFY(p->registro().caricati().isEmpty());
    QCOMPARE(p->stato().NumeroTesti1, Integer(0));

    // The lock has been let go: a corrected install starts at once.
    QVERIFY(scriviFileAtomico(b.programma + QStringLiteral("/testi/lista2.txt"), storie(16)));
    auto dopo = b.crea();
    QCOMPARE(dopo->Main(), std::optional<int>());
}

void TstProgramma::seme()
{
    QTemporaryDir dir;
    Banco b(dir);
    auto p = b.crea();
    QCOMPARE(p->Main(), std::optional<int>());
    Casuale atteso(42);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(p->contesto().casuale.Rnd(), atteso.Rnd());
}

void TstProgramma::nessunoSchermoVisibile()
{
    QTemporaryDir dir;
    Banco b(dir);
    auto p = b.crea(true);
    QCOMPARE(p->Main(), std::optional<int>());
    p->registro().scarica(p->registro().caricato(QStringLiteral("FormAvvio")));
    QCOMPARE(b.terminati, QList<int>{0});
}

void TstProgramma::confermaUscita_data()
{
    QTest::addColumn<bool>("si");
    QTest::addColumn<QList<int>>("terminati");
    QTest::newRow("Yes ends the run") << true << QList<int>{0};
    QTest::newRow("No does nothing") << false << QList<int>{};
}

void TstProgramma::confermaUscita()
{
    QFETCH(bool, si);
    QFETCH(QList<int>, terminati);
    QTemporaryDir dir;
    Banco b(dir);
    auto p = b.crea();
    QCOMPARE(p->Main(), std::optional<int>());
    b.dialoghi->risposte = {si};
    ConfermaUscita(p->contesto(), nullptr);
    QCOMPARE(b.dialoghi->tipi(), QStringList{QStringLiteral("domanda")});
    QCOMPARE(b.dialoghi->finestre[0].titolo, QStringLiteral("Numerella parlato"));
    QCOMPARE(b.dialoghi->finestre[0].testo, QStringLiteral("Vuoi uscire?"));
    QCOMPARE(b.terminati, terminati);
    QVERIFY(!QFile::exists(b.impostazioni + QStringLiteral("/numerella.INI")));
}

void TstProgramma::informazioni_data()
{
    QTest::addColumn<QByteArray>("messaggi");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("no optional lines: credits only") << QByteArray("9996=\"\"\r\n") << CreditiAttesi;
    QTest::newRow("only 9998") << QByteArray("9998=\"Terza\"\r\n")
                               << QStringLiteral("\r\n-----------------------\r\nTerza\r\n") + CreditiAttesi;
    QTest::newRow("all four") << QByteArray("9996=\"A\"\r\n9997=\"B\"\r\n9998=\"C\"\r\n9999=\"D\"\r\n")
                              << QStringLiteral("\r\n-----------------------\r\nA\r\nB\r\nC\r\nD\r\n") + CreditiAttesi;
}

void TstProgramma::informazioni()
{
    QFETCH(QByteArray, messaggi);
    QFETCH(QString, atteso);
    QTemporaryDir dir;
    Banco b(dir);
    QVERIFY(scriviFileAtomico(b.programma + QStringLiteral("/Prova.lng"), "[Strings]\r\n" + messaggi));
    auto p = b.crea();
    QCOMPARE(testoInformazioni(p->contesto().lingua), atteso);
    MostraInformazioni(p->contesto(), nullptr);
    QCOMPARE(b.dialoghi->tipi(), QStringList{QStringLiteral("informazione")});
    QCOMPARE(b.dialoghi->finestre[0].titolo, QStringLiteral("Numerella parlato"));
    QCOMPARE(b.dialoghi->finestre[0].testo, atteso);
}

QTEST_MAIN(TstProgramma)
#include "tst_programma.moc"
