#pragma once

#include "schermo.h"

#include <QString>
#include <array>
#include <memory>

struct Contesto;
class BottoneIcona;
class CellaAnimata;
class FontInProporzione;
class IconaScalata;
class QAction;
class QLabel;
class QPushButton;
class QWidget;
class Sfondo;

// The exercise screen shared by addition (Form1) and subtraction (Form2):
// the controls, the eight-step answer protocol held in Passo, the scores,
// the repeat button and the menus. The two screens differ in their layout
// details, in the roles of the three numbers, in the first steps of a
// problem and in what they say at the end; those parts are theirs.
class FormEsercizio : public Schermo
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

    // The handlers, as the buttons and menu entries call them (each takes the
    // screen's busy guard itself).
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void MenuAzzera_Click();
    void MenuInformazioni_Click();
    void mnuEsci_Click();

    // Handles for tests and tools.
    QPushButton *bottoneCifra(int i) const { return m_cifre[size_t(i)]; }
    QPushButton *bottonePiu() const { return m_piu; }
    QPushButton *bottoneMeno() const { return m_meno; }
    QPushButton *bottoneUguale() const { return m_uguale; }
    QPushButton *bottoneAvanti() const { return m_avanti; }
    QPushButton *bottoneRipeti() const;
    CellaAnimata *cella(int i) const { return m_celle[size_t(i)]; }
    QLabel *domanda(int i) const { return m_domande[size_t(i)]; }   // 0..2: Domanda1..3
    QLabel *risposta(int i) const { return m_risposte[size_t(i)]; } // 0..2: Risposta1..3
    QLabel *operazione() const { return m_operazione; }
    QLabel *esatti() const { return m_esatti; }
    QLabel *errati() const { return m_errati; }
    QWidget *iconaSi() const;
    QWidget *iconaNo() const;
    QAction *menuAzzera() const { return m_menuAzzera; }
    QAction *menuInformazioni() const { return m_menuInformazioni; }
    QAction *menuEsci() const { return m_menuEsci; }
    Sfondo *sfondo() const { return m_sfondo; }

protected:
    // What tells the two screens' layouts and hand-overs apart.
    struct Disegno {
        QString nome;  // form name
        int larghezza; // design client area, twips
        int altezza;
        int pannelloLeft;         // PicturesattiErrati
        int storiaLeft;           // Domanda1..Risposta3 and EtOperazione
        int storiaWidth;          // Domanda1..Risposta3
        QString altroSchermo;     // the screen "avanti" hands over to in the mixed mode
        QString chiaveUscita;     // the question of mnuEsci
        QString chiaveOperazione; // the prompt to write the operation
    };

    // A press as the protocol sees it.
    enum class Tasto { Cifra, Piu, Meno, Uguale };
    struct Attesa {
        Tasto tasto;
        int cifra = -1; // for Tasto::Cifra
    };

    FormEsercizio(Contesto &c, const Disegno &d);

    // The story file of the screen: its record count and field k (1-based)
    // of the current row.
    virtual int numeroTesti() const = 0;
    virtual const QString &campo(int k) const = 0;
    // Step 6 of a new problem: the three answer sentences.
    virtual void impostaRisposte() = 0;
    // Steps 7 and 8 of a new problem: the first things and the first
    // question. False: the screen was left (or a new problem started)
    // while speaking, and the caller must stop.
    virtual bool presentaProblema() = 0;
    // What a right press of the story steps 0 to 2 does (Passo is the step).
    virtual bool passoStoria(int passo) = 0;
    // The operation in the story's order: first number, operator, second
    // number, result. The three questions ask for the numbers in that order
    // too, and the operation is written the same way.
    struct Operazione {
        int primo;
        Tasto operatore;
        int secondo;
        int risultato;
    };
    virtual Operazione operazioneStoria() const = 0;
    // The press that is right at a step.
    Attesa attesa(int passo) const;
    // What is spoken once the operation is finished.
    virtual QString testoFinale() const = 0;

    // Helpers the two screens share.
    Contesto &ctx() const { return m_c; }
    // TestoDaDire = testo, then Parla. False when the handler must stop: the
    // screen was unloaded, or a new problem was started, during the wait.
    bool parla(const QString &testo);
    // The designed "show a cell with a file": file, visible, start.
    void mostraCella(int i, int campoFile);
    // The addition's second group: visible first, then the file, then start.
    void mostraCellaPoiFile(int i, int campoFile);
    // The subtraction's change of picture in place.
    void cambiaCella(int i, int campoFile);
    QString percorsoAnimazione(int campoFile) const;
    // A measure in design twips converted to the screen's current scale.
    double scalaX(double twip) const;
    double scalaY(double twip) const;
    void mostraEtOperazione(bool conPrompt);

    void keyPressEvent(QKeyEvent *e) override;

private:
    void creaControlli();
    void creaPannello(QWidget *padre);
    QLabel *creaEtichetta(QWidget *padre, const QString &nome, const QString &testo, const QRect &r);
    QPushButton *creaBottone(QWidget *padre, const QString &nome, int indice, const QString &testo,
                             const QRect &r);
    QAction *creaMenu(const QString &nome, const QString &testo);

    void NuovoProblema();
    void premuto(Attesa premuto);
    void rispostaSbagliata();
    void mostraConteggi();
    void fermaVoce();
    void bloccaRisposte(bool abilitato);
    bool altroSchermoVisibile() const;

    Contesto &m_c;
    Disegno m_d;
    // Bumped by every new problem, so a handler that resumes after a nested
    // wait can tell that the problem it was working on is gone.
    int m_problema = 0;

    Sfondo *m_sfondo = nullptr;
    QWidget *m_pannello = nullptr;
    IconaScalata *m_iconaSi = nullptr;
    IconaScalata *m_iconaNo = nullptr;
    QLabel *m_esatti = nullptr;
    QLabel *m_errati = nullptr;
    BottoneIcona *m_ripeti = nullptr;
    std::array<CellaAnimata *, 9> m_celle {};
    std::array<QLabel *, 3> m_domande {};
    std::array<QLabel *, 3> m_risposte {};
    QLabel *m_operazione = nullptr;
    std::array<QPushButton *, 10> m_cifre {};
    QPushButton *m_piu = nullptr;
    QPushButton *m_meno = nullptr;
    QPushButton *m_uguale = nullptr;
    QPushButton *m_avanti = nullptr;
    QAction *m_menuAzzera = nullptr;
    QAction *m_menuInformazioni = nullptr;
    QAction *m_menuEsci = nullptr;
    std::unique_ptr<FontInProporzione> m_font;
};
