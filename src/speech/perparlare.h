#pragma once

#include "motorevoce.h"

#include <QPointer>
#include <QString>
#include <functional>

// The text as the engine should get it: accented vowels written as vowel
// plus apostrophe, "&" spelled out, middle dot and underscore dropped, the
// typographic apostrophe made plain, and a final " ." turned into ". ".
QString preparaTesto(const QString &testo);

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

    // Extra time the wait allows beyond the engine's own estimate.
    int margineWatchdogMs = 3000;

private:
    QPointer<MotoreVoce> m_motore;
};
