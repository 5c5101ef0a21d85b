#pragma once

#include "motorevoce.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

// What the preparation of a text depends on in the language spoken.
struct Preparazione {
    // Italian: accented vowels written as vowel plus apostrophe, "&" said
    // "e commerciale". Another language keeps its accents.
    bool italiano = true;
    // Another language's word for "&"; empty: "&" is left to the engine.
    QString e;
};

// The text as the engine should get it: accents and "&" as the language
// wants them, middle dot and underscore dropped, the typographic apostrophe
// made plain, and a final " ." turned into ". ".
QString preparaTesto(const QString &testo, const Preparazione &lingua = {});

// One utterance handed to an engine, and what comes after it. Parla
// returns at once; `poi` runs once the engine reports the end, or once the
// engine is destroyed, or once a watchdog (the engine's own estimate plus a
// margin) runs out, so an engine that never reports cannot keep a screen
// waiting. Whoever owns the Parlata can drop the wait, and destroying the
// Parlata drops it too: `poi` then never runs.
class Parlata : public QObject
{
    Q_OBJECT
public:
    explicit Parlata(QObject *padre = nullptr);

    // The text is spoken as given. A wait still open is dropped first.
    void Parla(MotoreVoce *motore, const QString &testo, std::function<void()> poi = {}, int margineMs = 3000);
    // The utterance waited for, started again with this text: the wait
    // goes on until the new one ends. Without a wait, only spoken.
    void ripeti(MotoreVoce *motore, const QString &testo);
    // Drops the wait; the engine is left as it is.
    void annulla();
    bool inAttesa() const { return bool(m_poi); }

private:
    void fine();
    void armaCane();
    void consegna(MotoreVoce *motore, const QString &testo);

    QPointer<MotoreVoce> m_motore;
    std::function<void()> m_poi;
    QTimer m_cane;
    int m_margine = 3000;
    bool m_consegna = false;
    QMetaObject::Connection m_finito;
    QMetaObject::Connection m_distrutto;
};

// The program-wide speech: the engine of FormBocca and the last text handed
// over, which the repeat buttons speak again as it stands.
class PerParlare
{
public:
    QString TestoDaDire;

    // The program-wide engine; null until its owner is loaded, and null
    // again once it is gone (nothing is then spoken).
    void usaMotore(MotoreVoce *motore) { m_motore = motore; }
    MotoreVoce *motore() const { return m_motore; }

    // Speaks TestoDaDire, prepared, through the program-wide engine and then
    // runs poi; the wait is the caller's `attesa`, which it may drop.
    // TestoDaDire itself stays as the caller gave it.
    void Parla(Parlata &attesa, std::function<void()> poi);

    // The language of what is spoken: how a text is prepared.
    Preparazione preparazione;

    // Extra time the watchdog allows beyond the engine's own estimate.
    int margineWatchdogMs = 3000;

private:
    QPointer<MotoreVoce> m_motore;
};
