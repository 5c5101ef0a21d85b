#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QAudioSink;
class QIODevice;

// Plays one stream of PCM at a time on the default audio output, fed
// piece by piece as it is made, and says when its last sample has been
// played. Without an audio device (none, or it fails to open or breaks
// down), the stream is timed by its length instead, so callers see the same
// signals at the same moments, only nothing is heard.
class UscitaAudio : public QObject
{
    Q_OBJECT
public:
    explicit UscitaAudio(QObject *padre = nullptr);
    ~UscitaAudio() override;

    // Never touch a device: every stream is timed (tests, benchmarks).
    void setSenzaDispositivo(bool nessuno) { m_forzaMuta = nessuno; }

    // Starts a new stream, cutting off the one still playing (which then
    // gets no finito).
    void inizia(const QAudioFormat &formato);
    // More PCM for the current stream, written to the device at once as
    // far as it takes it.
    void scrivi(const QByteArray &pcm);
    // No more data: finito comes when the last sample has been played.
    void chiudi();
    // Cuts the stream off now, without finito.
    void ferma();

    bool attiva() const { return m_attiva; }
    // The current (or last) stream is timed, not heard.
    bool muta() const { return m_muta; }
    // Bytes handed over for the current stream, and their playing time.
    qint64 byteTotali() const { return m_totale; }
    qint64 durataUs() const;

Q_SIGNALS:
    // The first bytes of the stream went to the device (or to the clock).
    void primiDati();
    // The stream's last sample has been played.
    void finito();

private:
    void alimenta();
    void controllaFine();
    void passaAMuta();
    void termina();
    void statoSink();

    QAudioFormat m_formato;
    QAudioFormat m_formatoSink;
    QAudioDevice m_dispositivo;
    QPointer<QAudioSink> m_sink;
    QPointer<QIODevice> m_io;
    QByteArray m_attesa; // not yet taken by the device
    qint64 m_totale = 0;
    QElapsedTimer m_dallInizio; // since the first bytes went out
    QTimer m_alimentatore;
    QTimer m_fine;
    bool m_forzaMuta = false;
    bool m_attiva = false;
    bool m_chiuso = false;
    bool m_muta = false;
};
