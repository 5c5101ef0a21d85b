// The hints on the exercise screens: the line that writes them, the marks on
// the pictures and on the keys, and the part-part-whole bar.

#include "formesercizio.h"

#include "barraparti.h"
#include "cellaanimata.h"
#include "contesto.h"
#include "cornice.h"
#include "modlanguagesupport.h"
#include "stile.h"

#include <QLabel>
#include <QPushButton>

void FormEsercizio::creaAiuti(QWidget *padre)
{
    // Made after every other control, so that they lie on top. The line
    // runs under the keys, the one strip that nothing else uses at any step.
    m_aiuto = creaEtichetta(padre, QStringLiteral("EtAiuto"), QString(),
                            QRect(120, 6350, m_d.larghezza - 240, m_d.altezza - 6370));
    m_aiuto->setFont(fontProgetto(QStringLiteral("Arial"), 12, true));
    m_aiuto->setIndent(6);
    coloraSfondo(m_aiuto, QColor(255, 240, 190));
    m_aiuto->hide();
    // Beside the operation, over the right of its label: no text there
    // reaches so far, not even the prompt.
    m_barra = aggiungi(new BarraParti(padre), QStringLiteral("BarraParti"));
    piazza(m_barra, m_d.storiaLeft + 2700, 4800, m_d.storiaWidth - 2700, 840);
    m_barra->setAccessibleName(m_c.lingua.MLSGetString(QStringLiteral("0266")));
    m_barra->hide();
}

QPushButton *FormEsercizio::bottone(Pressione p) const
{
    switch (p.tasto) {
    case Tasto::Cifra:
        return p.cifra >= 0 && p.cifra <= 9 ? m_cifre[size_t(p.cifra)] : nullptr;
    case Tasto::Piu:
        return m_piu;
    case Tasto::Meno:
        return m_meno;
    case Tasto::Uguale:
        return m_uguale;
    }
    return nullptr;
}

void FormEsercizio::faiAiuto(const Passaggio &p)
{
    using T = Passaggio::Tipo;
    switch (p.tipo) {
    case T::MarcaCella:
        if (p.cella >= 0 && p.cella < 9)
            m_celle[size_t(p.cella)]->segna(p.testo);
        break;
    case T::SmarcaCelle:
        for (CellaAnimata *c : m_celle)
            c->smarca();
        break;
    case T::MostraBarra:
        m_barra->setNumeri(p.numeri[0], p.numeri[1], p.numeri[2]);
        m_barra->setAccessibleDescription(p.testo);
        m_barra->show();
        m_barra->raise();
        break;
    case T::NascondiBarra:
        m_barra->hide();
        break;
    case T::MarcaTasto:
        delete m_segnoTasto;
        m_segnoTasto = nullptr;
        if (QPushButton *b = bottone(p.tasto)) {
            m_segnoTasto = new Cornice(b);
            m_segnoTasto->show();
        }
        break;
    case T::SmarcaTasto:
        delete m_segnoTasto;
        m_segnoTasto = nullptr;
        break;
    default:
        break;
    }
}
