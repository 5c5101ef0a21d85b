#pragma once

#include "schermoscalato.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Contesto;
struct Scuola;

// The class, for the adult: pupils added, renamed and removed (their rows
// stay in the record), each with a picture from the shipped animations; the
// record folder; whether only an adult may leave; whether missed problems
// come back and hints are given; how the children press (pointer and keys,
// or scanning with one or two switches). Every change is saved at once.
class FormClasse : public SchermoScalato
{
    Q_OBJECT
public:
    static constexpr int LarghezzaProgetto = 9600;
    static constexpr int AltezzaProgetto = 7200;

    FormClasse(Contesto &c, Scuola &scuola);
    ~FormClasse() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void chiusuraRichiesta() override { BottoneFatto_Click(); }

    void BottoneAggiungi_Click();
    void BottoneRinomina_Click();
    void BottoneTogli_Click();
    void BottoneCartella_Click();
    void BottoneFatto_Click();
    // The folder typed or chosen; empty: the settings folder.
    void cambiaCartella(const QString &cartella);
    void scegliImmagine(int i);
    // The access (in the order of Classe::Accesso), the scan's interval in
    // seconds, whether the voice reads the highlighted button.
    void cambiaAccesso(int accesso, double secondi, bool leggi);

private:
    void riempiLista(int selezionato);
    int selezionato() const;
    bool nomeAccettato(const QString &nome, int escluso);
    void salva();

    Contesto &c;
    Scuola &m_scuola;
    QListWidget *ListaAlunni;
    QLineEdit *TestoNome;
    QPushButton *BottoneAggiungi;
    QPushButton *BottoneRinomina;
    QPushButton *BottoneTogli;
    QLabel *LabelAvviso;
    QListWidget *ListaImmagini;
    QLineEdit *TestoCartella;
    QPushButton *BottoneCartella;
    QCheckBox *SceltaSoloAdulto;
    QCheckBox *SceltaRipasso;
    QCheckBox *SceltaAiuti;
    QComboBox *SceltaAccesso;
    QDoubleSpinBox *SceltaTempo;
    QCheckBox *SceltaLeggi;
    QPushButton *BottoneFatto;
    QStringList m_immagini;
};
