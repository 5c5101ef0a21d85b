// The hints on the exercise screens: the line that writes them, the marks on
// the pictures and on the keys, and the part-part-whole bar.

#include "formesercizio.h"

#include "barraparti.h"
#include "cellaanimata.h"
#include "contesto.h"
#include "cornice.h"
#include "fontinproporzione.h"
#include "modlanguagesupport.h"
#include "stile.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

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
    // Beside the operation, which makes room for it (spazioAllaBarra).
    m_barra = aggiungi(new BarraParti(padre), QStringLiteral("BarraParti"));
    piazza(m_barra, m_d.storiaLeft + LarghezzaAccantoBarra + 60, 4800, m_d.storiaWidth - LarghezzaAccantoBarra - 60,
           840);
    m_barra->setAccessibleName(c.lingua.MLSGetString(QStringLiteral("0266")));
    m_barra->hide();
}

QPushButton *FormEsercizio::bottone(Pressione p) const
{
    switch (p.tasto) {
    case Tasto::Cifra:
        return p.cifra >= 0 && p.cifra <= 9 ? Command1[size_t(p.cifra)] : nullptr;
    case Tasto::Piu:
        return Command3;
    case Tasto::Meno:
        return Command4;
    case Tasto::Uguale:
        return Command5;
    }
    return nullptr;
}

void FormEsercizio::faiAiuto(const Passaggio &p)
{
    using T = Passaggio::Tipo;
    switch (p.tipo) {
    case T::MarcaCella:
        if (p.cella >= 0 && p.cella < 9)
            GifAnimator1[size_t(p.cella)]->segna(p.testo);
        break;
    case T::SmarcaCelle:
        for (CellaAnimata *c : GifAnimator1)
            c->smarca();
        break;
    case T::MostraBarra:
        m_barra->setNumeri(p.numeri[0], p.numeri[1], p.numeri[2]);
        m_barra->setAccessibleDescription(p.testo);
        m_barra->show();
        m_barra->raise();
        spazioAllaBarra();
        break;
    case T::NascondiBarra:
        m_barra->hide();
        spazioAllaBarra();
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

void FormEsercizio::spazioAllaBarra()
{
    // The operation's text, the prompt too, is fitted to what is left.
    const int twip = m_barra->isHidden() ? LarghezzaOperazione : LarghezzaAccantoBarra;
    EtOperazione->resize(int(std::lround(scalaX(twip) / TwipPerPixel)), EtOperazione->height());
    font().adatta(EtOperazione);
}

void FormEsercizio::Form_Resize()
{
    // The scaler gives the operation its designed width back.
    SchermoScalato::Form_Resize();
    if (m_barra && !m_barra->isHidden())
        spazioAllaBarra();
}
