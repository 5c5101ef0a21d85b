#pragma once

#include "padronanza.h"
#include "riassunto.h"
#include "rigaregistro.h"

#include <QString>
#include <array>
#include <vector>

// Where one pupil is sure and where stuck, as the record view and its
// printed page show it: per operation and part of the problem.
struct QuadroAlunno {
    QString alunno; // "" for visitors
    // [0] additions, [1] subtractions; each by RigaRegistro::Parte.
    std::array<std::array<Padronanza, RigaRegistro::Parti>, 2> stato{};

    // Stuck at some part of some operation.
    bool haBisognoDiAiuto() const;
};

// One per pupil with rows in the filter, in riassumi's order (by name,
// visitors last), from the last problems up to the filter's end. A pupil's
// rows are put in time order first (a folder's files are read one after
// another): the last problems are the last played, on whatever computer.
std::vector<QuadroAlunno> quadri(const std::vector<RigaRegistro> &righe, const FiltroRegistro &filtro);
