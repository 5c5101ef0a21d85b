#pragma once

#include "motorevoce.h"
#include "schermo.h"

#include <memory>

struct Contesto;

// The hidden screen that holds the program-wide speech engine. It is loaded
// at start-up and stays loaded, never shown, for the whole run.
class FormBocca : public Schermo
{
    Q_OBJECT
public:
    explicit FormBocca(Contesto &c);
    // Hands the engine back: nothing speaks through it once it is gone.
    ~FormBocca() override;

    MotoreVoce &Bocca() { return *m_bocca; }

    void Form_Load() override;
    // Never on display: there is nothing for the window system to close.
    void chiusuraRichiesta() override { }

private:
    Contesto &m_c;
    std::unique_ptr<MotoreVoce> m_bocca;
};
