// The record core: the row format and its quoting, rows cut by a kill, a folder that cannot be written, two
// computers in one folder, the summaries of a known record, the class store and the adult's question.

#include "casuale.h"
#include "classe.h"
#include "domandaadulto.h"
#include "letturaregistro.h"
#include "riassunto.h"
#include "scrittoreregistro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QDateTime ora(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

RigaRegistro esempio(const QString &alunno, const char *inizio = "2026-03-02T08:15:00+01:00", int secondi = 21)
{
    RigaRegistro r;
    r.inizio = ora(inizio);
    r.alunno = alunno;
    r.lingua = QStringLiteral("Italiano");
    r.operazione = u'-';
    r.fileStorie = QStringLiteral("testi/lista2.txt");
    r.rigaStoria = 12;
    r.primo = 7;
    r.secondo = 3;
    r.risultato = 4;
    r.errati = {1, 0, 2, 3};
    r.riascolti = 2;
    r.secondi = secondi;
    r.finito = secondi >= 0;
    return r;
}

const QStringList Intestazione{"Inizio",
                               "Alunno",
                               "Lingua",
                               "Operazione",
                               "File",
                               "Riga",
                               "Primo",
                               "Secondo",
                               "Risultato",
                               "Errori inizio",
                               "Errori cambio",
                               "Errori risultato",
                               "Errori operazione",
                               "Riascolti",
                               "Secondi",
                               "Finito"};

QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRegistro : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void riga_data()
    {
        QTest::addColumn<RigaRegistro>("r");
        QTest::addColumn<QByteArray>("csv");
        const QByteArray coda = ";Italiano;-;testi/lista2.txt;12;7;3;4;1;0;2;3;2;21;1\r\n";
        QTest::newRow("visitor") << esempio({}) << "2026-03-02T08:15:00+01:00;" + coda;
        QTest::newRow("semicolon") << esempio("Anna; Bea") << "2026-03-02T08:15:00+01:00;\"Anna; Bea\"" + coda;
        QTest::newRow("quotes") << esempio("Lu \"Lulù\"") << "2026-03-02T08:15:00+01:00;\"Lu \"\"Lulù\"\"\"" + coda;
        QTest::newRow("line feed") << esempio("Ada\nBo") << "2026-03-02T08:15:00+01:00;\"Ada\nBo\"" + coda;
        QTest::newRow("carriage return") << esempio("Ada\rBo") << "2026-03-02T08:15:00+01:00;\"Ada\rBo\"" + coda;
        QTest::newRow("blank at an end") << esempio(" Eva") << "2026-03-02T08:15:00+01:00;\" Eva\"" + coda;
        QTest::newRow("left early, west of UTC")
            << esempio("Zoe", "2026-03-02T08:15:00-03:30", -1)
            << QByteArray("2026-03-02T08:15:00-03:30;Zoe;Italiano;-;testi/lista2.txt;12;7;3;4;1;0;2;3;2;;0\r\n");
        QTest::newRow("UTC") << esempio("Ugo", "2026-03-02T08:15:00Z") << "2026-03-02T08:15:00+00:00;Ugo" + coda;
    }
    void riga()
    {
        QFETCH(RigaRegistro, r);
        QFETCH(QByteArray, csv);
        QCOMPARE(rigaCsv(campiRiga(r)), csv);
        LetturaRegistro l;
        leggiTestoRegistro("\xEF\xBB\xBF" + rigaCsv(Intestazione) + csv + csv, &l);
        QCOMPARE(l.scartate, 0);
        QCOMPARE(l.righe.size(), size_t(2));
        QCOMPARE(l.righe[1], r);
        QCOMPARE(l.righe[1].inizio.offsetFromUtc(), r.inizio.offsetFromUtc());
    }

    // Each record breaks one rule of a row only.
    void nonRiga_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("15 fields") << QByteArray("2026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;1\n");
        QTest::newRow("date") << QByteArray("2026-02-30T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;9;1\n");
        QTest::newRow("year") << QByteArray("J026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;9;1\n");
        QTest::newRow("offset") << QByteArray("2026-03-02T08:15:00+1:00;A;It;+;f;1;2;3;5;0;0;0;0;0;9;1\n");
        QTest::newRow("operator") << QByteArray("2026-03-02T08:15:00+01:00;A;It;x;f;1;2;3;5;0;0;0;0;0;9;1\n");
        QTest::newRow("number") << QByteArray("2026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;-1;0;9;1\n");
        QTest::newRow("finished") << QByteArray("2026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;9;2\n");
        QTest::newRow("finished, no time") << QByteArray("2026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;;1\n");
        QTest::newRow("left, a time") << QByteArray("2026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;9;0\n");
    }
    void nonRiga()
    {
        QFETCH(QByteArray, csv);
        LetturaRegistro l;
        leggiTestoRegistro(rigaCsv(Intestazione) + csv, &l);
        QCOMPARE(l.righe.size(), size_t(0));
        QCOMPARE(l.scartate, 1);
    }

    // A kill or a power cut may leave any prefix of a row in the file: the
    // next append closes it, and every other row reads back whole.
    void taglio_data()
    {
        QTest::addColumn<RigaRegistro>("tagliata");
        QTest::newRow("plain") << esempio(QStringLiteral("Ugo"));
        QTest::newRow("quoted, with a line break") << esempio(QStringLiteral("Anna \"Bea\";\nCi"));
    }
    void taglio()
    {
        QFETCH(RigaRegistro, tagliata);
        QTemporaryDir d;
        const RigaRegistro prima = esempio(QStringLiteral("Prima")),
                           dopo = esempio(QStringLiteral("Dopo \"x\""), "2026-03-03T09:00:00+01:00", -1);
        const QByteArray intera = rigaCsv(campiRiga(tagliata));
        for (qsizetype n = 0; n < intera.size(); ++n) {
            ScrittoreRegistro s(d.path(), QStringLiteral("pc"), Intestazione);
            QFile::remove(s.percorso());
            QVERIFY(s.aggiungi(prima));
            QFile f(s.percorso());
            QVERIFY(f.open(QIODevice::Append));
            f.write(intera.left(n));
            f.close();
            ScrittoreRegistro dopoIlRiavvio(d.path(), QStringLiteral("pc"), Intestazione);
            QVERIFY(dopoIlRiavvio.aggiungi(dopo));
            const LetturaRegistro l = leggiCartellaRegistro(d.path());
            // Only a row cut after its last field is whole; any other cut is skipped.
            const bool intatta = n >= intera.size() - 2;
            QVERIFY2(l.righe.size() == (intatta ? 3u : 2u), qPrintable(QString::number(n)));
            QCOMPARE(l.righe.front(), prima);
            QCOMPARE(l.righe.back(), dopo);
            if (intatta)
                QCOMPARE(l.righe[1], tagliata);
            QCOMPARE(l.scartate, n == 0 || intatta ? 0 : 1);
            QVERIFY(leggi(s.percorso()).startsWith(leggi(s.percorso()).left(3 + n)));
        }
    }

    void cartellaNonScrivibile()
    {
        QTemporaryDir d;
        // Running as root ignores permissions: a file where the folder should be is refused by anyone.
        QFile(d.filePath("file")).open(QIODevice::WriteOnly);
        QDir().mkpath(d.filePath("cartella/registro-pc.csv"));
        for (const QString &cartella : {d.filePath("file"), d.filePath("cartella")}) {
            ScrittoreRegistro s(cartella, QStringLiteral("pc"), Intestazione);
            QString errore;
            QVERIFY(!s.aggiungi(esempio("Ugo"), &errore));
            QVERIFY(!errore.isEmpty());
        }
    }

    void dueComputer()
    {
        QTemporaryDir d;
        ScrittoreRegistro a(d.path(), QStringLiteral("aula 1"), Intestazione);
        ScrittoreRegistro b(d.path(), QStringLiteral("AULA-2.scuola"), Intestazione);
        // The other computer's clock is an hour behind, and Ugo played on it in between.
        QVERIFY(a.aggiungi(esempio("Ugo")) && b.aggiungi(esempio("Eva"))
                && a.aggiungi(esempio("Ugo", "2026-03-03T08:00:00+01:00"))
                && b.aggiungi(esempio("Ugo", "2026-03-02T08:30:00+00:00")));
        QFile(d.filePath("altro.csv")).open(QIODevice::WriteOnly);
        const LetturaRegistro l = leggiCartellaRegistro(d.path());
        QCOMPARE(l.file, QStringList({d.filePath("registro-AULA-2.scuola.csv"), d.filePath("registro-aula_1.csv")}));
        QCOMPARE(l.righe.size(), size_t(4));
        // Ugo's history: his rows of both computers, in time order.
        QList<QDateTime> storia;
        for (const RigaRegistro &r : storiaAlunno(d.path(), QStringLiteral("Ugo")))
            storia << r.inizio;
        QCOMPARE(storia,
                 QList<QDateTime>({ora("2026-03-02T08:15:00+01:00"), ora("2026-03-02T08:30:00+00:00"),
                                   ora("2026-03-03T08:00:00+01:00")}));
        QCOMPARE(l.righe[0].alunno, QStringLiteral("Eva"));
        QVERIFY(leggi(a.percorso()).startsWith("\xEF\xBB\xBFInizio;Alunno;"));
        QCOMPARE(leggi(a.percorso()).count("Inizio"), 1);
    }

    void riassunto_data()
    {
        QTest::addColumn<FiltroRegistro>("filtro");
        QTest::addColumn<QStringList>("atteso");
        // pupil: days, problems, finished with no wrong press, part most wrong, mean time; per day; per week
        const QString anna = "Anna: 2 3 1 p3 15.0; 03-01:2 03-09:1; 02-23:0.50 03-09:0.00";
        const QString bo = "Bo: 1 1 0 - 0.0; 03-02:1; 03-02:0.00";
        const QString ospite = ": 1 1 1 - 8.0; 03-02:1; 03-02:1.00";
        QTest::newRow("all") << FiltroRegistro{} << QStringList{anna, bo, ospite};
        QTest::newRow("a pupil") << FiltroRegistro{QStringLiteral("Bo"), {}, {}} << QStringList{bo};
        QTest::newRow("visitors") << FiltroRegistro{QString(), {}, {}} << QStringList{ospite};
        QTest::newRow("dates") << FiltroRegistro{std::nullopt, QDate(2026, 3, 2), QDate(2026, 3, 9)}
                               << QStringList{"Anna: 1 1 0 p3 0.0; 03-09:1; 03-09:0.00", bo, ospite};
    }
    void riassunto()
    {
        QFETCH(FiltroRegistro, filtro);
        QFETCH(QStringList, atteso);
        LetturaRegistro l;
        leggiTestoRegistro(rigaCsv(Intestazione)
                               + "2026-03-01T10:00:00+01:00;Anna;It;+;f;1;2;3;5;0;0;0;0;0;10;1\r\n"
                                 "2026-03-01T23:59:59+01:00;Anna;It;+;f;1;2;3;5;1;0;2;2;0;20;1\r\n"
                                 "2026-03-02T10:00:00+01:00;Bo;It;+;f;1;2;3;5;0;0;0;0;4;;0\r\n"
                                 "2026-03-02T11:00:00+01:00;;It;-;f;1;5;3;2;0;0;0;0;0;8;1\r\n"
                                 "2026-03-09T08:00:00+01:00;Anna;It;+;f;1;2;3;5;0;0;0;1;0;;0\r\n",
                           &l);
        QStringList v;
        for (const RiassuntoAlunno &a : riassumi(l.righe, filtro)) {
            QStringList giorni, settimane;
            for (const auto &[g, n] : a.perGiorno)
                giorni << g.toString("MM-dd:") + QString::number(n);
            for (const auto &[g, s] : a.perSettimana)
                settimane << g.toString("MM-dd:") + QString::number(RiassuntoAlunno::quota(s), 'f', 2);
            v << QStringLiteral("%1: %2 %3 %4 %5 %6; %7; %8")
                     .arg(a.alunno)
                     .arg(a.giorni)
                     .arg(a.problemi)
                     .arg(a.senzaErrori)
                     .arg(a.partePeggiore ? QStringLiteral("p%1").arg(*a.partePeggiore) : QStringLiteral("-"))
                     .arg(a.tempoMedio, 0, 'f', 1)
                     .arg(giorni.join(u' '), settimane.join(u' '));
        }
        QCOMPARE(v, atteso);
    }

    // One row per rule, each name refused by that rule only.
    void nomeAlunno_data()
    {
        QTest::addColumn<int>("alunni");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("esito");
        QTest::newRow("40 letters") << 1 << QString(39, u'a') + QStringLiteral("é") << int(Classe::NomeValido);
        QTest::newRow("41 letters") << 1 << QString(41, u'b') << int(Classe::NomeLungo);
        QTest::newRow("40 with an emoji, trimmed")
            << 1 << QStringLiteral("  ") + QString(39, u'a') + QStringLiteral("\U0001F600 ") << int(Classe::NomeValido);
        QTest::newRow("empty") << 1 << QStringLiteral("   ") << int(Classe::NomeVuoto);
        QTest::newRow("same name, other case") << 1 << QStringLiteral("PUPIL 0") << int(Classe::NomeDoppio);
        QTest::newRow("a tab") << 1 << QStringLiteral("Ugo\tBo") << int(Classe::NomeConControllo);
        QTest::newRow("29 pupils") << 29 << QStringLiteral("Ugo") << int(Classe::NomeValido);
        QTest::newRow("30 pupils") << 30 << QStringLiteral("Ugo") << int(Classe::ClassePiena);
    }
    void nomeAlunno()
    {
        QFETCH(int, alunni);
        QFETCH(QString, nome);
        QFETCH(int, esito);
        Classe c;
        for (int i = 0; i < alunni; ++i)
            c.alunni.append({QStringLiteral("Pupil %1").arg(i), {}});
        QCOMPARE(int(c.verifica(nome)), esito);
    }

    // A new pupil's picture, of "a.gif", "b.gif", "c.png" offered in that order.
    void prossimaImmagine_data()
    {
        QTest::addColumn<QStringList>("prese"); // the pictures the pupils have
        QTest::addColumn<QString>("attesa");
        QTest::newRow("the first no one has") << QStringList{"c.png", "a.gif"} << "b.gif";
        QTest::newRow("all taken: the least used")
            << QStringList{"c.png", "a.gif", "b.gif", "a.gif", "c.png"} << "b.gif";
    }
    void prossimaImmagine()
    {
        QFETCH(QStringList, prese);
        QFETCH(QString, attesa);
        Classe c;
        for (const QString &f : prese)
            c.alunni.append({QStringLiteral("Pupil %1").arg(c.alunni.size()), f});
        QCOMPARE(c.prossimaImmagine({"a.gif", "b.gif", "c.png"}), attesa);
    }

    void salvaClasse()
    {
        QTemporaryDir d;
        const QString cartella = d.filePath("Impostazioni");
        QString errore;
        QCOMPARE(caricaClasse(cartella, &errore), Classe());
        const Classe c{{{QStringLiteral("Anna; \"Bea\""), QStringLiteral("gattino.gif")}, {QStringLiteral("Lù"), {}}},
                       QStringLiteral("//server/aula"),
                       true};
        QVERIFY(::salvaClasse(c, cartella, &errore));
        QCOMPARE(caricaClasse(cartella, &errore), c);
        QVERIFY(errore.isEmpty());
        // The help's two switches are kept, each on its own; a file written before them has them on.
        for (const auto &[ripasso, aiuti] : {std::pair(false, true), std::pair(true, false)}) {
            Classe k = c;
            k.ripasso = ripasso;
            k.aiuti = aiuti;
            QVERIFY(::salvaClasse(k, cartella, &errore));
            QCOMPARE(caricaClasse(cartella, &errore), k);
        }
        QFile vecchio(fileClasse(cartella));
        QVERIFY(vecchio.open(QIODevice::WriteOnly | QIODevice::Truncate));
        vecchio.write("{\"alunni\": [], \"soloAdultoEsce\": true}");
        vecchio.close();
        QCOMPARE(caricaClasse(cartella, &errore), (Classe{{}, {}, true}));
        QFile f(fileClasse(cartella));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\"alunni\": [");
        f.close();
        QCOMPARE(caricaClasse(cartella, &errore), Classe());
        QVERIFY2(errore.startsWith(fileClasse(cartella) + ": "), qPrintable(errore));
        QCOMPARE(leggi(fileClasse(cartella) + ".guasto"), QByteArray("{\"alunni\": ["));
    }

    void domandaAdulto()
    {
        Casuale casuale(3);
        DomandaAdulto d;
        for (int i = 0; i < 2000; ++i) {
            const DomandaAdulto nuova = DomandaAdulto::nuova([&](int n) { return casuale.estrai(n); }, d);
            QVERIFY(!(nuova == d));
            QVERIFY(nuova.a >= 10 && nuova.a <= 99 && nuova.b >= 10 && nuova.b <= 99);
            QVERIFY(nuova.a % 10 + nuova.b % 10 >= 10);
            d = nuova;
        }
    }
};

QTEST_GUILESS_MAIN(TestRegistro)
#include "tst_registro.moc"
