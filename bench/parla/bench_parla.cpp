// How quickly speech starts and how little the wait costs.
//
//  1. Latency: from the call of Parla to the first audio written to the
//     sink (goal: median below 30 ms), over a number of short sentences.
//  2. CPU while waiting: a sentence of about three seconds spoken through
//     Parla; the user-interface thread's CPU time (the wait itself, goal
//     below 3% of a core) and the whole process's (synthesis and audio
//     threads included) over the wall time.
//
// A private PulseAudio daemon with a null sink is started when pulseaudio
// is installed, so the figures include a real audio stream; without it the
// output is timed (and says so).
//
//   bench_parla [runs]

#include "attesaparla.h"
#include "motoreespeak.h"
#include "serveraudioprova.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double cpuMs(int chi)
{
    rusage r{};
    getrusage(chi, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000.0 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000.0;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ServerAudioProva server;
    const bool conServer = ServerAudioProva::disponibile() && server.avvia(22050);
    // The runtime folder the server made is the process's now; Qt wants it
    // private to the user and says so on every start otherwise.
    if (conServer)
        QFile::setPermissions(QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QApplication app(argc, argv);
    const int prove = argc > 1 ? std::max(1, atoi(argv[1])) : 30;

    MotoreEspeak motore;
    if (motore.VoiceCount() == 0) {
        std::fprintf(stderr, "espeak-ng cannot speak: %s\n", qPrintable(motore.errore()));
        return 1;
    }
    PerParlare parla;
    parla.usaMotore(&motore);

    // A recorder on the null sink's monitor makes the sink work in short
    // blocks, as a real sound card does.
    if (conServer)
        server.registra();

    // Warm up: voices loaded, audio stream path exercised once.
    parla.TestoDaDire = QStringLiteral("Pronti.");
    parlaFinoAllaFine(parla);

    QElapsedTimer orologio;
    std::vector<double> ritardi;
    double ritardo = -1;
    QObject::connect(&motore, &MotoreEspeak::primoAudio, &motore, [&] {
        ritardo = double(orologio.nsecsElapsed()) / 1e6;
        motore.StopSpeech(); // only the start is measured
    });
    const QStringList frasi{QStringLiteral("Nel prato ci sono 3 conigli."),
                            QStringLiteral("Quanti palloncini ci sono adesso?"), QStringLiteral(" 7 -  3 =  4"),
                            QStringLiteral("Bravo! Ne arrivano 2.")};
    for (int i = 0; i < prove; ++i) {
        ritardo = -1;
        parla.TestoDaDire = frasi.at(i % frasi.size());
        orologio.start();
        parlaFinoAllaFine(parla);
        if (ritardo >= 0)
            ritardi.push_back(ritardo);
    }
    QObject::disconnect(&motore, &MotoreEspeak::primoAudio, nullptr, nullptr);

    // CPU while a sentence of about three seconds is spoken and waited for.
    parla.TestoDaDire = QStringLiteral("Giulia ha sette caramelle, ne mangia tre.");
    motore.SpeechSpeed(130);
    const double cpuThread0 = cpuMs(RUSAGE_THREAD);
    const double cpuProc0 = cpuMs(RUSAGE_SELF);
    QElapsedTimer muro;
    muro.start();
    parlaFinoAllaFine(parla);
    const double parete = double(muro.nsecsElapsed()) / 1e6;
    const double cpuThread = cpuMs(RUSAGE_THREAD) - cpuThread0;
    const double cpuProc = cpuMs(RUSAGE_SELF) - cpuProc0;

    std::printf("audio output: %s\n", motore.muto() ? "timed (no audio device)" : "PulseAudio null sink (real stream)");
    if (!ritardi.empty()) {
        std::printf("Parla -> first audio written: median %.2f ms, p90 %.2f ms, max %.2f ms over %zu runs "
                    "(goal: median < 30 ms)\n",
                    percentile(ritardi, 0.5), percentile(ritardi, 0.9), percentile(ritardi, 1.0), ritardi.size());
    } else {
        std::printf("Parla -> first audio written: no measurement\n");
    }
    std::printf("waiting for a %.0f ms sentence (%lld ms of audio): UI thread CPU %.1f ms = %.2f%% of a core "
                "(goal < 3%%); "
                "whole process %.1f ms = %.2f%%\n",
                parete, motore.durataAudioMs(), cpuThread, 100.0 * cpuThread / parete, cpuProc,
                100.0 * cpuProc / parete);
    server.fermaRegistrazione();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
