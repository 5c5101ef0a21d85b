// The settings file: whatever it holds, reading it must not crash.
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
    m.FileImpostazioni = dir.filePath(QStringLiteral("numerella.INI"));
    QFile f(m.FileImpostazioni);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(reinterpret_cast<const char *>(dati), qsizetype(n));
    f.close();
    CaricaImpostazioni(m);
    return 0;
}
