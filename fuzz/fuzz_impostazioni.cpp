// The settings reader on any bytes.
#include "codec.h"
#include "impostazioni.h"
#include "modulo1.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    static QTemporaryDir dir;
    Modulo1 m;
    m.FileImpostazioni = dir.filePath(QStringLiteral("numerella.INI"));
    if (!scriviFileAtomico(m.FileImpostazioni, QByteArray(reinterpret_cast<const char *>(dati), qsizetype(n))))
        std::abort();
    CaricaImpostazioni(m);
    return 0;
}
