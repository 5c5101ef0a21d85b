// The settings file: whatever it holds, the voice and speed read from it
// are usable numbers or the defaults.
#include "impostazioni.h"
#include "modulo1.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    static QTemporaryDir dir;
    Modulo1 m;
    m.FileImpostazioni = dir.path() + QStringLiteral("/numerella.INI");
    {
        QFile f(m.FileImpostazioni);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(dati), qsizetype(n));
    }
    CaricaImpostazioni(m);
    return 0;
}
