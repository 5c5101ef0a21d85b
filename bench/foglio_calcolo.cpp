// Writes a record as the program does, for bench/foglio_calcolo.sh to open in a spreadsheet: rows whose pupils,
// language and story folder a spreadsheet would run or split (formulas, separators, a tab), then a row cut by a
// power cut, then the next run's append, which moves the cut row out of the record. The column titles are those of
// the program folder's Italiano.lng. Prints one line per row written: its pupil, language, story file and time of
// day (as a spreadsheet's time value, "PT08H15M00S"), as JSON strings, so that the script can tell every cell it
// reads back.
//   bench_foglio_calcolo <program folder> <record folder>

#include "modlanguagesupport.h"
#include "registroclasse.h"
#include "scrittoreregistro.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace {

RigaRegistro riga(const QString &alunno, const QString &lingua, const QString &cartella, int n)
{
    RigaRegistro r;
    r.inizio = QDateTime(QDate(2026, 3, 2), QTime(8, 15).addSecs(n * 60), Qt::OffsetFromUTC, 3600);
    r.alunno = alunno;
    r.lingua = lingua;
    r.operazione = n % 2 ? u'-' : u'+';
    r.fileStorie = cartella + QStringLiteral("/lista1.txt");
    r.rigaStoria = n + 1;
    r.primo = 5;
    r.secondo = n % 5;
    r.risultato = r.operazione == u'-' ? r.primo - r.secondo : r.primo + r.secondo;
    r.errati = {n % 2, 0, n % 3, 0};
    r.finito = n % 4 != 3;
    r.secondi = r.finito ? 20 + n : -1;
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <record folder>\n", argv[0]);
        return 2;
    }
    ModLanguageSupport lingua(QString::fromLocal8Bit(argv[1]));
    lingua.MLSCurrentLanguage = QStringLiteral("Italiano");
    const QString cartella = QString::fromLocal8Bit(argv[2]);
    const QStringList intestazione = intestazioneRegistro(lingua);
    const TitoliRegistro titoli = titoliRegistro(lingua);

    const QStringList alunni{
        QStringLiteral("=1+2"),
        QStringLiteral("=HYPERLINK(\"x\")"),
        QStringLiteral("\"=SUM(1;2)\""),
        QStringLiteral("+39 333"),
        QStringLiteral("-1"),
        QStringLiteral("@SUM(1)"),
        QStringLiteral("Rossi, Anna"),
        QStringLiteral("Ugo\tBo"),
        QStringLiteral("'=1+2"),
        QString(),
    };
    // A language file's name and a story folder reach the record too.
    const QStringList lingue{QStringLiteral("Italiano"), QStringLiteral("=lingua()"), QStringLiteral("+Lingua; due")};
    const QStringList cartelle{QStringLiteral("testi"), QStringLiteral("-testi, nuovi"), QStringLiteral("@storie\t2")};

    std::vector<RigaRegistro> righe;
    for (int i = 0; i < alunni.size(); ++i)
        righe.push_back(riga(alunni[i], lingue[i % lingue.size()], cartelle[i % cartelle.size()], i));
    ScrittoreRegistro prima(cartella, QStringLiteral("aula1"), intestazione, titoli);
    for (const RigaRegistro &r : righe) {
        QString errore;
        if (!prima.aggiungi(r, &errore)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(prima.percorso()), qPrintable(errore));
            return 1;
        }
    }
    // The power cut: a row stops halfway, inside the pupil's quotes.
    const RigaRegistro tagliata = riga(QStringLiteral("Zeno; \"Z\""), lingue[0], cartelle[0], 10);
    QFile f(prima.percorso());
    if (!f.open(QIODevice::Append) || f.write(rigaCsv(tagliata).left(30)) != 30)
        return 1;
    f.close();
    // The next run.
    ScrittoreRegistro dopo(cartella, QStringLiteral("aula1"), intestazione, titoli);
    righe.push_back(riga(QStringLiteral("Dopo"), lingue[0], cartelle[0], 11));
    if (!dopo.aggiungi(righe.back()))
        return 1;

    for (const RigaRegistro &r : righe) {
        const QJsonArray a{r.alunno, r.lingua, r.fileStorie,
                           r.inizio.time().toString(QStringLiteral("'PT'HH'H'mm'M'ss'S'"))};
        std::printf("%s\n", QJsonDocument(a).toJson(QJsonDocument::Compact).constData());
    }
    std::fprintf(stderr, "%s\n", qPrintable(dopo.percorso()));
    return 0;
}
