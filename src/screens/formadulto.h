#pragma once

#include "domandaadulto.h"
#include "schermoscalato.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
struct Contesto;
struct Scuola;

// "Per l'adulto: quanto fa 47 + 38?" before the class, the record view and,
// when the class asks for it, the menu's exit. The answer is typed; three
// wrong answers, or "Indietro", go back to the menu.
class FormAdulto : public SchermoScalato
{
    Q_OBJECT
public:
    enum class Dopo { Classe, Registro, Uscita };
    static constexpr int LarghezzaProgetto = 7035;
    static constexpr int AltezzaProgetto = 5745;
    static constexpr int Tentativi = 3;

    FormAdulto(Contesto &c, Scuola &scuola);
    ~FormAdulto() override;

    // Shows the question on the way to `dopo` and leaves `da` (the menu).
    static void chiedi(Contesto &c, Schermo *da, Dopo dopo);

    void Form_Load() override;
    void Form_Activate() override;
    void chiusuraRichiesta() override { BottoneIndietro_Click(); }

    void BottoneConferma_Click();
    void BottoneIndietro_Click();

private:
    void vai(const QString &schermo);

    Contesto &c;
    Scuola &m_scuola;
    Dopo m_dopo = Dopo::Classe;
    DomandaAdulto m_domanda;
    int m_sbagliate = 0;
    QLabel *LabelDomanda;
    QLineEdit *TestoRisposta;
    QLabel *LabelEsito;
    QPushButton *BottoneConferma;
    QPushButton *BottoneIndietro;
};
