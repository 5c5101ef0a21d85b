#include "serveraudioprova.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

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
    m_daemon.start(u"pulseaudio"_qs,
                   {u"--daemonize=no"_qs, u"--exit-idle-time=-1"_qs, u"-n"_qs, u"--disallow-exit"_qs,
                    u"--use-pid-file=no"_qs,
                    u"--load=module-null-sink sink_name=numerella_test rate=%1"_qs.arg(frequenza),
                    u"--load=module-native-protocol-unix auth-anonymous=1 socket=%1"_qs.arg(socket)});
    // The socket appears before the modules are all loaded: pactl answering means ready.
    for (QDeadlineTimer t(30000); m_daemon.waitForStarted(10000) && !t.hasExpired(); QThread::msleep(50)) {
        if (QFile::exists(socket) && QProcess::execute(u"pactl"_qs, {u"info"_qs}) == 0)
            return true;
    }
    m_errore = u"pulseaudio did not come up, see "_qs + base + u"/pulseaudio.log"_qs;
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
    // Once the recorder gets data the null sink has taken its 20 ms latency: a new stream plays at once.
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
    return registrato();
}

QByteArray ServerAudioProva::registrato() const
{
    QFile f(m_dir.filePath(u"registrazione.raw"_qs));
    QByteArray dati = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    return dati.chopped(dati.size() % 2);
}

void ServerAudioProva::uccidi()
{
    for (QProcess *p : {&m_registratore, &m_daemon})
        p->kill(), p->waitForFinished(10000);
}

void ServerAudioProva::ferma()
{
    for (QProcess *p : {&m_registratore, &m_daemon})
        p->terminate(), p->waitForFinished(10000) || (p->kill(), p->waitForFinished(5000));
}
