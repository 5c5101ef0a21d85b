#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

// A child process for the tests that run whole programs. Unlike QProcess it
// tells exactly how the child ended (exit status or the signal's number),
// needs no event loop, and can be killed at any moment with any signal.
// Its standard output and error go together to one file.
class ProcessoFiglio
{
public:
    ProcessoFiglio() = default;
    ~ProcessoFiglio(); // a child still running is killed and reaped
    ProcessoFiglio(const ProcessoFiglio &) = delete;
    ProcessoFiglio &operator=(const ProcessoFiglio &) = delete;

    // ambiente: the whole environment, "NAME=value" each. False with
    // *errore set when the program could not be started.
    bool avvia(const QString &programma, const QStringList &argomenti, const QStringList &ambiente,
               const QString &fileUscita, QString *errore);

    pid_t pid() const { return m_pid; }
    // Looks without waiting: true while the child runs.
    bool inCorso();
    // Waits up to ms for the end; true when the child has ended.
    bool attendi(int ms);
    void segnala(int segnale);

    // After the end: the exit status (-1 when ended by a signal) and the
    // signal that ended it (0 when it exited).
    bool finito() const { return m_finito; }
    int codice() const { return m_codice; }
    int segnale() const { return m_segnale; }
    QString comeFinito() const;

    // What the child wrote so far.
    QByteArray uscita() const;

private:
    pid_t m_pid = -1;
    bool m_finito = false;
    int m_codice = -1;
    int m_segnale = 0;
    QString m_fileUscita;
};

// The environment of this process with some names changed ("NAME=value")
// and some removed ("NAME").
QStringList ambienteCon(const QStringList &cambi, const QStringList &tolti = {});
