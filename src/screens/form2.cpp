#include "form2.h"

#include "contesto.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "testi.h"

#include <QLabel>

Form2::Form2(Contesto &c)
    : FormEsercizio(c,
                    {QStringLiteral("Form2"), 9690, 6615, 360, 4560, 4995, QStringLiteral("Form1"),
                     QStringLiteral("0010"), QStringLiteral("0007")})
{
}

int Form2::numeroTesti() const
{
    return ctx().stato.NumeroTesti2;
}

const QString &Form2::campo(int k) const
{
    const Modulo1 &s = ctx().stato;
    return s.Testi2[qBound(0, int(s.ProblemaCorrente), 100)][qBound(0, k, 16)];
}

void Form2::impostaRisposte()
{
    const Modulo1 &s = ctx().stato;
    risposta(0)->setText(fraseRisposta(campo(4), campo(5), campo(6), nullptr, s.Numero3));
    // Numero1 is never 0, so the zero sentence of field 11 is never chosen.
    risposta(1)->setText(fraseRisposta(campo(8), campo(9), campo(10), &campo(11), s.Numero1));
    risposta(2)->setText(fraseRisposta(campo(13), campo(14), campo(15), &campo(16), s.Numero2));
}

bool Form2::presentaProblema()
{
    // The things appear together once the first question has been read.
    domanda(0)->show();
    if (!parla(domanda(0)->text()))
        return false;
    for (int i = 0; i < ctx().stato.Numero3; ++i)
        mostraCella(i, 1);
    return true;
}

bool Form2::passoStoria(int passo)
{
    Modulo1 &s = ctx().stato;
    switch (passo) {
    case 0:
        // The things that go away change their picture where they stand.
        for (int i = 0; i < s.Numero1; ++i)
            cambiaCella(i, 2);
        s.Passo = 1;
        risposta(0)->show();
        if (!parla(risposta(0)->text()))
            return false;
        domanda(1)->show();
        return parla(domanda(1)->text());
    case 1:
        risposta(1)->show();
        if (!parla(risposta(1)->text()))
            return false;
        domanda(2)->show();
        if (!parla(domanda(2)->text()))
            return false;
        s.Passo = 2;
        return true;
    case 2:
        risposta(2)->show();
        s.Passo = 3;
        if (!parla(risposta(2)->text()))
            return false;
        // The prompt is shown, not read.
        mostraEtOperazione(true);
        return true;
    default:
        return true;
    }
}

FormEsercizio::Operazione Form2::operazioneStoria() const
{
    const Modulo1 &s = ctx().stato;
    // The things at the start, minus the ones that go away, leave the rest.
    return {s.Numero3, Tasto::Meno, s.Numero1, s.Numero2};
}

QString Form2::testoFinale() const
{
    // Plain digits, nothing between the parts: the messages carry the blanks.
    const Modulo1 &s = ctx().stato;
    ModLanguageSupport &l = ctx().lingua;
    return QString::number(s.Numero3) + l.MLSGetString(QStringLiteral("0008")) + QString::number(s.Numero1)
        + l.MLSGetString(QStringLiteral("0009")) + QString::number(s.Numero2);
}
