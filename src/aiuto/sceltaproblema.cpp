#include "sceltaproblema.h"

#include "casuale.h"

#include <algorithm>

namespace {

constexpr int AltriPrimaDelRitorno = 3;
constexpr int PulitiPerUscire = 2;
constexpr int AlPiuInAttesa = 3;

bool pulito(const RigaRegistro &r)
{
    return r.finito && std::all_of(r.errati.begin(), r.errati.end(), [](int n) { return n == 0; });
}

// A problem is its story and its numbers.
bool stesso(const RigaRegistro &a, const RigaRegistro &b)
{
    return a.operazione == b.operazione && a.rigaStoria == b.rigaStoria && a.primo == b.primo && a.secondo == b.secondo
        && a.fileStorie == b.fileStorie;
}

// Numero3 and Numero1 of a row's numbers, which are in the story's order.
int totale(const RigaRegistro &r)
{
    return r.operazione == u'-' ? r.primo : r.risultato;
}
int primoNumero(const RigaRegistro &r)
{
    return r.operazione == u'-' ? r.secondo : r.primo;
}

// What Problema::nuovo can draw: a total of 1 to 9, a first term of 1 to
// the total.
bool estraibile(const RigaRegistro &r)
{
    const bool somma = r.operazione == u'+';
    if ((!somma && r.operazione != u'-') || r.rigaStoria < 1)
        return false;
    if ((somma ? r.primo + r.secondo : r.secondo + r.risultato) != (somma ? r.risultato : r.primo))
        return false;
    return totale(r) <= 9 && primoNumero(r) >= 1 && primoNumero(r) <= totale(r);
}

} // namespace

SceltaProblema::SceltaProblema(std::span<const RigaRegistro> storia)
{
    for (const RigaRegistro &r : storia)
        annota(r);
}

void SceltaProblema::annota(const RigaRegistro &r)
{
    if (!estraibile(r))
        return;
    for (InAttesa &a : m_coda) {
        if (a.problema.operazione == r.operazione)
            ++a.altri;
    }
    const auto trovato
        = std::find_if(m_coda.begin(), m_coda.end(), [&](const InAttesa &a) { return stesso(a.problema, r); });
    if (trovato != m_coda.end()) {
        // Met again, as review or drawn anew by chance: it waits three more.
        trovato->altri = 0;
        trovato->puliti = pulito(r) ? trovato->puliti + 1 : 0;
        if (trovato->puliti >= PulitiPerUscire)
            m_coda.erase(trovato);
        return;
    }
    if (pulito(r))
        return;
    if (int(m_coda.size()) >= AlPiuInAttesa)
        m_coda.erase(m_coda.begin());
    m_coda.push_back({r, 0, 0});
}

Scelta SceltaProblema::prossimo(QChar operazione, const QString &fileStorie, int storie, Casuale &casuale,
                                bool conRipasso) const
{
    const InAttesa *scelto = nullptr;
    if (conRipasso) {
        for (const InAttesa &a : m_coda) {
            const RigaRegistro &p = a.problema;
            // A problem of another language's stories waits for them.
            if (p.operazione == operazione && a.altri >= AltriPrimaDelRitorno && p.fileStorie == fileStorie
                && p.rigaStoria <= storie && (!scelto || a.altri > scelto->altri))
                scelto = &a;
        }
    }
    if (scelto)
        return {scelto->problema.rigaStoria, totale(scelto->problema), primoNumero(scelto->problema), true};
    const int riga = casuale.estrai(storie);
    const int n3 = casuale.estrai(9);
    const int n1 = casuale.estrai(n3);
    return {riga, n3, n1, false};
}
