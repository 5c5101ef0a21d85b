#pragma once

#include "motorevoce.h"
#include "suoni.h"
#include "tipi.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>
#include <utility>

class FabbricaVoce;
class QThread;
class QWidget;

// Loads the speech and sound plugin (libnumerella_voce.so beside the
// program) on a thread of its own, after the first picture of the start
// screen: the dynamic linker's work for espeak-ng and Qt Multimedia then
// no longer delays the window. Whoever needs speech or sound before the
// load has ended waits for it (the start screen and the menu come first,
// so in practice nobody does). A plugin that cannot be loaded leaves the
// program silent, with one line on stderr naming the file and the fault.
class CaricatoreVoce : public QObject
{
    Q_OBJECT
public:
    explicit CaricatoreVoce(const QString &file, QObject *padre = nullptr);
    ~CaricatoreVoce() override;

    // Starts the load once w has been painted for the first time.
    void avviaDopoIlDisegno(QWidget *w);
    // Starts the load now (once; later calls do nothing).
    void avvia();
    // The plugin's factory, waiting for the load (started here if needed);
    // nullptr when the plugin could not be loaded.
    FabbricaVoce *fabbrica();
    // The load has ended, well or not (never waits).
    bool concluso() const { return m_concluso; }

Q_SIGNALS:
    // Once, on this object's thread, when the load has ended.
    void pronto();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void concludi();

    QString m_file;
    QPointer<QWidget> m_finestra; // the load waits for its first paint
    std::unique_ptr<QThread> m_thread;
    QString m_errore; // written by the thread, read after it has ended
    FabbricaVoce *m_fabbrica = nullptr;
    bool m_concluso = false;
};

// An engine that speaks through the plugin's espeak-ng engine once the
// plugin is loaded. Voice, speed and language set before then are handed
// on; an utterance asked for before then waits for the load. Without the
// plugin it is silent: every utterance ends at once, as an engine without
// voices does.
class MotoreDifferito : public MotoreVoce
{
    Q_OBJECT
public:
    // caricatore: may be null (always silent).
    explicit MotoreDifferito(CaricatoreVoce *caricatore, QObject *padre = nullptr);
    ~MotoreDifferito() override;

    void SpeakText(const QString &testo) override;
    void StopSpeech() override;
    int SpeakingStatus() const override;
    void SpeechSpeed(int paroleAlMinuto) override;
    int VoiceCount() const override;
    QString VoiceName(int numero) const override;
    bool VoiceNumber(int numero) override;
    void SpeechLanguage(const QByteArray &lingua, const QString &meno) override;
    int durataMassimaMs() const override;

private:
    // The real engine; attendi: wait for the load if it has not ended.
    MotoreVoce *motore(bool attendi) const;

    QPointer<CaricatoreVoce> m_caricatore;
    mutable std::unique_ptr<MotoreVoce> m_reale;
    int m_voce = 1;
    std::optional<int> m_velocita;
    std::optional<std::pair<QByteArray, QString>> m_lingua;
};

// The right and wrong sounds through the plugin's WAV player once it is
// loaded; before that a sound waits for the load, and without the plugin
// there is none.
class SuoniDifferiti : public Suoni
{
public:
    SuoniDifferiti(CaricatoreVoce &caricatore, const Boolean &suonoAttivo, const QString &cartellaProgramma);
    ~SuoniDifferiti() override;
    void SuonoEsatto() override;
    void SuonoErrato() override;

private:
    Suoni *suoni();

    QPointer<CaricatoreVoce> m_caricatore;
    QMetaObject::Connection m_pronto;
    const Boolean &m_attivo;
    QString m_cartella;
    std::unique_ptr<Suoni> m_reali;
};
