#include "formbocca.h"

#include "caricatorevoce.h"
#include "contesto.h"
#include "modulo1.h"
#include "perparlare.h"

FormBocca::FormBocca(Contesto &contesto, const Impostazioni &impostazioni)
    : Schermo(QStringLiteral("FormBocca"), 3000, 2000, contesto.display)
    , c(contesto)
    , m_impostazioni(impostazioni)
{
    if (c.fabbricaMotore)
        m_bocca = c.fabbricaMotore();
    if (!m_bocca)
        m_bocca = std::make_unique<MotoreDifferito>(nullptr); // silent
    // Listed like any control so the language walk sees the designed set.
    registra(m_bocca.get(), QStringLiteral("Bocca"));
    // Whoever speaks reaches the engine through the context.
    c.parla.usaMotore(m_bocca.get());
}

FormBocca::~FormBocca()
{
    if (c.parla.motore() == m_bocca.get())
        c.parla.usaMotore(nullptr);
}

void FormBocca::Form_Load()
{
    m_bocca->VoiceNumber(m_impostazioni.Voce);
    m_bocca->SpeechSpeed(m_impostazioni.Velocita);
}
