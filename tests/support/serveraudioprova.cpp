#include "serveraudioprova.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

ServerAudioProva::ServerAudioProva() = default;

ServerAudioProva::~ServerAudioProva()
{
    ferma();
}

bool ServerAudioProva::disponibile()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

bool ServerAudioProva::avvia(int frequenza)
{
    m_frequenza = frequenza;
    if (!m_dir.isValid()) {
        m_errore = QStringLiteral("no temporary folder");
        return false;
    }
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
    if (!m_daemon.waitForStarted(5000)) {
        m_errore = QStringLiteral("pulseaudio did not start: %1").arg(m_daemon.errorString());
        return false;
    }
    if (!attendiSocket(10000)) {
        QFile log(base + QStringLiteral("/pulseaudio.log"));
        log.open(QIODevice::ReadOnly);
        m_errore = QStringLiteral("pulseaudio did not open its socket: %1").arg(QString::fromLocal8Bit(log.readAll()));
        ferma();
        return false;
    }
    return true;
}

bool ServerAudioProva::attendiSocket(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (m_daemon.state() != QProcess::Running)
            return false;
        if (QFileInfo::exists(m_socket)) {
            // The socket file appears a moment before the modules are all
            // loaded; pactl answering means the server is ready.
            QProcess p;
            p.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (!p.waitForStarted(2000))
                return true; // no pactl: the socket has to do
            p.waitForFinished(3000);
            if (p.exitCode() == 0)
                return true;
        }
        QThread::msleep(50);
    }
    return false;
}

bool ServerAudioProva::registra()
{
    // To a file, so that a test busy elsewhere cannot make parec drop audio.
    QFile::remove(m_dir.path() + QStringLiteral("/registrazione.raw"));
    m_registratore.setStandardOutputFile(m_dir.path() + QStringLiteral("/registrazione.raw"));
    m_registratore.start(QStringLiteral("parec"),
                         {QStringLiteral("--device=numerella_test.monitor"), QStringLiteral("--format=s16le"),
                          QStringLiteral("--rate=%1").arg(m_frequenza), QStringLiteral("--channels=1"),
                          QStringLiteral("--latency-msec=20"), QStringLiteral("--raw")});
    if (!m_registratore.waitForStarted(5000)) {
        m_errore = QStringLiteral("parec did not start: %1").arg(m_registratore.errorString());
        return false;
    }
    // The null sink renders in long blocks until a client asks for a short
    // latency; once the recorder gets its first data the sink has taken its
    // 20 ms, and a stream started now plays at once.
    QElapsedTimer t;
    t.start();
    const QString file = m_dir.path() + QStringLiteral("/registrazione.raw");
    while (QFileInfo(file).size() == 0 && t.elapsed() < 5000)
        QThread::msleep(20);
    QThread::msleep(100);
    return QFileInfo(file).size() > 0;
}

QByteArray ServerAudioProva::fermaRegistrazione()
{
    if (m_registratore.state() == QProcess::NotRunning)
        return QByteArray();
    m_registratore.terminate();
    m_registratore.waitForFinished(5000);
    QFile f(m_dir.path() + QStringLiteral("/registrazione.raw"));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray dati = f.readAll();
    dati.chop(dati.size() % 2);
    return dati;
}

void ServerAudioProva::ferma()
{
    for (QProcess *p : {&m_registratore, &m_daemon}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(2000);
            }
        }
    }
}
