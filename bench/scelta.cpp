// The choice of the next problem with a school year of a pupil's record behind it: 4,000 rows (20 problems a
// day for 200 days, additions and subtractions in turn, about one in five missed), made by playing them through
// the review queue itself. Times the fold of the record when the pupil is chosen, one choice, one problem's row
// told, and the eight sure-or-stuck states. Prints the median of each as "CIFRA <name> <value>".
//   bench_scelta [runs]

#include "casuale.h"
#include "padronanza.h"
#include "sceltaproblema.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

const QString File[2] = {QStringLiteral("testi/lista1.txt"), QStringLiteral("testi/lista2.txt")};

std::vector<RigaRegistro> anno(Casuale &casuale)
{
    std::vector<RigaRegistro> righe;
    SceltaProblema scelta;
    const QDate primo(2026, 9, 14);
    for (int i = 0; i < 4000; ++i) {
        const bool meno = i % 2;
        const QChar op = meno ? u'-' : u'+';
        const Scelta s = scelta.prossimo(op, File[meno], 30, casuale);
        RigaRegistro r;
        r.inizio = QDateTime(primo.addDays(i / 20), QTime(9, 0).addSecs(i % 20 * 40));
        r.alunno = QStringLiteral("Anna");
        r.lingua = QStringLiteral("Italiano");
        r.operazione = op;
        r.fileStorie = File[meno];
        r.rigaStoria = s.riga;
        r.primo = meno ? s.n3 : s.n1;
        r.secondo = meno ? s.n1 : s.n3 - s.n1;
        r.risultato = meno ? s.n3 - s.n1 : s.n3;
        r.errati[casuale.estrai(4) - 1] = casuale.Rnd() < 0.2;
        r.finito = casuale.Rnd() < 0.95;
        r.secondi = r.finito ? 25 : -1;
        righe.push_back(r);
        scelta.annota(r);
    }
    return righe;
}

} // namespace

int main(int argc, char **argv)
{
    const int giri = argc > 1 ? std::max(1, atoi(argv[1])) : 101;
    Casuale casuale(2026);
    const std::vector<RigaRegistro> righe = anno(casuale);

    std::vector<double> piega, sceglie, annota, stati, tutto;
    int attesa = 0;
    int sicuri = 0;
    for (int g = 0; g < giri; ++g) {
        QElapsedTimer t;
        t.start();
        SceltaProblema scelta(righe);
        piega.push_back(t.nsecsElapsed() / 1e3);
        t.restart();
        const Scelta s = scelta.prossimo(u'+', File[0], 30, casuale);
        sceglie.push_back(t.nsecsElapsed() / 1e3);
        tutto.push_back(piega.back() + sceglie.back());
        RigaRegistro r = righe.back();
        r.operazione = u'+';
        r.fileStorie = File[0];
        r.rigaStoria = s.riga;
        r.primo = s.n1;
        r.secondo = s.n3 - s.n1;
        r.risultato = s.n3;
        t.restart();
        scelta.annota(r);
        annota.push_back(t.nsecsElapsed() / 1e3);
        t.restart();
        int n = 0;
        for (QChar op : {u'+', u'-'}) {
            for (int p = 0; p < RigaRegistro::Parti; ++p)
                n += padronanza(righe, op, RigaRegistro::Parte(p)) == Padronanza::Sicuro;
        }
        stati.push_back(t.nsecsElapsed() / 1e3);
        attesa = scelta.inAttesa();
        sicuri = n;
    }
    std::printf("%zu rows of one pupil, %d waiting, sure at %d of 8; medians of %d runs:\n", righe.size(), attesa,
                sicuri, giri);
    std::printf("  the record folded into the queue (when the pupil is chosen): %.1f us\n", mediana(piega));
    std::printf("  the next problem chosen: %.2f us\n", mediana(sceglie));
    std::printf("  folded and chosen, the two together: %.1f us\n", mediana(tutto));
    std::printf("  a problem's row told to the queue: %.2f us\n", mediana(annota));
    std::printf("  sure or stuck, both operations and four parts: %.2f us\n", mediana(stati));
    std::printf("CIFRA scelta_piega_us %.1f\nCIFRA scelta_prossimo_us %.2f\nCIFRA scelta_tutto_ms %.3f\n"
                "CIFRA scelta_annota_us %.2f\nCIFRA scelta_stati_us %.2f\n",
                mediana(piega), mediana(sceglie), mediana(tutto) / 1e3, mediana(annota), mediana(stati));
    return 0;
}
