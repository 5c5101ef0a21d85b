#pragma once

#include <QString>

class RegistroSchermi;
class MotoreVoce;

// The text as the engine should get it: accented vowels written as vowel
// plus apostrophe, "&" spelled out, middle dot and underscore dropped, the
// typographic apostrophe made plain, and a final " ." turned into ". ".
QString preparaTesto(const QString &testo);

// Speaking a text and waiting for its end, with the answer buttons of the
// exercise screen on display locked meanwhile.
class PerParlare
{
public:
    explicit PerParlare(RegistroSchermi &registro);

    // The last text handed over for speaking; the repeat buttons speak it
    // again as it stands.
    QString TestoDaDire;

    // Speaks TestoDaDire through the engine of FormBocca and returns when
    // it has finished, dispatching events meanwhile.
    void Parla();

    // Extra time the wait allows beyond the engine's own estimate.
    int margineWatchdogMs = 3000;

private:
    void blocca(bool abilitato);
    RegistroSchermi &m_registro;
};
