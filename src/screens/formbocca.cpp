#include "formbocca.h"

#include "caricatorevoce.h"
#include "contesto.h"
#include "modulo1.h"
#include "perparlare.h"

FormBocca::FormBocca(Contesto &c)
    : Schermo(QStringLiteral("FormBocca"), 3000, 2000, c.display)
    , m_c(c)
{
    if (m_c.fabbricaMotore)
        m_bocca = m_c.fabbricaMotore();
    if (!m_bocca)
        m_bocca = std::make_unique<MotoreDifferito>(nullptr); // silent
    // Listed like any control so the language walk sees the designed set.
    registra(m_bocca.get(), QStringLiteral("Bocca"));
    // Whoever speaks reaches the engine through the context.
    m_c.parla.usaMotore(m_bocca.get());
}

FormBocca::~FormBocca()
{
    if (m_c.parla.motore() == m_bocca.get())
        m_c.parla.usaMotore(nullptr);
}

void FormBocca::Form_Load()
{
    m_bocca->VoiceNumber(m_c.stato.Voce);
    m_bocca->SpeechSpeed(m_c.stato.Velocita);
}
