#pragma once

#include "motorevoce.h"
#include "schermo.h"

#include <memory>

struct Contesto;

// The hidden screen that holds the program-wide speech engine. It is loaded
// at start-up and stays loaded, never shown, for the whole run.
class FormBocca : public Schermo, public PortatoreMotore
{
    Q_OBJECT
public:
    explicit FormBocca(Contesto &c);
    ~FormBocca() override;

    MotoreVoce &Bocca() override { return *m_bocca; }

    void Form_Load() override;
    // Never on display: there is nothing for the window system to close.
    void chiusuraRichiesta() override {}

private:
    Contesto &m_c;
    std::unique_ptr<MotoreVoce> m_bocca;
};
