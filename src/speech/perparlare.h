#pragma once

#include "motorevoce.h"

#include <QPointer>
#include <QString>
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

// Speaking a text and waiting for its end. The engine is the program-wide
// one, handed over by its owner; what to lock while speaking is said by
// each caller.
class PerParlare
{
public:
    // Called with false before the text is handed to the engine and with
    // true once it has finished.
    using Blocco = std::function<void(bool abilitato)>;

    // The last text handed over for speaking; the repeat buttons speak it
    // again as it stands.
    QString TestoDaDire;

    // The program-wide engine; null until its owner is loaded, and null
    // again once it is gone (nothing is then spoken).
    void usaMotore(MotoreVoce *motore) { m_motore = motore; }
    MotoreVoce *motore() const { return m_motore; }

    // Speaks TestoDaDire and returns when it has finished, dispatching
    // events meanwhile; blocca is called around the wait.
    void Parla(const Blocco &blocca = {});

    // The language of what is spoken: how a text is prepared.
    Preparazione preparazione;

    // Extra time the wait allows beyond the engine's own estimate.
    int margineWatchdogMs = 3000;

private:
    QPointer<MotoreVoce> m_motore;
};
