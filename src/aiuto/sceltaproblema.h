#pragma once

#include "rigaregistro.h"

#include <QString>
#include <span>
#include <vector>

class Casuale;

// The next problem: the arguments of Problema::inizia, and whether it is a
// problem the child meets again (the record's review column).
struct Scelta {
    int riga = 1; // ProblemaCorrente, from 1
    int n3 = 0; // Numero3, the total
    int n1 = 0; // Numero1
    bool ripasso = false;

    bool operator==(const Scelta &) const = default;
};

// One pupil's review queue, and the choice of the next problem.
//
// A problem the child got wrong, or left, is one the child does not know
// yet; meeting it once more at once only tests short-term memory, and never
// meeting it again leaves the gap where it was. So a missed problem (its
// story with its numbers: the same sentences and the same things to count)
// comes back after three other problems of its operation, and again three
// problems after each time it is solved, until it is solved twice in a row
// with no wrong press: then the child knows it, and it retires. A wrong
// press on the way starts the two again. Only a few wait at once (three):
// a child who misses everything needs help, not a longer queue, and the
// oldest is the one most likely to have been learned since.
//
// The queue is a fold of the pupil's record: the rows are told once, in
// time order, when the pupil is chosen, and then each problem's row as it
// ends; choosing looks at the queue only, never at the record.
class SceltaProblema
{
public:
    SceltaProblema() = default;
    // A pupil's record, oldest first: the same as telling each row.
    explicit SceltaProblema(std::span<const RigaRegistro> storia);

    // One problem ended (finished or not), in time order: a row of the
    // record, whatever screen or computer it was done on. Rows that are not
    // a problem this version could have drawn (numbers out of range) are
    // passed over.
    void annota(const RigaRegistro &r);

    // The next problem of an operation ('+' or '-') drawn from fileStorie,
    // which holds storie stories. With review on, the problem of this
    // operation and story file that has waited its three others, if any (the
    // one that has waited longest); otherwise, and always with review off,
    // a new one drawn exactly as Problema::nuovo draws it: the row, then the
    // total, then the first term from the total. The queue changes only when
    // the problem's row is told to annota.
    Scelta prossimo(QChar operazione, const QString &fileStorie, int storie, Casuale &casuale,
                    bool conRipasso = true) const;

    // How many problems wait (at most three).
    int inAttesa() const { return int(m_coda.size()); }

private:
    struct InAttesa {
        RigaRegistro problema;
        int altri = 0; // problems of its operation since it was last met
        int puliti = 0; // solved with no wrong press, in a row
    };
    std::vector<InAttesa> m_coda; // oldest first
};
