#pragma once

#include "schermoscalato.h"

#include <memory>

class MotoreVoce;
class PannelloBocca;
class Parlata;
class QComboBox;
class QLabel;
class QToolButton;
class QSlider;
struct Contesto;
struct Impostazioni;
struct Scuola;

// The voice settings screen. It has an engine of its own on which the voice
// and the speed are tried out; the program-wide engine of FormBocca and the
// settings file learn the choice only through the confirm button (or the
// window's close button, which means the same).
class FormImposta : public SchermoScalato
{
    Q_OBJECT
public:
    // The speed slider's range; a stored speed outside it is clamped in.

    FormImposta(Contesto &c, Impostazioni &impostazioni, const Scuola &scuola);
    ~FormImposta() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void chiusuraRichiesta() override;

    // The screen's own engine.
    MotoreVoce &Bocca() { return *m_motore; }

    void HScroll1_Change();
    void Combo1_Click();
    void Bocca_SampleRequest();
    void BottoneEsci_Click();

private:
    Contesto &c;
    Impostazioni &m_impostazioni;
    const Scuola &m_scuola; // the class's access settings
    std::unique_ptr<MotoreVoce> m_motore;
    PannelloBocca *m_bocca;
    QSlider *HScroll1;
    QLabel *Label1;
    QComboBox *Combo1;
    QToolButton *BottoneEsci;
    Parlata *m_parlata;
};
