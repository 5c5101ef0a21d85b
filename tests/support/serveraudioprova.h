#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private PulseAudio daemon for end-to-end tests and benchmarks: one
// null sink (nothing is heard) whose monitor can be recorded, reached only
// through its own socket in a temporary folder. Call avvia() before the
// program touches any audio: it points PULSE_SERVER (and the runtime
// folders) of this process at the private daemon.
class ServerAudioProva
{
public:
    ~ServerAudioProva() { ferma(); }

    // Whether the pulseaudio program is installed.
    static bool disponibile();

    // Starts the daemon and waits until it answers; false with errore set
    // when it cannot.
    bool avvia(int frequenza = 22050);
    QString errore() const { return m_errore; }

    // Records the sink's monitor (mono s16 at the sink's rate) until
    // fermaRegistrazione(), which returns the samples.
    bool registra();
    QByteArray fermaRegistrazione();

    // Ends the daemon as a crash would (SIGKILL), at once.
    void uccidi();
    void ferma();

private:
    bool attendiSocket();
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_registratore;
    QString m_socket;
    QString m_errore;
    int m_frequenza = 22050;
};
