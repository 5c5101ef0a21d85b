// The record reader on any bytes (a file another computer was writing, a file edited by hand): every row it
// accepts is written back by the row format and read again as the same row.
#include "letturaregistro.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    LetturaRegistro l;
    leggiTestoRegistro(QByteArray(reinterpret_cast<const char *>(dati), qsizetype(n)), &l);
    for (const RigaRegistro &r : l.righe) {
        LetturaRegistro di_nuovo;
        leggiTestoRegistro("\n" + rigaCsv(campiRiga(r)), &di_nuovo);
        if (di_nuovo.righe.size() != 1 || !(di_nuovo.righe[0] == r))
            std::abort();
    }
    return 0;
}
