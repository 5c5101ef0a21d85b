#pragma once

#include "esecutore.h"
#include "modulo1.h"
#include "problema.h"
#include "schermoscalato.h"

#include <QString>
#include <array>
#include <memory>

struct Contesto;
class BarraParti;
class BottoneIcona;
class CellaAnimata;
class Cornice;
class IconaScalata;
class Parlata;
class QAction;
class QLabel;
class QPushButton;
class QWidget;
class Sfondo;

// The exercise screen shared by addition (Form1) and subtraction (Form2):
// the controls, the scores, the repeat button and the menus. The answer
// protocol is the problem's (problema.h); the screen turns its outcomes
// into widgets, speech and sounds, which the runner (esecutore.h) asks of it
// in order. The two screens differ only by data: their layout details and
// the operation they play.
class FormEsercizio : public SchermoScalato, private EsecutoreSchermo
{
    Q_OBJECT
public:
    ~FormEsercizio() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    // The window's close button asks like the exit entry; it never ends the
    // run from an exercise screen.
    void chiusuraRichiesta() override;
    void Form_Unload() override;

    // The handlers, as the buttons and menu entries call them.
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void MenuAzzera_Click();
    void MenuInformazioni_Click();
    void mnuEsci_Click();

protected:
    // What tells the two screens' layouts and hand-overs apart.
    struct Disegno {
        QString nome; // form name
        int larghezza; // design client area, twips
        int altezza;
        int pannelloLeft; // PicturesattiErrati
        int storiaLeft; // Domanda1..Risposta3 and EtOperazione
        int storiaWidth; // Domanda1..Risposta3
        QString altroSchermo; // the screen "avanti" hands over to in the mixed mode
        QString chiaveUscita; // the question of mnuEsci
        std::vector<Storia> Storie::*testi; // the stories it plays: Testi1 or Testi2
    };

    // The score is counted here; a problem that ends writes the record
    // kept in scuola.
    FormEsercizio(Contesto &c, Punteggio &punteggio, const Storie &storie, Scuola &scuola, const Disegno &d,
                  Operazione op);

    void keyPressEvent(QKeyEvent *e) override;

private:
    void creaControlli();
    void creaPannello(QWidget *padre);
    void creaAiuti(QWidget *padre);
    QLabel *creaEtichetta(QWidget *padre, const QString &nome, const QString &testo, const QRect &r);
    QPushButton *creaBottone(QWidget *padre, const QString &nome, int indice, const QString &testo, const QRect &r);
    QAction *creaMenu(const QString &nome, const QString &testo);

    // What the runner asks of the screen. At a sentence the answer buttons
    // are locked until it is over; "avanti", the exit entry, the mixed mode's
    // hand-over and the unload drop the outcome in progress.
    void fai(const Passaggio &p) override;
    bool parla(const QString &testo, Fine fine) override;
    void fineAttesa() override;
    void faiAiuto(const Passaggio &p);
    void spazioAllaBarra();
    QPushButton *bottone(Pressione p) const;
    void NuovoProblema();
    void premuto(Pressione p);
    QLabel *etichetta(Etichetta e) const;
    QString percorsoAnimazione(const QString &file) const;
    void cambiaCella(CellaAnimata *cella, const QString &file);
    void mostraConteggi();
    void fermaVoce();
    void bloccaRisposte(bool abilitato);
    bool altroSchermoVisibile() const;

    Contesto &c;
    Punteggio &m_punteggio;
    const Storie &m_storie;
    Scuola &m_scuola;
    Disegno m_d;
    Problema m_problema;

    Parlata *m_parlata;
    Esecutore m_esecutore{*this};

    Sfondo *m_sfondo = nullptr;
    QWidget *PicturesattiErrati = nullptr;
    IconaScalata *ComandoIconaSi = nullptr;
    IconaScalata *ComandoIconaNo = nullptr;
    QLabel *EtichettaEsatti = nullptr;
    QLabel *EtichettaErrati = nullptr;
    BottoneIcona *Command6 = nullptr;
    std::array<CellaAnimata *, 9> GifAnimator1{};
    std::array<QLabel *, 3> m_domande{};
    std::array<QLabel *, 3> m_risposte{};
    QLabel *EtOperazione = nullptr;
    std::array<QPushButton *, 10> Command1{};
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *m_aiuto = nullptr; // the hint in words
    BarraParti *m_barra = nullptr;
    // The operation's label, in design twips: all of it, and what the bar
    // beside it leaves.
    static constexpr int LarghezzaOperazione = 4515;
    static constexpr int LarghezzaAccantoBarra = 2640;
    Cornice *m_segnoTasto = nullptr; // on the key to press next, while it is marked
    QAction *MenuAzzera = nullptr;
    QAction *MenuInformazioni = nullptr;
    QAction *mnuEsci = nullptr;
};
