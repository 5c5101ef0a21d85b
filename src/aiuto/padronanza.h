#pragma once

#include "rigaregistro.h"

#include <span>

// How a pupil is doing at one part of one operation, from the last problems.
enum class Padronanza {
    Nessuna, // neither sure nor stuck
    Sicuro, // the help can step back
    Aiuto, // needs help: the help steps in
};

// Sure when at least 4 of the pupil's last 5 problems of the operation had
// no wrong press at the part, on at least 2 different days (one good morning
// is not yet knowing); stuck when 3 of them had one. With fewer than 5
// problems the same counts are taken over those there are. A problem left
// unfinished never counts as clean: the child may not have reached the part.
// storia: the pupil's rows, oldest first (the operator '+' or '-').
Padronanza padronanza(std::span<const RigaRegistro> storia, QChar operazione, RigaRegistro::Parte parte);
