#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// A private PulseAudio daemon with one null sink whose monitor can be recorded.
// avvia() points PULSE_SERVER of this process at it: call it before anything touches audio.
class ServerAudioProva
{
public:
    ~ServerAudioProva() { ferma(); }
    static bool disponibile() { return !QStandardPaths::findExecutable(u"pulseaudio"_qs).isEmpty(); }
    bool avvia(int frequenza = 22050); // false with errore() when it does not answer
    QString errore() const { return m_errore; }
    bool registra(); // records the monitor (mono s16) until fermaRegistrazione()
    QByteArray fermaRegistrazione();
    QByteArray registrato() const; // what has been recorded so far
    void uccidi(); // SIGKILL, as a crash would
    void ferma();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon, m_registratore;
    QString m_errore;
    int m_frequenza = 22050;
};
