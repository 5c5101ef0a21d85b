// Language files and LangSetting.ini: both readers (the INI reader for files
// up to 64000 bytes, the line scan above) and the writer on whatever a file
// holds. The first byte picks the reader: odd inputs are padded past the
// threshold with a trailing comment line.
#include "ini.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
QString percorso()
{
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/prova.lng");
}

void scrivi(const QByteArray &b)
{
    QFile f(percorso());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(b);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    if (n == 0)
        return 0;
    QByteArray b(reinterpret_cast<const char *>(dati) + 1, qsizetype(n - 1));
    if (dati[0] & 1) {
        b.append("\r\n;");
        b.append(QByteArray(qMax<qsizetype>(0, 64001 - b.size()), ' '));
    }
    scrivi(b);
    const QString p = percorso();
    for (const char *chiave : {"0001", "CurrentLanguage", "Form1.Caption", "a", ""}) {
        const auto v = MLSReadIniValue(p, QStringLiteral("Strings"), QString::fromLatin1(chiave));
        if (v && b.size() <= 64000 && v->size() > 511)
            std::abort();
    }
    if (b.size() <= 64000) {
        // Writing keeps every other byte of the file; the value reads back.
        if (MLSWriteIniValue(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                             QStringLiteral("Italiano"))) {
            const auto v = MLSReadIniValue(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"));
            if (!v)
                std::abort();
        }
    }
    return 0;
}
