// Saves without pause, alternating two contents, until it is killed: the
// settings (SalvaImpostazioni) or the language choice (MLSWriteIniValue).
//   salvaciclo impostazioni <settings file> <flag file>
//   salvaciclo lingua <LangSetting.ini> <flag file>
// Prints "pronto" once the first save is done, so that whoever kills it
// knows the loop is running. The one byte of the flag file is 1 while a
// save is in progress: whoever killed it can tell where the kill landed.

#include "impostazioni.h"
#include "ini.h"
#include "modulo1.h"

#include <QString>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 4 || (std::strcmp(argv[1], "impostazioni") != 0 && std::strcmp(argv[1], "lingua") != 0)) {
        std::fprintf(stderr, "usage: salvaciclo impostazioni|lingua <file> <flag file>\n");
        return 2;
    }
    const int fd = ::open(argv[3], O_RDWR | O_CREAT, 0644);
    if (fd < 0 || ::ftruncate(fd, 1) != 0) {
        std::perror(argv[3]);
        return 2;
    }
    // Shared with the file's pages: the byte is there to read after a kill.
    void *mappa = ::mmap(nullptr, 1, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mappa == MAP_FAILED) {
        std::perror("mmap");
        return 2;
    }
    auto *salvando = static_cast<volatile char *>(mappa);
    const bool impostazioni = std::strcmp(argv[1], "impostazioni") == 0;
    const QString file = QString::fromLocal8Bit(argv[2]);
    Modulo1 m;
    m.FileImpostazioni = file;
    for (unsigned long long i = 0;; ++i) {
        const bool pari = i % 2 == 0;
        *salvando = 1;
        bool ok;
        if (impostazioni) {
            m.Velocita = pari ? 150 : 95;
            m.Voce = pari ? 2 : 1;
            ok = SalvaImpostazioni(m);
        } else {
            ok = MLSWriteIniValue(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                                  pari ? QStringLiteral("English") : QStringLiteral("Italiano"))
                != 0;
        }
        *salvando = 0;
        if (!ok) {
            std::fprintf(stderr, "save %llu failed\n", i);
            return 1;
        }
        if (i == 0) {
            std::printf("pronto\n");
            std::fflush(stdout);
        }
    }
}
