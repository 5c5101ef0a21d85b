#include "riassunto.h"

#include <QHash>
#include <algorithm>

bool FiltroRegistro::prende(const RigaRegistro &r) const
{
    if (alunno && r.alunno != *alunno)
        return false;
    const QDate g = r.inizio.date();
    return (dal.isNull() || g >= dal) && (al.isNull() || g <= al);
}

std::vector<RiassuntoAlunno> riassumi(const std::vector<RigaRegistro> &righe, const FiltroRegistro &filtro)
{
    std::vector<RiassuntoAlunno> tutti;
    QHash<QString, size_t> indice;
    std::vector<double> tempi;
    for (const RigaRegistro &r : righe) {
        if (!filtro.prende(r))
            continue;
        auto it = indice.constFind(r.alunno);
        if (it == indice.cend()) {
            it = indice.insert(r.alunno, tutti.size());
            tutti.push_back({});
            tutti.back().alunno = r.alunno;
            tempi.push_back(0);
        }
        RiassuntoAlunno &a = tutti[*it];
        const QDate g = r.inizio.date();
        ++a.problemi;
        ++a.perGiorno[g];
        RiassuntoAlunno::Settimana &s = a.perSettimana[g.addDays(1 - g.dayOfWeek())];
        ++s.problemi;
        int errati = 0;
        for (int p = 0; p < RigaRegistro::Parti; ++p) {
            a.errati[size_t(p)] += r.errati[size_t(p)];
            errati += r.errati[size_t(p)];
        }
        if (r.finito) {
            ++a.finiti;
            tempi[*it] += r.secondi;
            if (errati == 0) {
                ++a.senzaErrori;
                ++s.senzaErrori;
            }
        }
    }
    for (size_t i = 0; i < tutti.size(); ++i) {
        RiassuntoAlunno &a = tutti[i];
        a.giorni = int(a.perGiorno.size());
        a.tempoMedio = a.finiti ? tempi[i] / a.finiti : 0.0;
        const auto peggiore = std::max_element(a.errati.begin(), a.errati.end());
        if (*peggiore > 0)
            a.partePeggiore = RigaRegistro::Parte(peggiore - a.errati.begin());
    }
    std::sort(tutti.begin(), tutti.end(), [](const RiassuntoAlunno &x, const RiassuntoAlunno &y) {
        if (x.alunno.isEmpty() != y.alunno.isEmpty())
            return y.alunno.isEmpty();
        return QString::localeAwareCompare(x.alunno, y.alunno) < 0;
    });
    return tutti;
}
