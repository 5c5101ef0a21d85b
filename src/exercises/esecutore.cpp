#include "esecutore.h"

#include <algorithm>
#include <utility>

bool Esecutore::parlato(Passaggio::Tipo t)
{
    // Every kind is named, so that a new one cannot go by without a choice:
    // done at once, or done and then its text said and waited for.
    using T = Passaggio::Tipo;
    switch (t) {
    case T::Parla:
        return true;
    case T::Testo:
    case T::Mostra:
    case T::Nascondi:
    case T::CellaFile:
    case T::CellaMostraFile:
    case T::CellaCambia:
    case T::NascondiCelle:
    case T::MostraAvanti:
    case T::NascondiAvanti:
    case T::IconaSi:
    case T::IconaNo:
    case T::SuonoEsatto:
    case T::SuonoErrato:
    case T::AltroSchermo:
    case T::MarcaCella:
    case T::SmarcaCelle:
    case T::MostraBarra:
    case T::NascondiBarra:
    case T::MarcaTasto:
    case T::SmarcaTasto:
        return false;
    }
    return false;
}

void Esecutore::esegui(Esito e)
{
    const bool muto = std::none_of(e.passi.begin(), e.passi.end(), [](const Passaggio &p) { return parlato(p.tipo); });
    if (m_attesa && muto) {
        // A step may drop the outcome (the hand-over to the other screen).
        const quint64 turno = m_turno;
        for (const Passaggio &p : e.passi) {
            if (turno != m_turno)
                return;
            m_schermo.fai(p);
        }
        return;
    }
    annulla();
    m_passi = std::move(e.passi);
    avanza();
}

void Esecutore::avanza()
{
    const quint64 turno = m_turno;
    while (turno == m_turno && m_prossimo < m_passi.size()) {
        // A copy: the step may drop the outcome, and its steps with it.
        const Passaggio p = m_passi[m_prossimo++];
        m_schermo.fai(p);
        if (!parlato(p.tipo) || turno != m_turno)
            continue;
        const bool attesa = m_schermo.parla(p.testo, [this, turno] {
            if (turno != m_turno)
                return;
            m_attesa = false;
            m_schermo.fineAttesa();
            avanza();
        });
        if (attesa && turno == m_turno) {
            m_attesa = true;
            return;
        }
    }
}

void Esecutore::annulla()
{
    ++m_turno;
    m_passi.clear();
    m_prossimo = 0;
    if (std::exchange(m_attesa, false))
        m_schermo.fineAttesa();
}
