#pragma once

#include "schermoscalato.h"

#include <memory>

class QLabel;
class QPushButton;
class Sfondo;
struct Contesto;
struct Scuola;

// The start screen: the program's title over a colour gradient and the
// button "Avvio" that opens the main menu. Its load step reads the
// language of the run before any caption is put on a screen.
class FormAvvio : public SchermoScalato
{
    Q_OBJECT
public:
    static constexpr int LarghezzaProgetto = 8235;
    static constexpr int AltezzaProgetto = 5835;

    FormAvvio(Contesto &c, const Scuola &scuola);
    ~FormAvvio() override;

    void Form_Load() override;
    void Form_Activate() override;

    void BottoneAvvio_Click();

private:
    Contesto &c;
    const Scuola &m_scuola;
    Sfondo *m_sfondo;
    QLabel *Label2[3];
    QPushButton *BottoneAvvio;
};
