#include "form2.h"

#include "contesto.h"
#include "modulo1.h"

Form2::Form2(Contesto &c, Punteggio &punteggio, const Storie &storie, Scuola &scuola)
    : FormEsercizio(c, punteggio, storie, scuola,
                    {QStringLiteral("Form2"), 9690, 6615, 360, 4560, 4995, QStringLiteral("Form1"),
                     QStringLiteral("0010"), &Storie::Testi2},
                    Operazione::perSottrazione())
{
}
