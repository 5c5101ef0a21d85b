#include "form2.h"

#include "contesto.h"
#include "modulo1.h"

Form2::Form2(Contesto &c)
    : FormEsercizio(c,
                    {QStringLiteral("Form2"), 9690, 6615, 360, 4560, 4995, QStringLiteral("Form1"),
                     QStringLiteral("0010")},
                    Operazione::perSottrazione(), c.stato.Testi2)
{
}
