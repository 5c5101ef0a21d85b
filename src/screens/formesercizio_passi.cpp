// How the exercise screens carry out the problem's outcomes: the presses,
// a new problem, and each step as the runner asks for it.

#include "formesercizio.h"

#include "cellaanimata.h"
#include "contesto.h"
#include "fontinproporzione.h"
#include "iconascalata.h"
#include "modulo1.h"
#include "perparlare.h"
#include "registroschermi.h"
#include "suoni.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

QLabel *FormEsercizio::etichetta(Etichetta e) const
{
    switch (e) {
    case Etichetta::Domanda1:
    case Etichetta::Domanda2:
    case Etichetta::Domanda3:
        return m_domande[size_t(int(e) - int(Etichetta::Domanda1))];
    case Etichetta::Risposta1:
    case Etichetta::Risposta2:
    case Etichetta::Risposta3:
        return m_risposte[size_t(int(e) - int(Etichetta::Risposta1))];
    case Etichetta::Operazione:
        return m_operazione;
    case Etichetta::Esatti:
        return m_esatti;
    case Etichetta::Errati:
        return m_errati;
    }
    return m_operazione;
}

void FormEsercizio::bloccaRisposte(bool abilitato)
{
    // Only a screen on display: one that was sent away meanwhile keeps its
    // buttons as they are.
    if (!isVisible())
        return;
    for (QPushButton *b : m_cifre)
        b->setEnabled(abilitato);
    m_piu->setEnabled(abilitato);
    m_meno->setEnabled(abilitato);
    m_uguale->setEnabled(abilitato);
}

QString FormEsercizio::percorsoAnimazione(const QString &file) const
{
    return Percorsi::unisci(m_c.percorsi.programma, QStringLiteral("gifanimate/") + file);
}

void FormEsercizio::cambiaCella(CellaAnimata *c, const QString &file)
{
    // The sizes are design twips, taken to the screen's current scale: a
    // cell given 1300 raw twips on a large display would shrink to a strip.
    const auto lato = pixelDaTwip;
    c->resize(c->width(), lato(scalaY(100)));
    c->resize(lato(scalaX(100)), c->height());
    c->resize(c->width(), lato(scalaY(1300)));
    c->resize(lato(scalaX(1300)), c->height());
    c->setFile(percorsoAnimazione(file));
    c->start();
}

bool FormEsercizio::parla(const QString &testo, Fine fine)
{
    m_c.parla.TestoDaDire = testo;
    if (testo.isEmpty())
        return false; // nothing to say, nothing locked
    bloccaRisposte(false);
    m_c.parla.Parla(*m_parlata, std::move(fine));
    return true;
}

void FormEsercizio::fineAttesa()
{
    bloccaRisposte(true);
}

void FormEsercizio::Form_Unload()
{
    m_esecutore.annulla();
}

void FormEsercizio::fai(const Passaggio &p)
{
    using T = Passaggio::Tipo;
    CellaAnimata *cella = p.cella >= 0 && p.cella < 9 ? m_celle[size_t(p.cella)] : nullptr;
    switch (p.tipo) {
    case T::Testo:
        etichetta(p.etichetta)->setText(p.testo);
        font().adatta(etichetta(p.etichetta));
        break;
    case T::Mostra:
        etichetta(p.etichetta)->show();
        break;
    case T::Nascondi:
        etichetta(p.etichetta)->hide();
        break;
    case T::Parla:
        break; // nothing to show: the runner has it said (parla)
    case T::CellaFile:
        if (cella) {
            cella->setFile(percorsoAnimazione(p.testo));
            cella->show();
            cella->start();
        }
        break;
    case T::CellaMostraFile:
        if (cella) {
            cella->show();
            cella->setFile(percorsoAnimazione(p.testo));
            cella->start();
        }
        break;
    case T::CellaCambia:
        if (cella)
            cambiaCella(cella, p.testo);
        break;
    case T::NascondiCelle:
        for (CellaAnimata *c : m_celle)
            c->hide();
        break;
    case T::MostraAvanti:
        m_avanti->show();
        m_avanti->raise();
        break;
    case T::NascondiAvanti:
        m_avanti->hide();
        break;
    case T::IconaSi:
        m_iconaSi->show();
        m_iconaNo->hide();
        break;
    case T::IconaNo:
        m_iconaNo->show();
        m_iconaSi->hide();
        break;
    case T::SuonoEsatto:
        m_c.suoni.SuonoEsatto();
        break;
    case T::SuonoErrato:
        m_c.suoni.SuonoErrato();
        break;
    case T::AltroSchermo:
        // The other screen starts its own problem while this one is still
        // up; only then is this one unloaded, so there is always a screen on
        // display. Nothing of this screen's outcome follows.
        m_esecutore.annulla();
        m_c.registro.mostra(m_d.altroSchermo);
        if (altroSchermoVisibile())
            m_c.registro.scarica(this);
        else
            NuovoProblema(); // the other screen could not be opened: go on here
        break;
    }
}

void FormEsercizio::NuovoProblema()
{
    m_esecutore.esegui(m_problema.nuovo());
}

void FormEsercizio::premuto(Pressione p)
{
    m_esecutore.esegui(m_problema.premi(p));
}

void FormEsercizio::Command1_Click(int Index)
{
    premuto({Tasto::Cifra, Index});
}

void FormEsercizio::Command3_Click()
{
    premuto({Tasto::Piu});
}

void FormEsercizio::Command4_Click()
{
    premuto({Tasto::Meno});
}

void FormEsercizio::Command5_Click()
{
    premuto({Tasto::Uguale});
}

void FormEsercizio::Command2_Click()
{
    m_esecutore.esegui(m_problema.avanti(m_c.stato.ModoMisto != False));
}

void FormEsercizio::MenuAzzera_Click()
{
    m_esecutore.esegui(m_problema.azzera());
}
