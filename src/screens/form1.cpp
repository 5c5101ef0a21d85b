#include "form1.h"

#include "contesto.h"
#include "modulo1.h"

Form1::Form1(Contesto &c, Punteggio &punteggio, const Storie &storie, Scuola &scuola)
    : FormEsercizio(c, punteggio, storie, scuola,
                    {QStringLiteral("Form1"), 9435, 6660, 120, 4350, 5000, QStringLiteral("Form2"),
                     QStringLiteral("0006"), &Storie::Testi1},
                    Operazione::perAddizione())
{
}
