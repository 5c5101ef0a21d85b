#pragma once

#include "formesercizio.h"

// The addition exercise: some things are there, some more arrive, how many
// are there in all.
class Form1 : public FormEsercizio
{
    Q_OBJECT
public:
    Form1(Contesto &c, Punteggio &punteggio, const Storie &storie, Scuola &scuola);
};
