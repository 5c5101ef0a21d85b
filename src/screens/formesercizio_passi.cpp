// The answer protocol of the exercise screens: a new problem, the eight
// steps held in Passo, and the reaction to a wrong press.

#include "formesercizio.h"

#include "casuale.h"
#include "cellaanimata.h"
#include "contesto.h"
#include "iconascalata.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "perparlare.h"
#include "suoni.h"
#include "testi.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

bool FormEsercizio::parla(const QString &testo)
{
    const int problema = m_problema;
    m_c.parla.TestoDaDire = testo;
    m_c.parla.Parla([this](bool abilitato) { bloccaRisposte(abilitato); });
    // While Parla waited, "avanti" or the exit entry may have run: the
    // screen may be unloaded (its object lives on until this handler has
    // returned) or a new problem may have replaced the one in hand.
    return caricato() && problema == m_problema;
}

void FormEsercizio::bloccaRisposte(bool abilitato)
{
    // Only a screen on display: one that was sent away meanwhile keeps its
    // buttons as they are.
    if (!caricato() || !isVisible())
        return;
    for (QPushButton *b : m_cifre)
        b->setEnabled(abilitato);
    m_piu->setEnabled(abilitato);
    m_meno->setEnabled(abilitato);
    m_uguale->setEnabled(abilitato);
}

QString FormEsercizio::percorsoAnimazione(int campoFile) const
{
    return Percorsi::unisci(m_c.percorsi.programma, QStringLiteral("gifanimate/") + campo(campoFile));
}

void FormEsercizio::mostraCella(int i, int campoFile)
{
    CellaAnimata *c = m_celle[size_t(i)];
    c->setFile(percorsoAnimazione(campoFile));
    c->show();
    c->start();
}

void FormEsercizio::mostraCellaPoiFile(int i, int campoFile)
{
    CellaAnimata *c = m_celle[size_t(i)];
    c->show();
    c->setFile(percorsoAnimazione(campoFile));
    c->start();
}

void FormEsercizio::cambiaCella(int i, int campoFile)
{
    CellaAnimata *c = m_celle[size_t(i)];
    // The sizes are design twips, taken to the screen's current scale: a
    // cell given 1300 raw twips on a large display would shrink to a strip.
    auto lato = [](double twip) { return int(std::lround(twip / TwipPerPixel)); };
    c->resize(c->width(), lato(scalaY(100)));
    c->resize(lato(scalaX(100)), c->height());
    c->resize(c->width(), lato(scalaY(1300)));
    c->resize(lato(scalaX(1300)), c->height());
    c->setFile(percorsoAnimazione(campoFile));
    c->start();
}

void FormEsercizio::mostraEtOperazione(bool conPrompt)
{
    if (conPrompt)
        m_operazione->setText(m_c.lingua.MLSGetString(m_d.chiaveOperazione));
    m_operazione->show();
}

void FormEsercizio::NuovoProblema()
{
    ++m_problema;
    Modulo1 &s = m_c.stato;
    m_avanti->hide();
    s.Passo = 0;
    for (CellaAnimata *c : m_celle)
        c->hide();
    for (int k = 0; k < 3; ++k) {
        m_domande[size_t(k)]->hide();
        m_risposte[size_t(k)]->hide();
    }
    m_operazione->hide();

    // A story file without records still gives row 1, whose fields are
    // empty: the screen then shows empty sentences and empty cells.
    s.ProblemaCorrente = Integer(m_c.casuale.estrai(numeroTesti()));
    m_domande[0]->setText(campo(3));
    m_domande[1]->setText(campo(7));
    m_domande[2]->setText(campo(12));

    // The total first and the first term from it: small totals are as
    // frequent as large ones.
    s.Numero3 = Integer(m_c.casuale.estrai(9));
    s.Numero1 = Integer(m_c.casuale.estrai(s.Numero3));
    s.Numero2 = Integer(s.Numero3 - s.Numero1);
    impostaRisposte();
    presentaProblema();
}

void FormEsercizio::Command1_Click(int Index)
{
    Occupato o(this);
    premuto({Tasto::Cifra, Index});
}

void FormEsercizio::Command3_Click()
{
    Occupato o(this);
    premuto({Tasto::Piu});
}

void FormEsercizio::Command4_Click()
{
    Occupato o(this);
    premuto({Tasto::Meno});
}

void FormEsercizio::Command5_Click()
{
    Occupato o(this);
    premuto({Tasto::Uguale});
}

FormEsercizio::Attesa FormEsercizio::attesa(int passo) const
{
    const Operazione op = operazioneStoria();
    switch (passo) {
    case 0:
    case 3:
        return {Tasto::Cifra, op.primo};
    case 1:
    case 5:
        return {Tasto::Cifra, op.secondo};
    case 2:
    case 7:
        return {Tasto::Cifra, op.risultato};
    case 4:
        return {op.operatore};
    case 6:
        return {Tasto::Uguale};
    default:
        return {Tasto::Cifra, -1}; // nothing is right
    }
}

void FormEsercizio::premuto(Attesa p)
{
    Modulo1 &s = m_c.stato;
    const int passo = s.Passo;
    const Attesa a = attesa(passo);
    if (p.tasto != a.tasto || (p.tasto == Tasto::Cifra && p.cifra != a.cifra)) {
        rispostaSbagliata();
        return;
    }
    switch (passo) {
    case 0:
    case 1:
    case 2:
        passoStoria(passo);
        return;
    case 3:
        m_operazione->setText(testoNumero(p.cifra));
        s.Passo = 4;
        m_c.suoni.SuonoEsatto();
        return;
    case 4:
        m_operazione->setText(m_operazione->text()
                              + (p.tasto == Tasto::Piu ? QStringLiteral(" + ") : QStringLiteral(" - ")));
        s.Passo = 5;
        m_c.suoni.SuonoEsatto();
        return;
    case 5:
        m_operazione->setText(m_operazione->text() + testoNumero(p.cifra));
        s.Passo = 6;
        m_c.suoni.SuonoEsatto();
        return;
    case 6:
        m_operazione->setText(m_operazione->text() + QStringLiteral(" = "));
        s.Passo = 7;
        m_c.suoni.SuonoEsatto();
        return;
    case 7:
        m_operazione->setText(m_operazione->text() + testoNumero(p.cifra));
        // Shown before the operation is read, so the child may go on while
        // it is still being spoken.
        m_avanti->show();
        m_avanti->raise();
        m_iconaSi->show();
        m_iconaNo->hide();
        s.NumeroEsatti = piuUno(s.NumeroEsatti);
        m_esatti->setText(testoNumero(s.NumeroEsatti));
        parla(testoFinale());
        return;
    default:
        return;
    }
}

void FormEsercizio::rispostaSbagliata()
{
    Modulo1 &s = m_c.stato;
    m_iconaNo->show();
    m_iconaSi->hide();
    s.NumeroErrati = piuUno(s.NumeroErrati);
    m_errati->setText(testoNumero(s.NumeroErrati));
    m_c.suoni.SuonoErrato();
}
