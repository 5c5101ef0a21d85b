#include "serveraudioprova.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

bool ServerAudioProva::disponibile()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

bool ServerAudioProva::avvia(int frequenza)
{
    m_frequenza = frequenza;
    const QString base = m_dir.path();
    for (const char *d : {"run", "pulse", "home", "state"})
        QDir(base).mkpath(QString::fromLatin1(d));
    m_socket = base + QStringLiteral("/pulse/native");

    // The daemon and every client of this process (Qt's audio, parec) find
    // the private server through these.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + QStringLiteral("/run")));
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(base + QStringLiteral("/pulse")));
    qputenv("PULSE_STATE_PATH", QFile::encodeName(base + QStringLiteral("/state")));
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + m_socket));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), base + QStringLiteral("/home"));
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.setStandardOutputFile(base + QStringLiteral("/pulseaudio.log"));
    // -n: no default configuration; as root pulseaudio only warns.
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                    QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--load=module-null-sink sink_name=numerella_test rate=%1").arg(frequenza),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=%1").arg(m_socket)});
    if (m_daemon.waitForStarted(10000) && attendiSocket())
        return true;
    QFile log(base + QStringLiteral("/pulseaudio.log"));
    log.open(QIODevice::ReadOnly);
    m_errore = QStringLiteral("pulseaudio did not come up: %1 %2").arg(m_daemon.errorString(), QString::fromLocal8Bit(log.readAll()));
    ferma();
    return false;
}

bool ServerAudioProva::attendiSocket()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000 && m_daemon.state() == QProcess::Running) {
        if (QFileInfo::exists(m_socket)) {
            // The socket appears a moment before the modules are all
            // loaded; pactl answering means the server is ready.
            QProcess p;
            p.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (!p.waitForStarted(5000))
                return true; // no pactl: the socket has to do
            if (p.waitForFinished(10000) && p.exitCode() == 0)
                return true;
        }
        QThread::msleep(50);
    }
    return false;
}

bool ServerAudioProva::registra()
{
    // To a file, so that a test busy elsewhere cannot make parec drop audio.
    const QString file = m_dir.path() + QStringLiteral("/registrazione.raw");
    QFile::remove(file);
    m_registratore.setStandardOutputFile(file);
    m_registratore.start(QStringLiteral("parec"),
                         {QStringLiteral("--device=numerella_test.monitor"), QStringLiteral("--format=s16le"),
                          QStringLiteral("--rate=%1").arg(m_frequenza), QStringLiteral("--channels=1"),
                          QStringLiteral("--latency-msec=20"), QStringLiteral("--raw")});
    if (!m_registratore.waitForStarted(10000)) {
        m_errore = QStringLiteral("parec did not start: %1").arg(m_registratore.errorString());
        return false;
    }
    // The null sink renders in long blocks until a client asks for a short
    // latency; once the recorder gets its first data the sink has taken its
    // 20 ms, and a stream started now plays at once.
    QElapsedTimer t;
    t.start();
    while (QFileInfo(file).size() == 0 && t.elapsed() < 20000)
        QThread::msleep(20);
    m_errore = QStringLiteral("parec recorded nothing");
    return QFileInfo(file).size() > 0;
}

QByteArray ServerAudioProva::fermaRegistrazione()
{
    if (m_registratore.state() == QProcess::NotRunning)
        return QByteArray();
    m_registratore.terminate();
    m_registratore.waitForFinished(10000);
    QFile f(m_dir.path() + QStringLiteral("/registrazione.raw"));
    QByteArray dati = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    dati.chop(dati.size() % 2);
    return dati;
}

void ServerAudioProva::uccidi()
{
    m_registratore.kill();
    m_daemon.kill();
    m_daemon.waitForFinished(10000);
    m_registratore.waitForFinished(10000);
}

void ServerAudioProva::ferma()
{
    for (QProcess *p : {&m_registratore, &m_daemon}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(10000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }
}
