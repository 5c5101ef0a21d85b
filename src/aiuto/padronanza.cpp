#include "padronanza.h"

namespace {

constexpr int Ultimi = 5;
constexpr int PulitiPerSicuro = 4;
constexpr int SbagliatiPerAiuto = 3;

} // namespace

Padronanza padronanza(std::span<const RigaRegistro> storia, QChar operazione, RigaRegistro::Parte parte)
{
    int visti = 0;
    int puliti = 0;
    int sbagliati = 0;
    QDate primoGiorno;
    bool altroGiorno = false; // the clean ones span two days at least
    // From the newest back: a school year behind costs nothing.
    for (auto r = storia.rbegin(); r != storia.rend() && visti < Ultimi; ++r) {
        if (r->operazione != operazione)
            continue;
        ++visti;
        if (r->errati[parte] > 0) {
            ++sbagliati;
        } else if (r->finito) {
            ++puliti;
            const QDate giorno = r->inizio.date();
            if (puliti == 1)
                primoGiorno = giorno;
            else if (giorno != primoGiorno)
                altroGiorno = true;
        }
    }
    if (puliti >= PulitiPerSicuro && altroGiorno)
        return Padronanza::Sicuro;
    if (sbagliati >= SbagliatiPerAiuto)
        return Padronanza::Aiuto;
    return Padronanza::Nessuna;
}
