#pragma once

#include <QChar>
#include <QDateTime>
#include <array>

// How a problem went, for the teacher's record: what the exercise screen
// measures. The record keeps it as it is, with who played and where the
// story came from (RigaRegistro).
struct Andamento {
    QChar operazione = u'+'; // '+' or '-'
    int rigaStoria = 0; // the story's line in its file (ProblemaCorrente)
    int primo = 0; // the numbers in the story's order: 7 - 3 = 4
    int secondo = 0;
    int risultato = 0;
    QDateTime inizio; // the first question, with the computer's offset from UTC
    // Wrong presses while counting the things at first (Passo 0), at the
    // change (1), at the result (2), and while writing the operation (3-7).
    std::array<int, 4> errati{};
    int riascolti = 0; // times the sentence was heard again
    int secondi = -1; // first question to the complete operation; -1: not complete
    bool finito = false;
    int aiuti = 0; // hints given: a counting together, the bar, a key marked
    // A problem the child met again, from the review queue.
    bool ripasso = false;

    bool operator==(const Andamento &) const = default;
};
