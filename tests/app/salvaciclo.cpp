// Saves the settings without pause, alternating two contents, until it is
// killed:  salvaciclo <settings file> <flag file>
// Prints "pronto" once the first save is done. The one byte of the flag
// file is 1 while a save is in progress, so whoever killed it can tell
// where the kill landed.

#include "impostazioni.h"
#include "modulo1.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const int fd = argc == 3 ? ::open(argv[2], O_RDWR | O_CREAT, 0644) : -1;
    void *mappa = fd >= 0 && ::ftruncate(fd, 1) == 0 ? ::mmap(nullptr, 1, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                                                     : MAP_FAILED;
    if (mappa == MAP_FAILED) {
        std::fprintf(stderr, "usage: salvaciclo <settings file> <flag file>\n");
        return 2;
    }
    auto *salvando = static_cast<volatile char *>(mappa);
    Modulo1 m;
    m.FileImpostazioni = QString::fromLocal8Bit(argv[1]);
    for (unsigned long long i = 0;; ++i) {
        m.Velocita = i % 2 ? 95 : 150;
        m.Voce = i % 2 ? 1 : 2;
        *salvando = 1;
        const bool ok = SalvaImpostazioni(m);
        *salvando = 0;
        if (!ok)
            return 1;
        if (i == 0) {
            std::printf("pronto\n");
            std::fflush(stdout);
        }
    }
}
