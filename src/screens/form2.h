#pragma once

#include "formesercizio.h"

// The subtraction exercise: some things are there, some go away, how many
// are left.
class Form2 : public FormEsercizio
{
    Q_OBJECT
public:
    Form2(Contesto &c, Punteggio &punteggio, const Storie &storie, Scuola &scuola);
};
