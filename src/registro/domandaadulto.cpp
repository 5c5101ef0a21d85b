#include "domandaadulto.h"

DomandaAdulto DomandaAdulto::nuova(const std::function<int(int)> &estrai, const DomandaAdulto &precedente)
{
    // The tens from 1 to 8 and the units drawn so that they carry: the sum
    // stays below 200 and needs a moment's thought.
    for (;;) {
        const int ua = estrai(9); // 1..9
        const int ub = 10 - ua + estrai(ua) - 1; // 10 - ua .. 9
        const DomandaAdulto d{estrai(8) * 10 + ua, estrai(8) * 10 + ub};
        if (!(d == precedente))
            return d;
    }
}
