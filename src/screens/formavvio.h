#pragma once

#include "schermo.h"

#include <memory>

class FontInProporzione;
class QLabel;
class QPushButton;
class Sfondo;
struct Contesto;

// The start screen: the program's title over a colour gradient and the
// button "Avvio" that opens the main menu. Its load step reads the
// language of the run before any caption is put on a screen.
class FormAvvio : public Schermo
{
    Q_OBJECT
public:
    static constexpr int LarghezzaProgetto = 8235;
    static constexpr int AltezzaProgetto = 5835;

    explicit FormAvvio(Contesto &c);
    ~FormAvvio() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;

    void BottoneAvvio_Click();

private:
    Contesto &c;
    std::unique_ptr<FontInProporzione> m_font;
    Sfondo *m_sfondo;
    QLabel *Label2[3];
    QPushButton *BottoneAvvio;
};
