#include "codec.h"
#include "dialoghifinti.h"
#include "formbocca.h"
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

struct SchermoVuoto : Schermo {
    SchermoVuoto()
        : Schermo(QStringLiteral("FormAvvio"), 6000, 4000)
    {
    }
};

} // namespace

// A program folder with stories and a language, a settings folder not yet
// made, a lock folder, and fakes for everything the user would see or hear.
class Banco
{
public:
    explicit Banco(QTemporaryDir &dir)
    {
        programma = dir.filePath(QStringLiteral("prog"));
        impostazioni = dir.filePath(QStringLiteral("config/ImpostazioniProgrammiZefra"));
        lock = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(programma + QStringLiteral("/testi"));
        QDir().mkpath(lock);
        {
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
            c.registro.registra(QStringLiteral("FormAvvio"), [] { return new SchermoVuoto; });
            if (conBocca)
                c.registro.registra(QStringLiteral("FormBocca"), [&c] { return new FormBocca(c); });
        };
        o.termina = [this](int stato) { terminati << stato; };
        return std::make_unique<Programma>(std::move(o));
    }

    QString programma, impostazioni, lock;
    FabbricaFinta fabbrica;
    DialoghiFinti *dialoghi = nullptr;
    QList<int> terminati;
};

// The start-up routine in this process, on fake screens, speech and boxes.
class TstProgramma : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void primoAvvio()
    {
        QTemporaryDir dir;
        Banco b(dir);
        auto p = b.crea();
        QCOMPARE(p->Main(), std::optional<int>());
        QCOMPARE(leggi(b.impostazioni + QStringLiteral("/leggimi.txt")), QByteArray("Uno\r\n \r\nDue\r\n \r\nTre\r\n"));
        QVERIFY(!QFile::exists(b.impostazioni + QStringLiteral("/numerella.INI"))); // only the settings screen writes it
        QCOMPARE(p->stato().Velocita, Integer(130));
        QCOMPARE(p->stato().Voce, Integer(1));
        QCOMPARE(p->stato().SuonoAttivo, True);
        QCOMPARE(p->stato().Testi2.size(), size_t(2));
        QCOMPARE(p->stato().Testi2[1].domanda3, QStringLiteral("r2f12"));
        QVERIFY(p->registro().mostrato(QStringLiteral("FormAvvio")));
        QVERIFY(b.dialoghi->finestre.isEmpty());
        // The last screen closed ends the run, although FormBocca stays loaded.
        p->registro().scarica(p->registro().caricato(QStringLiteral("FormAvvio")));
        QCOMPARE(b.terminati, QList<int>{0});
    }

    void impostazioniEVoce()
    {
        QTemporaryDir dir;
        Banco b(dir);
        QVERIFY(QDir().mkpath(b.impostazioni));
        QVERIFY(scriviFileAtomico(b.impostazioni + QStringLiteral("/numerella.INI"), " 150 \r\n 2 \r\n"));
        auto p = b.crea(true);
        QCOMPARE(p->Main(), std::optional<int>());
        QCOMPARE(b.fabbrica.creati.size(), 1);
        const QStringList chiamate = b.fabbrica.ultimo()->chiamate;
        QVERIFY2(chiamate.contains(u"VoiceNumber:2"_qs) && chiamate.contains(u"SpeechSpeed:150"_qs), qPrintable(chiamate.join(u' ')));
        QVERIFY(p->registro().caricato(QStringLiteral("FormBocca")));
        QVERIFY(!p->registro().mostrato(QStringLiteral("FormBocca")));
    }

    void storieGuaste()
    {
        QTemporaryDir dir;
        Banco b(dir);
        QVERIFY(scriviFileAtomico(b.programma + QStringLiteral("/testi/lista2.txt"), "\"r1f1\",\"r1f2\"\r\n"));
        auto p = b.crea(true);
        QCOMPARE(p->Main(), std::optional<int>(1));
        QCOMPARE(b.dialoghi->tipi(), QStringList{QStringLiteral("errore")});
        const QString testo = b.dialoghi->finestre[0].testo;
        QVERIFY2(testo.contains(u"lista2.txt"_qs) && testo.contains(u"la storia 1 è incompleta"_qs), qPrintable(testo));
        QVERIFY(p->registro().caricati().isEmpty());
        // The lock has been let go: a corrected install starts at once.
        QVERIFY(scriviFileAtomico(b.programma + QStringLiteral("/testi/lista2.txt"), storie(16)));
        QCOMPARE(b.crea()->Main(), std::optional<int>());
    }

};

QTEST_MAIN(TstProgramma)
#include "tst_programma.moc"
