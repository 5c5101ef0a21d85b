#pragma once

#include "velocita.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

class QThread;

// The one owner of espeak-ng in the process. The library keeps global state
// and is not thread-safe, so every call to it runs on one worker thread, in
// synchronous mode; all engines share this owner. Speech is cancelled by a
// flag that the synthesis callback returns, so a stop takes effect within
// one block of audio.
// One utterance to synthesise. Its signals are emitted on the worker
// thread; connect them to an object of the user-interface thread and they
// arrive there queued (and are dropped once that object is gone).
class RichiestaEspeak : public QObject
{
    Q_OBJECT
public:
    QString testo; // already made ready for espeak-ng
    QByteArray voce;
    int paroleAlMinuto = Velocita::Predefinita;
    std::atomic<bool> annullata{false};
    // Without espeak-ng's leading silence but for a few ms.
    bool tagliaSilenzioIniziale = true;

Q_SIGNALS:
    // A block of mono 16-bit PCM at SintesiEspeak::frequenza() samples a
    // second.
    void blocco(const QByteArray &pcm);
    // Once, at the end; ok false: nothing could be synthesised. A cancelled
    // request gets it too.
    void fine(bool ok);
};

class SintesiEspeak
{
public:
    using Richiesta = RichiestaEspeak;

    struct Voce {
        QByteArray nomeEspeak; // "it", "it+f3", ...
        QString nome; // the name shown to parents
    };

    // The owner of this process, started on first use (espeak-ng initialised
    // and every candidate voice tried on the worker thread); it lives until
    // the application ends. cartellaDati: the folder that holds
    // espeak-ng-data (or is it); empty for espeak-ng's own search. Only the
    // first call's folder counts.
    static std::shared_ptr<SintesiEspeak> condivisa(const QString &cartellaDati = QString());

    ~SintesiEspeak();
    SintesiEspeak(const SintesiEspeak &) = delete;
    SintesiEspeak &operator=(const SintesiEspeak &) = delete;

    // These wait for the start-up to finish.
    bool pronta(); // espeak-ng initialised and at least one voice works
    // True once the start-up checks have finished (never waits).
    bool avviata() const;
    QString errore(); // why not, for a message
    QList<Voce> voci(); // the voices that really speak, "it" first
    // Those of one espeak-ng language ("it", "en-gb"); the Italian ones for
    // a language that has none.
    QList<Voce> voci(const QByteArray &lingua);
    int frequenza(); // samples per second of the PCM blocks

    // Queues r for synthesis on the worker thread, after any earlier one.
    void sintetizza(std::shared_ptr<Richiesta> r);

    // espeak-ng's phoneme transcription of testo (as `espeak-ng -x`), clause
    // by clause joined with spaces. Blocks until done; for checks and tests.
    QString fonemi(const QString &testo, const QByteArray &voce = "it");
    // The samples of testo (ready for espeak-ng), cut as for speech or
    // espeak-ng's own (taglia false). Blocks until done; for checks, tests
    // and benchmarks.
    std::vector<qint16> campioni(const QString &testo, const QByteArray &voce = "it",
                                 int paroleAlMinuto = Velocita::Predefinita, bool taglia = true);

private:
    explicit SintesiEspeak(const QString &cartellaDati);
    void fermaThread();
    class Lavoratore;
    QThread *m_thread;
    Lavoratore *m_lavoratore;
};
