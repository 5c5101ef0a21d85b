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
#include <algorithm>

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
    r.aiuti = 3;
    r.secondi = secondi;
    r.finito = secondi >= 0;
    return r;
}

// Two languages' titles for every column: "Colonna 0121", "column 0121".
const TitoliRegistro Titoli = [] {
    TitoliRegistro t;
    for (const ColonnaRegistro &c : colonneRegistro())
        t.push_back({"Colonna " + QString::fromLatin1(c.chiave), "column " + QString::fromLatin1(c.chiave)});
    return t;
}();

// The header this version writes, in the first language.
const QStringList Intestazione = [] {
    QStringList t;
    for (int i = 0; i < colonneScritte(); ++i)
        t << Titoli[size_t(i)].front();
    return t;
}();
const QByteArray Testa = intestazioneCsv(Intestazione);

// An older version's header: the start in one ISO 8601 cell.
QByteArray testaIso(const char *lingua = "Colonna ")
{
    QStringList t;
    for (int k = 120; k <= 135; ++k)
        t << lingua + QString::number(k).rightJustified(4, u'0');
    return intestazioneCsv(t);
}

QByteArray leggi(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool scrivi(const QString &p, const QByteArray &testo, QIODevice::OpenMode modo = QIODevice::WriteOnly)
{
    QFile f(p);
    return f.open(modo) && f.write(testo) == testo.size();
}

// This version's header with "Colonna" in each title replaced.
QByteArray testaCon(const char *titolo)
{
    return intestazioneCsv(QStringList(Intestazione).replaceInStrings("Colonna", titolo));
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
        const QByteArray testa = "2026-03-02;08:15:00;\"UTC+01:00\";";
        const QByteArray coda = ";\"Italiano\";\"'-\";\"testi/lista2.txt\";12;7;3;4;1;0;2;3;2;21;1;0;3\r\n";
        QTest::newRow("visitor") << esempio({}) << testa + "\"\"" + coda;
        QTest::newRow("semicolon") << esempio("Anna; Bea") << testa + "\"Anna; Bea\"" + coda;
        QTest::newRow("quotes") << esempio("Lu \"Lulù\"") << testa + "\"Lu \"\"Lulù\"\"\"" + coda;
        QTest::newRow("line feed") << esempio("Ada\nBo") << testa + "\"Ada\nBo\"" + coda;
        QTest::newRow("carriage return") << esempio("Ada\rBo") << testa + "\"Ada\rBo\"" + coda;
        QTest::newRow("blank at an end") << esempio(" Eva") << testa + "\" Eva\"" + coda;
        // A cell a spreadsheet would run gets an apostrophe before it; one that only looks escaped, another.
        QTest::newRow("equals") << esempio("=1+2") << testa + "\"'=1+2\"" + coda;
        QTest::newRow("formula in quotes") << esempio("\"=SUM(1;2)\"") << testa + "\"\"\"=SUM(1;2)\"\"\"" + coda;
        QTest::newRow("plus") << esempio("+39 333") << testa + "\"'+39 333\"" + coda;
        QTest::newRow("at") << esempio("@SUM(1)") << testa + "\"'@SUM(1)\"" + coda;
        QTest::newRow("tab first") << esempio("\tx") << testa + "\"'\tx\"" + coda;
        QTest::newRow("apostrophes, then minus") << esempio("''-1") << testa + "\"'''-1\"" + coda;
        QTest::newRow("apostrophe, a letter") << esempio("'Ndrina") << testa + "\"'Ndrina\"" + coda;
        QTest::newRow("left early, west of UTC")
            << esempio("Zoe", "2026-03-02T08:15:00-03:30", -1)
            << "2026-03-02;08:15:00;\"UTC-03:30\";\"Zoe\"" + coda.chopped(10) + ";0;0;3\r\n";
        QTest::newRow("UTC") << esempio("Ugo", "2026-03-02T08:15:00Z")
                             << "2026-03-02;08:15:00;\"UTC+00:00\";\"Ugo\"" + coda;
        RigaRegistro ripasso = esempio("Ugo");
        ripasso.ripasso = true;
        QTest::newRow("met again") << ripasso << testa + "\"Ugo\"" + coda.chopped(5) + "1;3\r\n";
    }
    void riga()
    {
        QFETCH(RigaRegistro, r);
        QFETCH(QByteArray, csv);
        QCOMPARE(rigaCsv(r), csv);
        LetturaRegistro l;
        QVERIFY(leggiTestoRegistro("\xEF\xBB\xBF" + Testa + csv + csv, Titoli, &l));
        QCOMPARE(l.scartate, 0);
        QCOMPARE(l.righe.size(), size_t(2));
        QCOMPARE(l.righe[1], r);
        QCOMPARE(l.righe[1].inizio.offsetFromUtc(), r.inizio.offsetFromUtc());
    }

    // Each header with the same two rows, one finished: the file is read by its titles, whatever their order or
    // language, with columns this version does not know; older files by theirs, or by their count of cells.
    void intestazione_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("righe");
        const QByteArray riga
            = "2026-03-02;08:15:00;\"UTC+01:00\";\"Ugo\";\"It\";\"+\";\"f\";1;2;3;5;0;1;0;0;0;9;1;0;0\r\n";
        const QByteArray iso = "2026-03-02T08:15:00+01:00;Ugo;It;+;f;1;2;3;5;0;1;0;0;0;9;1\r\n";
        QTest::newRow("this version's") << Testa + riga + riga << 2;
        QTest::newRow("second language") << testaCon("COLUMN") + riga + riga << 2;
        QStringList alRovescio = Intestazione;
        std::reverse(alRovescio.begin(), alRovescio.end());
        QList<QByteArray> celle = riga.chopped(2).split(';');
        std::reverse(celle.begin(), celle.end());
        const QByteArray rovescia = celle.join(';') + "\r\n";
        QTest::newRow("other order") << intestazioneCsv(alRovescio) + rovescia + rovescia << 2;
        QTest::newRow("a later version's column")
            << intestazioneCsv(QStringList{"Meteo"} + Intestazione) + "\"sole\";" + riga + "\"pioggia\";" + riga << 2;
        QTest::newRow("older, by titles") << testaIso() + iso + iso << 2;
        QTest::newRow("older, other language") << testaIso("column ") + iso + iso << 2;
        QTest::newRow("older, titles unknown") << testaIso("?") + iso + iso << 2;
        QTest::newRow("titles unknown") << testaCon("?") + riga + riga << 2;
        QTest::newRow("before review and hints were kept")
            << intestazioneCsv(Intestazione.mid(0, Intestazione.size() - 2)) + riga.chopped(6) + "\r\n"
                + riga.chopped(6) + "\r\n"
            << 2;
        QTest::newRow("a needed column missing")
            << intestazioneCsv(Intestazione.mid(1)) + riga.mid(11) + riga.mid(11) << 0;
    }
    void intestazione()
    {
        QFETCH(QByteArray, testo);
        QFETCH(int, righe);
        LetturaRegistro l;
        QCOMPARE(leggiTestoRegistro(testo, Titoli, &l), righe > 0);
        QCOMPARE(int(l.righe.size()), righe);
        QCOMPARE(l.scartate, 2 - righe);
        for (const RigaRegistro &r : l.righe) {
            QCOMPARE(r.alunno, QStringLiteral("Ugo"));
            QCOMPARE(r.inizio, QDateTime(QDate(2026, 3, 2), QTime(8, 15), Qt::OffsetFromUTC, 3600));
            QVERIFY(r.finito && r.secondi == 9 && r.operazione == u'+' && r.errati[1] == 1 && !r.ripasso);
        }
    }

    // Each record breaks one rule of a row only.
    void nonRiga_data()
    {
        QTest::addColumn<QByteArray>("csv");
        const QByteArray g = "2026-03-02;08:15:00;\"UTC+01:00\";", c = "\"A\";\"It\";\"+\";\"f\";1;2;3;5;0;0;0;0;0;";
        QTest::newRow("19 fields") << g + c + "9;1;0\n";
        QTest::newRow("21 fields") << g + c + "9;1;0;0;1\n";
        QTest::newRow("date") << "2026-02-30;08:15:00;\"UTC+01:00\";" + c + "9;1;0;0\n";
        QTest::newRow("year") << "J026-03-02;08:15:00;\"UTC+01:00\";" + c + "9;1;0;0\n";
        QTest::newRow("time") << "2026-03-02;08:61:00;\"UTC+01:00\";" + c + "9;1;0;0\n";
        QTest::newRow("offset") << "2026-03-02;08:15:00;\"UTC+1:00\";" + c + "9;1;0;0\n";
        QTest::newRow("offset, no UTC") << "2026-03-02;08:15:00;\"+01:00\";" + c + "9;1;0;0\n";
        QTest::newRow("operator") << g + "\"A\";\"It\";\"x\";\"f\";1;2;3;5;0;0;0;0;0;9;1;0;0\n";
        QTest::newRow("number") << g + "\"A\";\"It\";\"+\";\"f\";1;2;3;5;0;0;0;-1;0;9;1;0;0\n";
        QTest::newRow("finished") << g + c + "9;2;0;0\n";
        QTest::newRow("finished, no time") << g + c + ";1;0;0\n";
        QTest::newRow("left, a time") << g + c + "9;0;0;0\n";
        // An unfinished problem's row cut just before its last field, then closed by a line end (as older
        // versions closed a cut row before the next one).
        QTest::newRow("cut before the last field") << g + c + ";0;0;\r\n";
        QTest::newRow("older, cut before the last field")
            << testaIso() + "2026-03-02T08:15:00+01:00;A;It;+;f;1;2;3;5;0;0;0;0;0;;\r\n";
        QTest::newRow("older, offset") << testaIso() + "2026-03-02T08:15:00+1:00;A;It;+;f;1;2;3;5;0;0;0;0;0;9;1\n";
        QTest::newRow("review") << g + c + "9;1;2;0\n";
        QTest::newRow("no line end") << g + c + "9;1;0;0";
    }
    void nonRiga()
    {
        QFETCH(QByteArray, csv);
        LetturaRegistro l;
        leggiTestoRegistro(csv.startsWith("\"Colonna 0120\"") ? csv : Testa + csv, Titoli, &l);
        QCOMPARE(l.righe.size(), size_t(0));
        QCOMPARE(l.scartate, 1);
    }

    // A kill or a power cut may leave any prefix of a row in the file: before the next append it is moved,
    // whole, into the file beside it, and the record holds every whole row and nothing else.
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
        const QByteArray intera = rigaCsv(tagliata);
        for (qsizetype n = 0; n < intera.size(); ++n) {
            ScrittoreRegistro s(d.path(), QStringLiteral("pc"), Intestazione, Titoli);
            QFile::remove(s.percorso());
            QFile::remove(ScrittoreRegistro::fileTroncate(s.percorso()));
            QVERIFY(s.aggiungi(prima));
            QVERIFY(scrivi(s.percorso(), intera.left(n), QIODevice::Append));
            ScrittoreRegistro dopoIlRiavvio(d.path(), QStringLiteral("pc"), Intestazione, Titoli);
            QVERIFY(dopoIlRiavvio.aggiungi(dopo));
            QCOMPARE(dopoIlRiavvio.percorso(), s.percorso());
            QCOMPARE(leggi(s.percorso()), "\xEF\xBB\xBF" + Testa + rigaCsv(prima) + rigaCsv(dopo));
            QCOMPARE(leggi(ScrittoreRegistro::fileTroncate(s.percorso())), n ? intera.left(n) + "\r\n" : QByteArray());
            const LetturaRegistro l = leggiCartellaRegistro(d.path(), Titoli);
            QCOMPARE(l.righe.size(), 2u);
            QCOMPARE(l.scartate, 0);
        }
    }

    // The power cut came after the cut row was kept beside the record, before the record was cut back: it is
    // not kept twice. Another cut row is added after those kept before.
    void taglioInterrotto()
    {
        QTemporaryDir d;
        ScrittoreRegistro s(d.path(), QStringLiteral("pc"), Intestazione, Titoli);
        QVERIFY(s.aggiungi(esempio("Ada")));
        QFile t(ScrittoreRegistro::fileTroncate(s.percorso()));
        for (const QByteArray &coda : QList<QByteArray>{"2026-03-0", "2026"}) {
            QVERIFY(scrivi(s.percorso(), coda, QIODevice::Append));
            ScrittoreRegistro dopo(d.path(), QStringLiteral("pc"), Intestazione, Titoli);
            QVERIFY(coda != "2026-03-0" || scrivi(t.fileName(), "2026-03-01;08\r\n2026-03-0\r\n"));
            QVERIFY(dopo.aggiungi(esempio("Bo")));
        }
        QCOMPARE(leggi(t.fileName()), QByteArray("2026-03-01;08\r\n2026-03-0\r\n2026\r\n"));
        QCOMPARE(leggiCartellaRegistro(d.path(), Titoli).righe.size(), 3u);
    }

    // A file with another header is never appended to: the rows go to a file of their own.
    void altraVersione_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<bool>("aggiunto");
        const QByteArray riga = rigaCsv(esempio("Ada"));
        QTest::newRow("this version's") << Testa + riga << true;
        QTest::newRow("other language") << testaCon("column") + riga << true;
        QTest::newRow("older") << testaIso() + "2026-03-02T08:15:00+01:00;Ugo;It;+;f;1;2;3;5;0;1;0;0;0;9;1\r\n"
                               << false;
        QTest::newRow("a later column") << intestazioneCsv(Intestazione + QStringList{"Meteo"}) + riga.chopped(2)
                + ";\"sole\"\r\n" << false;
        QTest::newRow("other order") << intestazioneCsv(QStringList{Intestazione[1], Intestazione[0]}
                                                        + Intestazione.mid(2))
                                     << false;
        QTest::newRow("titles unknown") << testaCon("?") << false;
    }
    void altraVersione()
    {
        QFETCH(QByteArray, testo);
        QFETCH(bool, aggiunto);
        QTemporaryDir d;
        const QString primo = d.filePath("registro-pc.csv"), secondo = d.filePath("registro-pc (2).csv");
        QVERIFY(scrivi(primo, testo));
        ScrittoreRegistro s(d.path(), QStringLiteral("pc"), Intestazione, Titoli);
        const QByteArray riga = rigaCsv(esempio("Bo"));
        QVERIFY(s.aggiungi(esempio("Bo")));
        QCOMPARE(s.percorso(), aggiunto ? primo : secondo);
        QCOMPARE(leggi(primo), aggiunto ? testo + riga : testo);
        QCOMPARE(leggi(secondo), aggiunto ? QByteArray() : "\xEF\xBB\xBF" + Testa + riga);
        QVERIFY(s.aggiungi(esempio("Bo")));
        QCOMPARE(s.percorso(), aggiunto ? primo : secondo);
    }

    void cartellaNonScrivibile()
    {
        QTemporaryDir d;
        // Running as root ignores permissions: a file where the folder should be is refused by anyone.
        QFile(d.filePath("file")).open(QIODevice::WriteOnly);
        QDir().mkpath(d.filePath("cartella/registro-pc.csv"));
        for (const QString &cartella : {d.filePath("file"), d.filePath("cartella")}) {
            ScrittoreRegistro s(cartella, QStringLiteral("pc"), Intestazione, Titoli);
            QString errore;
            QVERIFY(!s.aggiungi(esempio("Ugo"), &errore));
            QVERIFY(!errore.isEmpty());
        }
    }

    void dueComputer()
    {
        QTemporaryDir d;
        ScrittoreRegistro a(d.path(), QStringLiteral("aula 1"), Intestazione, Titoli);
        ScrittoreRegistro b(d.path(), QStringLiteral("AULA-2.scuola"), Intestazione, Titoli);
        // The other computer's clock is an hour behind, and Ugo played on it in between.
        QVERIFY(a.aggiungi(esempio("Ugo")) && b.aggiungi(esempio("Eva"))
                && a.aggiungi(esempio("Ugo", "2026-03-03T08:00:00+01:00"))
                && b.aggiungi(esempio("Ugo", "2026-03-02T08:30:00+00:00")));
        QFile(d.filePath("altro.csv")).open(QIODevice::WriteOnly);
        QFile(d.filePath("registro-x (2).csv")).open(QIODevice::WriteOnly);
        const LetturaRegistro l = leggiCartellaRegistro(d.path(), Titoli);
        QCOMPARE(l.file,
                 QStringList({d.filePath("registro-AULA-2.scuola.csv"), d.filePath("registro-aula_1.csv"),
                              d.filePath("registro-x (2).csv")}));
        QCOMPARE(l.righe.size(), size_t(4));
        // Ugo's history: his rows of both computers, in time order.
        QList<QDateTime> storia;
        for (const RigaRegistro &r : storiaAlunno(d.path(), QStringLiteral("Ugo"), Titoli))
            storia << r.inizio;
        QCOMPARE(storia,
                 QList<QDateTime>({ora("2026-03-02T08:15:00+01:00"), ora("2026-03-02T08:30:00+00:00"),
                                   ora("2026-03-03T08:00:00+01:00")}));
        QCOMPARE(l.righe[0].alunno, QStringLiteral("Eva"));
        QVERIFY(leggi(a.percorso()).startsWith("\xEF\xBB\xBF" + Testa));
        QCOMPARE(leggi(a.percorso()).count("Colonna 0161"), 1);
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
        // An older version's rows: the summaries take them as today's.
        leggiTestoRegistro(testaIso()
                               + "2026-03-01T10:00:00+01:00;Anna;It;+;f;1;2;3;5;0;0;0;0;0;10;1\r\n"
                                 "2026-03-01T23:59:59+01:00;Anna;It;+;f;1;2;3;5;1;0;2;2;0;20;1\r\n"
                                 "2026-03-02T10:00:00+01:00;Bo;It;+;f;1;2;3;5;0;0;0;0;4;;0\r\n"
                                 "2026-03-02T11:00:00+01:00;;It;-;f;1;5;3;2;0;0;0;0;0;8;1\r\n"
                                 "2026-03-09T08:00:00+01:00;Anna;It;+;f;1;2;3;5;0;0;0;1;0;;0\r\n",
                           Titoli, &l);
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
        // A spreadsheet opening the record runs a cell that starts with any of these.
        QTest::newRow("equals") << 1 << QStringLiteral(" =1+2") << int(Classe::NomeFormula);
        QTest::newRow("plus") << 1 << QStringLiteral("+39 333") << int(Classe::NomeFormula);
        QTest::newRow("minus") << 1 << QStringLiteral("-1") << int(Classe::NomeFormula);
        QTest::newRow("at") << 1 << QStringLiteral("@SUM(1)") << int(Classe::NomeFormula);
        QTest::newRow("signs inside") << 1 << QStringLiteral("Ugo=1+2-3@") << int(Classe::NomeValido);
        QTest::newRow("a line separator") << 1 << QStringLiteral("Ugo\u2028Bo") << int(Classe::NomeConControllo);
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
                       true,
                       Classe::Accesso::DuePulsanti,
                       3000,
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
        QVERIFY(scrivi(fileClasse(cartella), "{\"alunni\": [], \"soloAdultoEsce\": true}"));
        QCOMPARE(caricaClasse(cartella, &errore), (Classe{{}, {}, true}));
        QVERIFY(scrivi(fileClasse(cartella), "{\"alunni\": ["));
        QCOMPARE(caricaClasse(cartella, &errore), Classe());
        QVERIFY2(errore.startsWith(fileClasse(cartella) + ": "), qPrintable(errore));
        QCOMPARE(leggi(fileClasse(cartella) + ".guasto"), QByteArray("{\"alunni\": ["));
        // A name edited by hand that a spreadsheet would run: the file is not used, the name is told.
        const QByteArray formula = "{\"alunni\": [{\"nome\": \"Ada\"}, {\"nome\": \"=1+2\"}]}";
        QVERIFY(scrivi(fileClasse(cartella), formula));
        QString nome;
        QCOMPARE(caricaClasse(cartella, &errore, &nome), Classe());
        QCOMPARE(nome, QStringLiteral("=1+2"));
        QVERIFY2(errore.startsWith(fileClasse(cartella) + ": \"=1+2\""), qPrintable(errore));
        QCOMPARE(leggi(fileClasse(cartella) + ".guasto"), formula);
    }

    // The access as a class file gives it: a file written before the access was chosen reads as pointer and keys.
    void accessoDellaClasse_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("accesso");
        QTest::addColumn<int>("ms");
        QTest::addColumn<bool>("leggi");
        QTest::newRow("an older file") << QByteArray("{\"alunni\": []}") << 0 << 1500 << false;
        QTest::newRow("one switch") << QByteArray(R"({"accesso": "unPulsante", "leggiPulsante": true})") << 1 << 1500
                                    << true;
        QTest::newRow("two switches") << QByteArray(R"({"accesso": "duePulsanti"})") << 2 << 1500 << false;
        QTest::newRow("an unknown access") << QByteArray(R"({"accesso": "joystick"})") << 0 << 1500 << false;
        QTest::newRow("0.5 s") << QByteArray(R"({"tempoScansione": 0.5})") << 0 << 500 << false;
        QTest::newRow("0.2 s: 0.5") << QByteArray(R"({"tempoScansione": 0.2})") << 0 << 500 << false;
        QTest::newRow("5 s") << QByteArray(R"({"tempoScansione": 5})") << 0 << 5000 << false;
        QTest::newRow("5.5 s: 5") << QByteArray(R"({"tempoScansione": 5.5})") << 0 << 5000 << false;
        QTest::newRow("1e300 s: 5") << QByteArray(R"({"tempoScansione": 1e300})") << 0 << 5000 << false;
        QTest::newRow("1.7 s: 1.5") << QByteArray(R"({"tempoScansione": 1.7})") << 0 << 1500 << false;
        QTest::newRow("not a number") << QByteArray(R"({"tempoScansione": "3"})") << 0 << 1500 << false;
    }
    void accessoDellaClasse()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir d;
        QVERIFY(scrivi(fileClasse(d.path()), file));
        QString errore;
        const Classe c = caricaClasse(d.path(), &errore);
        QVERIFY(errore.isEmpty());
        QTEST(int(c.accesso), "accesso");
        QTEST(c.tempoScansioneMs, "ms");
        QTEST(c.leggiPulsante, "leggi");
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
