#include "serveraudioprova.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

bool ServerAudioProva::disponibile()
{
    return !QStandardPaths::findExecutable(u"pulseaudio"_qs).isEmpty();
}

bool ServerAudioProva::avvia(int frequenza)
{
    m_frequenza = frequenza;
    const QString base = m_dir.path(), socket = base + u"/pulse/native"_qs;
    for (const char *d : {"run", "pulse", "home", "state"})
        QDir(base).mkpath(QString::fromLatin1(d));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + u"/run"_qs));
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(base + u"/pulse"_qs));
    qputenv("PULSE_STATE_PATH", QFile::encodeName(base + u"/state"_qs));
    qputenv("PULSE_SERVER", QFile::encodeName(u"unix:"_qs + socket));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_qs, base + u"/home"_qs);
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.setStandardOutputFile(base + u"/pulseaudio.log"_qs);
    // -n: no default configuration; as root pulseaudio only warns.
    m_daemon.start(u"pulseaudio"_qs,
                   {u"--daemonize=no"_qs, u"--exit-idle-time=-1"_qs, u"-n"_qs, u"--disallow-exit"_qs,
                    u"--use-pid-file=no"_qs,
                    u"--load=module-null-sink sink_name=numerella_test rate=%1"_qs.arg(frequenza),
                    u"--load=module-native-protocol-unix auth-anonymous=1 socket=%1"_qs.arg(socket)});
    // The socket appears a moment before the modules are all loaded; pactl
    // answering means the server is ready (without pactl the socket has to do).
    for (QDeadlineTimer t(30000); m_daemon.waitForStarted(10000) && !t.hasExpired(); QThread::msleep(50)) {
        if (!QFile::exists(socket))
            continue;
        QProcess p;
        p.start(u"pactl"_qs, {u"info"_qs});
        if (!p.waitForStarted(5000) || (p.waitForFinished(10000) && p.exitCode() == 0))
            return true;
    }
    QFile log(base + u"/pulseaudio.log"_qs);
    log.open(QIODevice::ReadOnly);
    m_errore
        = u"pulseaudio did not come up: %1 %2"_qs.arg(m_daemon.errorString(), QString::fromLocal8Bit(log.readAll()));
    ferma();
    return false;
}

bool ServerAudioProva::registra()
{
    // To a file, so that a test busy elsewhere cannot make parec drop audio.
    const QString file = m_dir.filePath(u"registrazione.raw"_qs);
    QFile::remove(file);
    m_registratore.setStandardOutputFile(file);
    m_registratore.start(u"parec"_qs,
                         {u"--device=numerella_test.monitor"_qs, u"--format=s16le"_qs, u"--rate=%1"_qs.arg(m_frequenza),
                          u"--channels=1"_qs, u"--latency-msec=20"_qs, u"--raw"_qs});
    // The null sink renders in long blocks until a client asks for a short
    // latency; once the recorder gets data the sink has taken its 20 ms, and
    // a stream started now plays at once.
    for (QDeadlineTimer t(20000);
         m_registratore.waitForStarted(10000) && QFileInfo(file).size() == 0 && !t.hasExpired();)
        QThread::msleep(20);
    m_errore = u"parec recorded nothing: "_qs + m_registratore.errorString();
    return QFileInfo(file).size() > 0;
}

QByteArray ServerAudioProva::fermaRegistrazione()
{
    m_registratore.terminate();
    m_registratore.waitForFinished(10000);
    QFile f(m_dir.filePath(u"registrazione.raw"_qs));
    QByteArray dati = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    dati.chop(dati.size() % 2);
    return dati;
}

void ServerAudioProva::uccidi()
{
    for (QProcess *p : {&m_registratore, &m_daemon})
        p->kill(), p->waitForFinished(10000);
}

void ServerAudioProva::ferma()
{
    for (QProcess *p : {&m_registratore, &m_daemon}) {
        p->terminate();
        if (!p->waitForFinished(10000))
            p->kill(), p->waitForFinished(5000);
    }
}
