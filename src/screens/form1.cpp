#include "form1.h"

#include "contesto.h"
#include "modulo1.h"
#include "testi.h"

#include <QLabel>

Form1::Form1(Contesto &c)
    : FormEsercizio(c,
                    {QStringLiteral("Form1"), 9435, 6660, 120, 4350, 5000, QStringLiteral("Form2"),
                     QStringLiteral("0006"), QStringLiteral("0005")})
{
}

int Form1::numeroTesti() const
{
    return ctx().stato.NumeroTesti1;
}

const QString &Form1::campo(int k) const
{
    const Modulo1 &s = ctx().stato;
    return s.Testi1[qBound(0, int(s.ProblemaCorrente), 100)][qBound(0, k, 15)];
}

void Form1::impostaRisposte()
{
    const Modulo1 &s = ctx().stato;
    risposta(0)->setText(fraseRisposta(campo(4), campo(5), campo(6), nullptr, s.Numero1));
    risposta(1)->setText(fraseRisposta(campo(8), campo(9), campo(10), &campo(11), s.Numero2));
    risposta(2)->setText(fraseRisposta(campo(13), campo(14), campo(15), nullptr, s.Numero3));
}

bool Form1::presentaProblema()
{
    for (int i = 0; i < ctx().stato.Numero1; ++i)
        mostraCella(i, 1);
    domanda(0)->show();
    return parla(domanda(0)->text());
}

bool Form1::passoStoria(int passo)
{
    Modulo1 &s = ctx().stato;
    switch (passo) {
    case 0:
        risposta(0)->show();
        if (!parla(risposta(0)->text()))
            return false;
        s.Passo = 1;
        // The things that arrive join the others (none when Numero2 is 0).
        for (int i = s.Numero1; i < s.Numero3; ++i)
            mostraCellaPoiFile(i, 2);
        domanda(1)->show();
        return parla(domanda(1)->text());
    case 1:
        risposta(1)->show();
        s.Passo = 2;
        if (!parla(risposta(1)->text()))
            return false;
        domanda(2)->show();
        return parla(domanda(2)->text());
    case 2:
        risposta(2)->show();
        s.Passo = 3;
        if (!parla(risposta(2)->text()))
            return false;
        mostraEtOperazione(true);
        return parla(operazione()->text());
    default:
        return true;
    }
}

FormEsercizio::Operazione Form1::operazioneStoria() const
{
    const Modulo1 &s = ctx().stato;
    // The things there at first, plus the ones that arrive, make the total.
    return {s.Numero1, Tasto::Piu, s.Numero2, s.Numero3};
}

QString Form1::testoFinale() const
{
    return operazione()->text();
}
