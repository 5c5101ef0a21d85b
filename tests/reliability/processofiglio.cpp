#include "processofiglio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

ProcessoFiglio::~ProcessoFiglio()
{
    if (m_pid > 0 && !m_finito) {
        ::kill(m_pid, SIGKILL);
        attendi(10000);
    }
}

bool ProcessoFiglio::avvia(const QString &programma, const QStringList &argomenti, const QStringList &ambiente,
                           const QString &fileUscita, QString *errore)
{
    m_fileUscita = fileUscita;
    std::vector<QByteArray> dati;
    dati.push_back(QFile::encodeName(programma));
    for (const QString &a : argomenti)
        dati.push_back(a.toLocal8Bit());
    const size_t nArgomenti = dati.size();
    for (const QString &e : ambiente)
        dati.push_back(e.toLocal8Bit());

    std::vector<char *> argv;
    for (size_t i = 0; i < nArgomenti; ++i)
        argv.push_back(dati[i].data());
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (size_t i = nArgomenti; i < dati.size(); ++i)
        envp.push_back(dati[i].data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    const QByteArray uscita = QFile::encodeName(fileUscita);
    posix_spawn_file_actions_addopen(&azioni, 1, uscita.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&azioni, 1, 2);
    posix_spawn_file_actions_addopen(&azioni, 0, "/dev/null", O_RDONLY, 0);

    // The child starts with default signal handling, whatever the test
    // runner ignores.
    posix_spawnattr_t attributi;
    posix_spawnattr_init(&attributi);
    sigset_t predefiniti;
    sigemptyset(&predefiniti);
    sigaddset(&predefiniti, SIGTERM);
    sigaddset(&predefiniti, SIGINT);
    sigaddset(&predefiniti, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributi, &predefiniti);
    sigset_t nessuno;
    sigemptyset(&nessuno);
    posix_spawnattr_setsigmask(&attributi, &nessuno);
    posix_spawnattr_setflags(&attributi, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    const int r = posix_spawn(&m_pid, argv[0], &azioni, &attributi, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    posix_spawnattr_destroy(&attributi);
    if (r != 0) {
        m_pid = -1;
        if (errore)
            *errore = QStringLiteral("cannot start %1: %2").arg(programma, QString::fromLocal8Bit(std::strerror(r)));
        return false;
    }
    m_finito = false;
    return true;
}

bool ProcessoFiglio::inCorso()
{
    if (m_pid <= 0 || m_finito)
        return false;
    int stato = 0;
    pid_t r;
    do {
        r = ::waitpid(m_pid, &stato, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0)
        return true;
    m_finito = true;
    if (r == m_pid && WIFEXITED(stato)) {
        m_codice = WEXITSTATUS(stato);
        m_segnale = 0;
    } else if (r == m_pid && WIFSIGNALED(stato)) {
        m_codice = -1;
        m_segnale = WTERMSIG(stato);
    }
    return false;
}

bool ProcessoFiglio::attendi(int ms)
{
    QElapsedTimer t;
    t.start();
    while (inCorso()) {
        if (t.elapsed() >= ms)
            return false;
        QThread::msleep(10);
    }
    return true;
}

void ProcessoFiglio::segnala(int segnale)
{
    if (m_pid > 0 && !m_finito)
        ::kill(m_pid, segnale);
}

QString ProcessoFiglio::comeFinito() const
{
    if (!m_finito)
        return QStringLiteral("still running");
    if (m_segnale != 0)
        return QStringLiteral("killed by signal %1 (%2)").arg(m_segnale).arg(QString::fromLocal8Bit(strsignal(m_segnale)));
    return QStringLiteral("exit status %1").arg(m_codice);
}

QByteArray ProcessoFiglio::uscita() const
{
    QFile f(m_fileUscita);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList ambienteCon(const QStringList &cambi, const QStringList &tolti)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString &t : tolti)
        e.remove(t);
    for (const QString &c : cambi) {
        const qsizetype uguale = c.indexOf(QLatin1Char('='));
        e.insert(c.left(uguale), c.mid(uguale + 1));
    }
    return e.toStringList();
}
