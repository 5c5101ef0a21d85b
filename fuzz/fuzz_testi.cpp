// Story files: any bytes give records of the right number of fields, each making a story, or an error.
#include "testi.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QByteArray b(reinterpret_cast<const char *>(dati), qsizetype(n));
    for (int campi : {15, 16}) {
        const EsitoLettura e = analizzaTesti(b, campi, QStringLiteral("lista.txt"));
        if (e.ok() && (e.record.empty() || e.record.size() > size_t(MassimoRecord)))
            std::abort();
        for (const auto &r : e.record) {
            if (r.size() != size_t(campi))
                std::abort();
            const Storia s = storiaDaCampi(r);
            s.risposta3.per(int(n % 11) - 1);
        }
    }
    return 0;
}
