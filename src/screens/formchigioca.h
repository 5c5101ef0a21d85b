#pragma once

#include "schermoscalato.h"

#include <QList>
#include <memory>

class BottoneAlunno;
class QLabel;
struct Contesto;
struct Scuola;

// "Chi gioca?": one big button per pupil, with their picture and name, and
// one for a visitor (Ospite). The choice goes on to the menu.
class FormChiGioca : public SchermoScalato
{
    Q_OBJECT
public:
    static constexpr int LarghezzaProgetto = 9600;
    static constexpr int AltezzaProgetto = 7200;

    FormChiGioca(Contesto &c, Scuola &scuola);
    ~FormChiGioca() override;

    void Form_Load() override;
    void Form_Activate() override;
    // The window's close button goes on to the menu as a visitor.
    void chiusuraRichiesta() override { BottoneAlunno_Click(-1); }

    // A pupil's index in the class; -1: the visitor.
    void BottoneAlunno_Click(int Index);

private:
    Contesto &c;
    Scuola &m_scuola;
    QLabel *LabelTitolo;
    QList<BottoneAlunno *> m_bottoni; // the pupils, then the visitor
};
