#pragma once

#include "andamento.h"
#include "passaggio.h"
#include "testi.h"
#include "tipi.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class Casuale;

// What tells addition and subtraction apart.
struct Operazione {
    Tasto operatore; // Piu or Meno
    bool sottrazione;
    QString chiavePrompt; // the prompt to write the operation
    bool promptParlato; // read aloud (addition) or only shown (subtraction)
    // The joining words of the closing sentence; empty: the operation as
    // written is read instead.
    QString chiaveDopoPrimo;
    QString chiaveDopoSecondo;

    static Operazione perAddizione();
    static Operazione perSottrazione();
};

// One exercise screen's problems, without widgets: draws a story and its
// numbers, holds Passo, and answers every press with an outcome.
class Problema
{
public:
    using Messaggio = std::function<QString(const QString &chiave)>;

    // The counts are the program-wide ones, shared by both screens.
    Problema(Operazione op, const std::vector<Storia> &storie, Casuale &casuale, Integer &esatti, Integer &errati,
             Messaggio messaggio);
    // A problem still in progress ends here, unfinished.
    ~Problema();
    Problema(const Problema &) = delete;
    Problema &operator=(const Problema &) = delete;

    // Told once for every problem when it ends: when its operation is
    // complete, or unfinished when the next one starts or the problem goes
    // (the screen left by its exit entry, the mixed mode's hand-over, the
    // window closed).
    std::function<void(const Andamento &)> allaFine;
    // The time of day of the first question and of the complete operation.
    std::function<QDateTime()> orologio = [] { return QDateTime::currentDateTime(); };
    // Where the next problem comes from: its draws (row from 1, total, first
    // draw) and whether the child meets it again. Unset: nuovo's own draws.
    struct Estrazione {
        int riga = 1;
        int n3 = 0;
        int n1 = 0;
        bool ripasso = false;
    };
    std::function<Estrazione()> prossimo;
    // The repeat button was pressed.
    void riascoltato() { ++m_andamento.riascolti; }
    const Andamento &andamento() const { return m_andamento; }
    // Hints for a child who is stuck, from the second wrong press of a step
    // on: counting the pictures together, then while writing the operation
    // the part-part-whole bar and from the third the key to press. Off, every
    // outcome is the same as a program without them.
    bool aiuti = false;

    // A new problem drawn from the generator: the row, then the total, then
    // the first term from it, so that small totals are as frequent as large;
    // or the one `prossimo` gives, when set.
    Esito nuovo();
    // A new problem with these draws (row from 1, total, first draw);
    // ripasso: one the child meets again, as the record marks it.
    Esito inizia(int riga, int n3, int n1, bool ripasso = false);

    Esito premi(Pressione p);
    // "avanti": a new problem, or in the mixed mode one time in two the
    // other screen.
    Esito avanti(bool misto);
    // The counts back to 0, written as plain digits.
    Esito azzera();

    int passo() const { return m_passo; }
    int riga() const { return m_riga; } // ProblemaCorrente
    int numero1() const { return m_n1; }
    int numero2() const { return m_n2; }
    int numero3() const { return m_n3; }
    const QString &operazione() const { return m_operazione; }
    bool sottrazione() const { return m_op.sottrazione; }

    // The press that is right at a step; none at a step out of range.
    Pressione attesa(int passo) const;

private:
    // The numbers in the story's order: first, second, result.
    int primo() const { return m_op.sottrazione ? m_n3 : m_n1; }
    int secondo() const { return m_op.sottrazione ? m_n1 : m_n2; }
    int risultato() const { return m_op.sottrazione ? m_n2 : m_n3; }
    Esito storia(int passo);
    Esito sbagliato();
    void aiuta(int volte, std::vector<Passaggio> &p);
    void contaInsieme(std::vector<Passaggio> &p);
    QString testoBarra() const;
    void finisci();

    Operazione m_op;
    const std::vector<Storia> &m_storie;
    Casuale &m_casuale;
    Integer &m_esatti;
    Integer &m_errati;
    Messaggio m_messaggio;

    Storia m_storia;
    int m_riga = 0;
    int m_n1 = 0;
    int m_n2 = 0;
    int m_n3 = 0;
    int m_passo = 0;
    bool m_scritta = false; // the operation is complete
    QString m_operazione;
    Andamento m_andamento;
    bool m_inCorso = false; // started and not yet told to allaFine
    // What the hints of this problem left on the screen: a new problem takes
    // it away, since the outcome that would have may have been dropped.
    bool m_segni = false;
    bool m_barra = false; // the bar is shown
    bool m_tastoSegnato = false;
};
