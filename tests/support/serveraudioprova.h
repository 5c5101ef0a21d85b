#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A private PulseAudio daemon with one null sink whose monitor can be recorded.
// avvia() points PULSE_SERVER (and the runtime folders) of this process at
// its own socket: call it before anything touches audio.
class ServerAudioProva
{
public:
    ~ServerAudioProva() { ferma(); }
    static bool disponibile(); // the pulseaudio program is installed
    bool avvia(int frequenza = 22050); // false with errore() when it does not answer
    QString errore() const { return m_errore; }
    // Records the sink's monitor (mono s16) until fermaRegistrazione(),
    // which returns the samples.
    bool registra();
    QByteArray fermaRegistrazione();
    void uccidi(); // SIGKILL, as a crash would
    void ferma();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon, m_registratore;
    QString m_errore;
    int m_frequenza = 22050;
};
