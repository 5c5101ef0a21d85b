// Learners played through the review queue: how many problems until "sicuro" at the part where they go wrong,
// with review on and off. A figure of the model, not a goal: it says what the queue does under each assumption.
//
// A learner goes wrong at one part (the change) with a chance that starts at p0 and is multiplied by a factor at
// every problem, since every problem practises every part; a problem met again in review may teach more (its own
// factor: the same as a new problem's when review changes nothing in what is practised, below it when meeting a
// missed problem again is what makes it stick). Elsewhere the learner slips now and then, which sends problems
// to the queue too. When the part's state is "ha bisogno di aiuto" a hint would help: its factor multiplies the
// chance once more (1: no hints yet). Additions only, 10 a day: "sicuro" asks for two days.
//   bench_simulazione_aiuto [learners] [p0] [factor] [hint factor]

#include "casuale.h"
#include "padronanza.h"
#include "sceltaproblema.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Modello {
    double p0 = 0.6;
    double fattore = 0.9; // per problem
    double fattoreRipasso = 0.9; // per problem met again in review
    double aiuto = 1.0; // per problem while stuck, on top: a hint's effect
    double svista = 0.05; // a slip at each other part
    int alGiorno = 10;
    int alPiu = 1000; // a learner not sure by then counts as this
};

struct Esito {
    int problemi = 0;
    int ripassi = 0;
};

const QString File = QStringLiteral("testi/lista1.txt");

Esito impara(const Modello &m, bool conRipasso, quint64 seme)
{
    Casuale scelte(seme);
    Casuale esiti(seme ^ 0x9e3779b97f4a7c15ULL);
    SceltaProblema scelta;
    std::vector<RigaRegistro> storia;
    double p = m.p0;
    Esito e;
    while (e.problemi < m.alPiu) {
        const Scelta s = scelta.prossimo(u'+', File, 30, scelte, conRipasso);
        RigaRegistro r;
        r.inizio = QDateTime(QDate(2026, 9, 14).addDays(e.problemi / m.alGiorno), QTime(9, 0));
        r.operazione = u'+';
        r.fileStorie = File;
        r.rigaStoria = s.riga;
        r.primo = s.n1;
        r.secondo = s.n3 - s.n1;
        r.risultato = s.n3;
        for (int parte = 0; parte < RigaRegistro::Parti; ++parte)
            r.errati[parte] = esiti.Rnd() < (parte == RigaRegistro::Cambio ? p : m.svista);
        r.finito = true;
        const bool bloccato = padronanza(storia, u'+', RigaRegistro::Cambio) == Padronanza::Aiuto;
        p *= (s.ripasso ? m.fattoreRipasso : m.fattore) * (bloccato ? m.aiuto : 1.0);
        storia.push_back(r);
        scelta.annota(r);
        ++e.problemi;
        e.ripassi += s.ripasso;
        if (padronanza(storia, u'+', RigaRegistro::Cambio) == Padronanza::Sicuro)
            break;
    }
    return e;
}

void riporta(const char *nome, const Modello &m, int allievi)
{
    for (bool conRipasso : {false, true}) {
        std::vector<int> n;
        long ripassi = 0;
        for (int i = 0; i < allievi; ++i) {
            const Esito e = impara(m, conRipasso, quint64(i + 1));
            n.push_back(e.problemi);
            ripassi += e.ripassi;
        }
        std::sort(n.begin(), n.end());
        double media = 0;
        for (int x : n)
            media += x;
        media /= n.size();
        std::printf("%-44s review %-3s: problems until sure: median %d, mean %.1f, 90th percentile %d; review %.0f%%\n",
                    nome, conRipasso ? "on" : "off", n[n.size() / 2], media, n[n.size() * 9 / 10],
                    100.0 * ripassi / std::max(1.0, media * allievi));
        std::printf("CIFRA sicuro_%s_%s %d\n", conRipasso ? "ripasso" : "senza", nome, n[n.size() / 2]);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int allievi = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    Modello m;
    if (argc > 2)
        m.p0 = atof(argv[2]);
    if (argc > 3)
        m.fattore = m.fattoreRipasso = atof(argv[3]);
    if (argc > 4)
        m.aiuto = atof(argv[4]);
    std::printf("%d learners each; wrong at the change with chance %.2f at first, times %.2f a problem; slips %.2f; "
                "%d problems a day; hint factor %.2f\n",
                allievi, m.p0, m.fattore, m.svista, m.alGiorno, m.aiuto);
    riporta("stessa_pratica", m, allievi);
    Modello r = m;
    r.fattoreRipasso = m.fattore * m.fattore;
    riporta("ripasso_doppio", r, allievi);
    return 0;
}
