#pragma once

#include "formesercizio.h"

// The subtraction exercise: some things are there (Numero3), some go away
// (Numero1), how many are left (Numero2).
class Form2 : public FormEsercizio
{
    Q_OBJECT
public:
    explicit Form2(Contesto &c);

protected:
    int numeroTesti() const override;
    const QString &campo(int k) const override;
    void impostaRisposte() override;
    bool presentaProblema() override;
    bool passoStoria(int passo) override;
    Operazione operazioneStoria() const override;
    QString testoFinale() const override;
};
