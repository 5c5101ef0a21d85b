// The record reader on any bytes (a file another computer was writing, a file edited by hand): every row it
// accepts is written back by the row format and read again as the same row.
#include "letturaregistro.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    // Each column titled by its message key: a header naming them in any order is read by its titles, any
    // other by the count of its cells.
    static const auto [titoli, intestazione] = [] {
        TitoliRegistro t;
        QStringList scritte;
        for (const ColonnaRegistro &c : colonneRegistro())
            t.push_back({QString::fromLatin1(c.chiave)});
        for (int i = 0; i < colonneScritte(); ++i)
            scritte << t[size_t(i)].front();
        return std::pair(t, intestazioneCsv(scritte));
    }();
    LetturaRegistro l;
    leggiTestoRegistro(QByteArray(reinterpret_cast<const char *>(dati), qsizetype(n)), titoli, &l);
    for (const RigaRegistro &r : l.righe) {
        LetturaRegistro di_nuovo;
        leggiTestoRegistro(intestazione + rigaCsv(r), titoli, &di_nuovo);
        if (di_nuovo.righe.size() != 1 || !(di_nuovo.righe[0] == r))
            std::abort();
    }
    return 0;
}
