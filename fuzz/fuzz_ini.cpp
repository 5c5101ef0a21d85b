// Both INI readers and the writer on any bytes; an odd first byte pads the file past 64000 bytes. The reader
// that keeps files in memory answers as the one that reads them, also once the file is replaced.
#include "codec.h"
#include "ini.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    static QTemporaryDir dir;
    static LettoreIni inMemoria;
    const QString p = dir.filePath(QStringLiteral("prova.lng"));
    if (n == 0)
        return 0;
    QByteArray b(reinterpret_cast<const char *>(dati) + 1, qsizetype(n - 1));
    if (dati[0] & 1)
        b += "\r\n;" + QByteArray(qMax<qsizetype>(0, 64001 - b.size()), ' ');
    if (!scriviFileAtomico(p, b))
        std::abort();
    for (const char *chiave : {"0001", "CurrentLanguage", "a", ""}) {
        const auto v = MLSReadIniValue(p, QStringLiteral("Strings"), QString::fromLatin1(chiave));
        if ((v && b.size() <= 64000 && v->size() > 511)
            || inMemoria.leggi(p, QStringLiteral("Strings"), QString::fromLatin1(chiave)) != v)
            std::abort();
    }
    if (b.size() <= 64000
        && MLSWriteIniValue(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                            QStringLiteral("Italiano"))
        && MLSReadIniValue(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"))
            != QStringLiteral("Italiano"))
        std::abort();
    return 0;
}
