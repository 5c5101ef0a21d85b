#pragma once

#include "motorevoce.h"
#include "schermo.h"

#include <memory>

struct Contesto;
struct Impostazioni;

// The hidden screen that holds the program-wide speech engine. It is loaded
// at start-up and stays loaded, never shown, for the whole run.
class FormBocca : public Schermo
{
    Q_OBJECT
public:
    // The engine starts with the voice and speed of impostazioni.
    FormBocca(Contesto &c, const Impostazioni &impostazioni);
    // Hands the engine back: nothing speaks through it once it is gone.
    ~FormBocca() override;

    MotoreVoce &Bocca() { return *m_bocca; }

    void Form_Load() override;
    // Never on display: there is nothing for the window system to close.
    void chiusuraRichiesta() override { }

private:
    Contesto &c;
    const Impostazioni &m_impostazioni;
    std::unique_ptr<MotoreVoce> m_bocca;
};
