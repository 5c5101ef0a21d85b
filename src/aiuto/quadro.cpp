#include "quadro.h"

#include <algorithm>
#include <map>

bool QuadroAlunno::haBisognoDiAiuto() const
{
    return std::any_of(stato.begin(), stato.end(), [](const auto &parti) {
        return std::find(parti.begin(), parti.end(), Padronanza::Aiuto) != parti.end();
    });
}

std::vector<QuadroAlunno> quadri(const std::vector<RigaRegistro> &righe, const FiltroRegistro &filtro)
{
    // Visitors ("") after the pupils, as the summaries put them.
    auto prima = [](const QString &a, const QString &b) {
        if (a.isEmpty() != b.isEmpty())
            return b.isEmpty();
        const int c = QString::localeAwareCompare(a, b);
        return c ? c < 0 : a < b;
    };
    std::map<QString, std::vector<RigaRegistro>, decltype(prima)> perAlunno(prima);
    for (const RigaRegistro &r : righe) {
        if (filtro.prende(r))
            perAlunno[r.alunno].push_back(r);
    }
    std::vector<QuadroAlunno> q;
    for (auto &[alunno, storia] : perAlunno) {
        std::stable_sort(storia.begin(), storia.end(), [](const RigaRegistro &a, const RigaRegistro &b) {
            return a.inizio.toMSecsSinceEpoch() < b.inizio.toMSecsSinceEpoch();
        });
        QuadroAlunno a{alunno, {}};
        for (int o = 0; o < 2; ++o) {
            for (int p = 0; p < RigaRegistro::Parti; ++p)
                a.stato[size_t(o)][size_t(p)] = padronanza(storia, o ? u'-' : u'+', RigaRegistro::Parte(p));
        }
        q.push_back(std::move(a));
    }
    return q;
}
