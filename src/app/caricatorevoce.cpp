#include "caricatorevoce.h"

#include "fabbricavoce.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLibrary>
#include <QPluginLoader>
#include <QThread>
#include <QWidget>

CaricatoreVoce::CaricatoreVoce(const QString &file, QObject *padre)
    : QObject(padre)
    , m_file(file)
{
}

CaricatoreVoce::~CaricatoreVoce()
{
    if (m_thread)
        m_thread->wait();
}

void CaricatoreVoce::avviaDopoIlDisegno(QWidget *w)
{
    if (!w) {
        avvia();
        return;
    }
    // The window's first paint may be its children's alone. A window that
    // goes before it is painted lets the load start all the same.
    m_finestra = w->window();
    connect(m_finestra, &QObject::destroyed, this, &CaricatoreVoce::avvia, Qt::QueuedConnection);
    qApp->installEventFilter(this);
}

bool CaricatoreVoce::eventFilter(QObject *o, QEvent *e)
{
    const bool disegno
        = e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget *>(o)->window() == m_finestra;
    if (disegno || (e->type() == QEvent::Hide && o == m_finestra)) {
        qApp->removeEventFilter(this);
        // After this paint has reached the screen, not in the middle of it.
        QMetaObject::invokeMethod(this, &CaricatoreVoce::avvia, Qt::QueuedConnection);
    }
    return QObject::eventFilter(o, e);
}

void CaricatoreVoce::avvia()
{
    if (m_thread)
        return;
    qApp->removeEventFilter(this);
    // The dynamic linker holds its lock for the whole load, and the menu
    // bar and the animation cells open Qt's image format plugins: opened
    // here first, they do not wait for speech.
    QImageReader::supportedImageFormats();
    // The dynamic linker's work (espeak-ng, Qt Multimedia, the sound
    // server's client) happens here; making the plugin's object waits for
    // this object's thread.
    m_thread.reset(QThread::create([this] {
        // Told under its own name: for a missing file QLibrary reports the
        // last of the variants it tried (other folders, prefixes).
        if (!QFileInfo(m_file).isFile()) {
            m_errore = QStringLiteral("no such file");
            return;
        }
        QLibrary libreria(m_file);
        if (!libreria.load())
            m_errore = libreria.errorString();
    }));
    connect(m_thread.get(), &QThread::finished, this, &CaricatoreVoce::concludi);
    m_thread->start(QThread::LowPriority);
}

void CaricatoreVoce::concludi()
{
    if (m_concluso)
        return;
    m_concluso = true;
    if (m_errore.isEmpty()) {
        QPluginLoader caricatore(m_file);
        m_fabbrica = qobject_cast<FabbricaVoce *>(caricatore.instance());
        if (!m_fabbrica)
            m_errore = caricatore.errorString();
    }
    if (!m_fabbrica)
        qWarning("Numerella: no speech and no sounds, the plugin %s cannot be used: %s", qUtf8Printable(m_file),
                 qUtf8Printable(m_errore));
    Q_EMIT pronto();
}

FabbricaVoce *CaricatoreVoce::fabbrica()
{
    if (!m_concluso) {
        avvia();
        m_thread->wait();
        concludi();
    }
    return m_fabbrica;
}

MotoreDifferito::MotoreDifferito(CaricatoreVoce *caricatore, QObject *padre)
    : MotoreVoce(padre)
    , m_caricatore(caricatore)
{
    if (m_caricatore) {
        // Ready as soon as the plugin is: the first sentence finds its engine started.
        connect(m_caricatore, &CaricatoreVoce::pronto, this, [this] { motore(false); });
        motore(false);
    }
}

MotoreDifferito::~MotoreDifferito() = default;

MotoreVoce *MotoreDifferito::motore(bool attendi) const
{
    if (m_reale || !m_caricatore || (!attendi && !m_caricatore->concluso()))
        return m_reale.get();
    FabbricaVoce *f = m_caricatore->fabbrica();
    // Waiting for the load has run its end, whose handler made the engine.
    if (m_reale)
        return m_reale.get();
    if (!f || !(m_reale = f->motore()))
        return nullptr;
    auto *self = const_cast<MotoreDifferito *>(this);
    connect(m_reale.get(), &MotoreVoce::finito, self, &MotoreVoce::finito);
    connect(m_reale.get(), &MotoreVoce::statoCambiato, self, &MotoreVoce::statoCambiato);
    if (m_lingua)
        m_reale->SpeechLanguage(m_lingua->first, m_lingua->second);
    m_reale->VoiceNumber(m_voce);
    if (m_velocita)
        m_reale->SpeechSpeed(*m_velocita);
    return m_reale.get();
}

void MotoreDifferito::SpeakText(const QString &testo)
{
    if (MotoreVoce *m = motore(true)) {
        m->SpeakText(testo);
        return;
    }
    // Nothing to say it with: the end comes at once, after the caller has
    // had the chance to wait for it.
    QMetaObject::invokeMethod(this, &MotoreVoce::finito, Qt::QueuedConnection);
}

void MotoreDifferito::StopSpeech()
{
    if (m_reale)
        m_reale->StopSpeech();
}

int MotoreDifferito::SpeakingStatus() const
{
    return m_reale ? m_reale->SpeakingStatus() : 0;
}

void MotoreDifferito::SpeechSpeed(int paroleAlMinuto)
{
    m_velocita = paroleAlMinuto;
    if (m_reale)
        m_reale->SpeechSpeed(paroleAlMinuto);
}

int MotoreDifferito::VoiceCount() const
{
    const MotoreVoce *m = motore(true);
    return m ? m->VoiceCount() : 0;
}

QString MotoreDifferito::VoiceName(int numero) const
{
    const MotoreVoce *m = motore(true);
    return m ? m->VoiceName(numero) : QString();
}

bool MotoreDifferito::VoiceNumber(int numero)
{
    // Before the load the number is kept and handed on; start-up does not
    // wait for the plugin to learn whether the voice exists.
    m_voce = numero;
    return m_reale ? m_reale->VoiceNumber(numero) : true;
}

void MotoreDifferito::SpeechLanguage(const QByteArray &lingua, const QString &meno)
{
    m_lingua = {lingua, meno};
    if (m_reale)
        m_reale->SpeechLanguage(lingua, meno);
}

int MotoreDifferito::durataMassimaMs() const
{
    return m_reale ? m_reale->durataMassimaMs() : 0;
}

SuoniDifferiti::SuoniDifferiti(CaricatoreVoce &caricatore, const Boolean &suonoAttivo, const QString &cartellaProgramma)
    : m_caricatore(&caricatore)
    , m_attivo(suonoAttivo)
    , m_cartella(cartellaProgramma)
{
    // Ready as soon as the plugin is: the first sound does not open the output.
    if (caricatore.concluso())
        suoni();
    else
        m_pronto = QObject::connect(&caricatore, &CaricatoreVoce::pronto, &caricatore, [this] { suoni(); });
}

SuoniDifferiti::~SuoniDifferiti()
{
    QObject::disconnect(m_pronto);
}

Suoni *SuoniDifferiti::suoni()
{
    if (!m_reali && m_caricatore) {
        if (FabbricaVoce *f = m_caricatore->fabbrica())
            m_reali = f->suoni(m_attivo, m_cartella);
        m_caricatore.clear(); // asked once
    }
    return m_reali.get();
}

void SuoniDifferiti::SuonoEsatto()
{
    if (Suoni *s = suoni())
        s->SuonoEsatto();
}

void SuoniDifferiti::SuonoErrato()
{
    if (Suoni *s = suoni())
        s->SuonoErrato();
}
