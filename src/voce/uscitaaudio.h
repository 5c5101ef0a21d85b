#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

// Plays one stream of PCM at a time on the sound server's default output,
// fed piece by piece as it is made, and says when its last sample has been
// played. Without a sound server (none, or it refuses the stream or dies),
// the stream is timed by its length instead, so callers see the same
// signals at the same moments, only nothing is heard.
//
// It talks to PulseAudio through its own client library: a stream starts
// playing as soon as a few milliseconds of sound are there, and everything
// written is queued in the server at once, so a busy machine cannot starve
// a sentence that has been synthesised.
class UscitaAudio : public QObject
{
    Q_OBJECT
public:
    explicit UscitaAudio(QObject *padre = nullptr);
    ~UscitaAudio() override;

    // Never touch a server: every stream is timed (tests, benchmarks).
    void setSenzaDispositivo(bool nessuno) { m_forzaMuta = nessuno; }

    // Starts a new stream, cutting off the one still playing (which then
    // gets no finito).
    void inizia(const QAudioFormat &formato);
    // More PCM for the current stream, handed to the server at once.
    void scrivi(const QByteArray &pcm);
    // The same in two halves, for a stream made on another thread: the
    // returned function hands PCM of the current stream to the server from
    // any thread, without waiting for this object's (busy) thread, and
    // drops it once the stream has been stopped or replaced; contati then
    // tells this object, on its thread, how many bytes went out.
    using Scrittore = std::function<void(const QByteArray &)>;
    Scrittore scrittore() const;
    void contati(qsizetype byte);
    // No more data: finito comes when the last sample has been played.
    void chiudi();
    // Cuts the stream off now, without finito.
    void ferma();

    // The current (or last) stream is timed, not heard.
    bool muta() const { return m_muta; }
    // The playing time of the bytes handed over for the current stream.
    qint64 durataUs() const;

Q_SIGNALS:
    // The first bytes of the stream went to the server (or to the clock).
    void primiDati();
    // The stream's last sample has been played.
    void finito();

private:
    struct Collegamento;
    // The server is ready; attendi: wait (a little) for it while it connects.
    bool connetti(bool attendi);
    void chiudiFlusso();
    void controllaFine();
    void passaAMuta(quint64 flusso);
    void svuotato(quint64 flusso);
    void termina();

    QAudioFormat m_formato;
    // Shared with the writers handed out, which may outlive this object.
    std::shared_ptr<Collegamento> m_collegamento;
    quint64 m_numeroFlusso = 0;

    qint64 m_totale = 0;
    QElapsedTimer m_dallInizio; // since the first bytes went out
    QTimer m_fine;
    bool m_forzaMuta = false;
    bool m_attiva = false;
    bool m_chiuso = false;
    bool m_muta = false;
    bool m_svuotato = false; // the server has played the stream out
};
