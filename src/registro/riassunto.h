#pragma once

#include "rigaregistro.h"

#include <QDate>
#include <QString>
#include <map>
#include <optional>
#include <vector>

// Which rows a summary takes.
struct FiltroRegistro {
    std::optional<QString> alunno; // none: every pupil (a visitor is "")
    QDate dal; // null: from the first row
    QDate al; // null: to the last; both days included

    bool prende(const RigaRegistro &r) const;
};

// One pupil's record, as the record view shows it.
struct RiassuntoAlunno {
    struct Settimana {
        int problemi = 0;
        int senzaErrori = 0;
    };

    QString alunno; // "" for visitors
    int giorni = 0; // days with at least one problem
    int problemi = 0;
    int senzaErrori = 0; // finished with no wrong press
    int finiti = 0;
    std::array<int, RigaRegistro::Parti> errati{}; // wrong presses by part
    // The part with the most wrong presses (the earlier on a tie); none
    // without any.
    std::optional<RigaRegistro::Parte> partePeggiore;
    double tempoMedio = 0; // seconds, over the finished problems; 0 without any
    std::map<QDate, int> perGiorno; // problems a day
    std::map<QDate, Settimana> perSettimana; // by the week's Monday

    // The share of the week's problems finished with no wrong press, 0 to 1.
    static double quota(const Settimana &s) { return s.problemi ? double(s.senzaErrori) / s.problemi : 0.0; }
};

// One summary per pupil with rows in the filter, by name (visitors last).
// Days and weeks are the computer's own, as the rows write them.
std::vector<RiassuntoAlunno> riassumi(const std::vector<RigaRegistro> &righe, const FiltroRegistro &filtro);
