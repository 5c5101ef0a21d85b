#pragma once

#include "formesercizio.h"

// The addition exercise: some things are there, some more arrive, how many
// are there in all. Numero1 + Numero2 = Numero3.
class Form1 : public FormEsercizio
{
    Q_OBJECT
public:
    explicit Form1(Contesto &c);

protected:
    int numeroTesti() const override;
    const QString &campo(int k) const override;
    void impostaRisposte() override;
    bool presentaProblema() override;
    bool passoStoria(int passo) override;
    Operazione operazioneStoria() const override;
    QString testoFinale() const override;
};
