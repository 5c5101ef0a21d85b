#pragma once

#include "modulo1.h"
#include "schermoscalato.h"

#include <memory>

#include <functional>
#include <optional>

class MenuLingue;
class QAction;
class QMenu;
class QPushButton;
struct Contesto;

// The main menu: the three exercises, the voice settings, the exit
// question, and the language menu. It exists only while it is shown:
// opening another screen unloads it, and coming back loads it afresh.
class FormMenu : public SchermoScalato
{
    Q_OBJECT
public:
    static constexpr int LarghezzaProgetto = 7035;
    static constexpr int AltezzaProgetto = 5745;

    FormMenu(Contesto &c, Punteggio &punteggio, Storie &storie, const Scuola &scuola);
    ~FormMenu() override;

    void Form_Load() override;
    void Form_Activate() override;
    // The window's close button asks the exit question, like "Esci".
    void chiusuraRichiesta() override;

    void Command8_Click();
    void Command7_Click();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();
    // Beyond the designed menu: the class and the record (behind the
    // adult's question), and "Chi gioca?" when there are pupils.
    void mnuClasse_Click();
    void mnuRegistro_Click();
    void mnuChiGioca_Click();

    MenuLingue *menuLingue() const { return m_lingue; }

private:
    // Shows the named screen, sets the exercise mode when one is given and
    // leaves the menu. A screen that cannot be shown leaves the menu (and
    // the mode) as they were.
    bool apri(const QString &nome, std::optional<Boolean> modoMisto);

    Contesto &c;
    Punteggio &m_punteggio;
    const Scuola &m_scuola;
    QPushButton *Command8;
    QPushButton *Command7;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command1;
    QMenu *mnuLanguages;
    QAction *mnuLanguage0;
    MenuLingue *m_lingue;
    QAction *mnuClasse;
    QAction *mnuRegistro;
    QAction *mnuChiGioca;
};
