// Resident memory of one animation cell of 300 pixels playing a teacher's
// long animation: 3000 frames of 64x64 pixels, 20 ms each, made here.
// Goal: under 80 MB after 12 s (keeping every frame took 218 MB by then and
// about 1 GB by the end of the loop).
//   numerella_animazione_lunga [seconds] [frames]

#include "cellaanimata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// VmHWM: the most the process has held.
double piccoMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &riga : f.readAll().split('\n')) {
        if (riga.startsWith("VmHWM:"))
            return riga.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

// 64x64 pixels, each frame one pixel of its own colour (so no two frames are alike) on the last.
QByteArray gif(int fotogrammi)
{
    QByteArray b("GIF89a\x40\0\x40\0\xf7\0\0", 13);
    for (int i = 0; i < 256; ++i)
        b += char(i), b += char(255 - i), b += char(i * 7);
    for (int i = 0; i < fotogrammi; ++i) {
        b += QByteArray("\x21\xf9\x04\0\x02\0\0\0\x2c", 9);
        const int x = i % 64, y = (i / 64) % 64;
        b += char(x), b += '\0', b += char(y), b += QByteArray("\0\x01\0\x01\0\0\x08\x04", 8);
        // Clear, the colour, end: three 9-bit codes in four bytes.
        const quint32 codici = 256u | quint32(i % 256) << 9 | 257u << 18;
        for (int k = 0; k < 4; ++k)
            b += char(codici >> (8 * k));
        b += '\0';
    }
    return b + ';';
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int secondi = argc > 1 ? std::atoi(argv[1]) : 12;
    const int fotogrammi = argc > 2 ? std::atoi(argv[2]) : 3000;
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("lunga.gif")));
    if (!f.open(QIODevice::WriteOnly) || f.write(gif(fotogrammi)) < 0)
        return 1;
    f.close();
    CellaAnimata cella(dir.path());
    cella.resize(300, 300);
    cella.setFile(f.fileName());
    cella.show();
    cella.start();
    QTimer::singleShot(secondi * 1000, &app, &QApplication::quit);
    app.exec();
    std::printf("after %d s: peak resident %.1f MB, %d frames kept\n", secondi, piccoMb(), cella.framesScalati());
    std::printf("CIFRA rss_animazione_lunga_mb %.1f\n", piccoMb());
    return 0;
}
