#include "scansione.h"

Scansione::Scansione(const Orologio &orologio, Modo modo, int intervalloMs, int quanti,
                     std::function<bool(int)> disponibile)
    : m_orologio(&orologio)
    , m_modo(modo)
    , m_intervallo(intervalloMs)
    , m_quanti(quanti)
    , m_disponibile(std::move(disponibile))
{
    ricomincia();
}

void Scansione::usaOrologio(const Orologio &orologio)
{
    m_orologio = &orologio;
    m_dal = orologio.adessoMs();
}

bool Scansione::puo(int i) const
{
    return i >= 0 && i < m_quanti && (!m_disponibile || m_disponibile(i));
}

int Scansione::prossimo(int da) const
{
    for (int k = 0; k < m_quanti; ++k) {
        const int i = (da + k) % m_quanti;
        if (puo(i))
            return i;
    }
    return -1;
}

void Scansione::sposta(int i)
{
    m_evidenziato = i;
    m_dal = m_orologio->adessoMs();
}

void Scansione::ricomincia()
{
    sposta(m_quanti > 0 ? prossimo(0) : -1);
}

void Scansione::rivedi()
{
    if (!puo(m_evidenziato))
        sposta(m_quanti > 0 ? prossimo(std::max(0, m_evidenziato)) : -1);
}

int Scansione::premuto(Tasto t, bool ripetuto)
{
    // A switch held down repeats its key: only its first press counts,
    // whether or not the system marks the repeats.
    const int tasto = int(t);
    const qint64 adesso = m_orologio->adessoMs();
    const bool ancoraGiu = m_rilascio.contains(tasto) && adesso - m_rilascio[tasto] < RipetizioneMs;
    if (ripetuto || ancoraGiu || m_giu.contains(tasto)) {
        m_giu.insert(tasto);
        return -1;
    }
    m_giu.insert(tasto);
    if (m_bloccata || m_evidenziato < 0 || (m_premuto && adesso - m_ultimaPressione < AntiTremoreMs))
        return -1;
    m_premuto = true;
    m_ultimaPressione = adesso;
    if (m_modo == Modo::DuePulsanti && t == Tasto::Spazio) {
        sposta(prossimo(m_evidenziato + 1));
        return -1;
    }
    const int scelto = m_evidenziato;
    // What was chosen changes the screen: the child starts from the top.
    ricomincia();
    return scelto;
}

void Scansione::rilasciato(Tasto t)
{
    m_giu.remove(int(t));
    m_rilascio[int(t)] = m_orologio->adessoMs();
}

qint64 Scansione::attesaMs() const
{
    if (m_modo != Modo::UnPulsante || m_bloccata || m_evidenziato < 0)
        return -1;
    return std::max<qint64>(0, m_dal + m_intervallo - m_orologio->adessoMs());
}

bool Scansione::scorri()
{
    if (attesaMs() != 0)
        return false;
    const int prima = m_evidenziato;
    sposta(prossimo(m_evidenziato + 1));
    return m_evidenziato != prima;
}

void Scansione::blocca(bool bloccata)
{
    if (bloccata == m_bloccata)
        return;
    m_bloccata = bloccata;
    if (!bloccata)
        m_dal = m_orologio->adessoMs();
}
