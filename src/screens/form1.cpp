#include "form1.h"

#include "contesto.h"
#include "modulo1.h"

Form1::Form1(Contesto &c)
    : FormEsercizio(c,
                    {QStringLiteral("Form1"), 9435, 6660, 120, 4350, 5000, QStringLiteral("Form2"),
                     QStringLiteral("0006")},
                    Operazione::perAddizione(), c.stato.Testi1)
{
}
