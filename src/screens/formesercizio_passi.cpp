// How the exercise screens carry out the problem's outcomes: the presses,
// a new problem, and each step as the runner asks for it.

#include "formesercizio.h"

#include "cellaanimata.h"
#include "contesto.h"
#include "elencoschermi.h"
#include "fontinproporzione.h"
#include "iconascalata.h"
#include "modulo1.h"
#include "perparlare.h"
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
        return EtOperazione;
    case Etichetta::Esatti:
        return EtichettaEsatti;
    case Etichetta::Errati:
        return EtichettaErrati;
    case Etichetta::Aiuto:
        return m_aiuto;
    }
    return EtOperazione;
}

void FormEsercizio::bloccaRisposte(bool abilitato)
{
    // Only a screen on display: one that was sent away meanwhile keeps its
    // buttons as they are.
    if (!isVisible())
        return;
    for (QPushButton *b : Command1)
        b->setEnabled(abilitato);
    Command3->setEnabled(abilitato);
    Command4->setEnabled(abilitato);
    Command5->setEnabled(abilitato);
}

QString FormEsercizio::percorsoAnimazione(const QString &file) const
{
    return Percorsi::unisci(c.percorsi.programma, QStringLiteral("gifanimate/") + file);
}

void FormEsercizio::cambiaCella(CellaAnimata *cella, const QString &file)
{
    // The sizes are design twips, taken to the screen's current scale: a
    // cell given 1300 raw twips on a large display would shrink to a strip.
    const auto lato = pixelDaTwip;
    cella->resize(cella->width(), lato(scalaY(100)));
    cella->resize(lato(scalaX(100)), cella->height());
    cella->resize(cella->width(), lato(scalaY(1300)));
    cella->resize(lato(scalaX(1300)), cella->height());
    cella->setFile(percorsoAnimazione(file));
    cella->start();
}

bool FormEsercizio::parla(const QString &testo, Fine fine)
{
    c.parla.TestoDaDire = testo;
    if (testo.isEmpty())
        return false; // nothing to say, nothing locked
    bloccaRisposte(false);
    c.parla.Parla(*m_parlata, std::move(fine));
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
    CellaAnimata *cella = p.cella >= 0 && p.cella < 9 ? GifAnimator1[size_t(p.cella)] : nullptr;
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
        for (CellaAnimata *ognuna : GifAnimator1)
            ognuna->hide();
        break;
    case T::MostraAvanti:
        Command2->show();
        Command2->raise();
        break;
    case T::NascondiAvanti:
        Command2->hide();
        break;
    case T::IconaSi:
        ComandoIconaSi->show();
        ComandoIconaNo->hide();
        break;
    case T::IconaNo:
        ComandoIconaNo->show();
        ComandoIconaSi->hide();
        break;
    case T::SuonoEsatto:
        c.suoni.SuonoEsatto();
        break;
    case T::SuonoErrato:
        c.suoni.SuonoErrato();
        break;
    case T::AltroSchermo:
        // The other screen starts its own problem while this one is still
        // up; only then is this one unloaded, so there is always a screen on
        // display. Nothing of this screen's outcome follows.
        m_esecutore.annulla();
        c.schermi.mostra(m_d.altroSchermo);
        if (altroSchermoVisibile())
            c.schermi.scarica(this);
        else
            NuovoProblema(); // the other screen could not be opened: go on here
        break;
    case T::MarcaCella:
    case T::SmarcaCelle:
    case T::MostraBarra:
    case T::NascondiBarra:
    case T::MarcaTasto:
    case T::SmarcaTasto:
        faiAiuto(p);
        break;
    }
}

void FormEsercizio::NuovoProblema()
{
    m_esecutore.esegui(m_problema.nuovo());
}

void FormEsercizio::premuto(Pressione p)
{
    // The teacher's switch on the class screen, taken at every press.
    m_problema.aiuti = m_scuola.ClasseAlunni.aiuti;
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
    m_esecutore.esegui(m_problema.avanti(m_punteggio.ModoMisto != False));
}

void FormEsercizio::MenuAzzera_Click()
{
    m_esecutore.esegui(m_problema.azzera());
}
