#pragma once

// The whole program in the test's own process: the real start-up, screens,
// language files and stories (a copy of the shipped data in a folder of its
// own), with a speech engine that takes a millisecond per sentence and
// message boxes that answer Yes. A test drives it by pressing the buttons a
// child would press.

#include "dialoghifinti.h"
#include "motorefinto.h"
#include "programma.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class FormEsercizio;
class FormMenu;
class QAbstractButton;

class ProgrammaProva
{
public:
    struct Scelte {
        quint64 seme = 20240607;
        bool suoniVeri = false; // the real WAV player (no device: timed silence)
        // Runs on the program folder after the data is copied, before start-up.
        std::function<bool(const QString &programma, QString *errore)> prepara;
        // Program and settings folders of an earlier run, to start again on
        // them (empty: new folders in cartella).
        QString programma;
        QString impostazioni;
    };

    ProgrammaProva();
    ~ProgrammaProva();

    // Copies the data, runs Main; false with errore when the program is not up.
    bool avvia(const Scelte &scelte, QString *errore);
    // Ends the run: every screen goes, as when the program ends.
    void chiudi();

    Programma &programma() { return *m_p; }
    FabbricaFinta &motori() { return m_motori; }
    DialoghiFinti &dialoghi() { return *m_dialoghi; }
    QString cartellaProgramma() const { return m_programma; }
    QString cartellaImpostazioni() const { return m_impostazioni; }
    QList<int> terminazioni;

    // "Avvio" on the start screen; the menu, or null.
    FormMenu *alMenu();
    FormMenu *menu() const;
    // The exercise screen on display (Form1 or Form2), or null.
    FormEsercizio *esercizio() const;

    // The presses that solve the problem on display, in order ("3253+2=5").
    QString soluzione(FormEsercizio *f) const;
    // Solves the problem on display by pressing its buttons; with sbagli
    // each step is first answered wrong once. False when a press found its
    // button disabled or the problem did not end as finished.
    bool risolvi(FormEsercizio *f, bool sbagli, QString *errore);
    // "avanti": the next problem, possibly on the other screen.
    FormEsercizio *avanti(FormEsercizio *f);
    // The exit entry of an exercise screen (the question answered Yes).
    FormMenu *esci(FormEsercizio *f);

    // Forgets what the fakes recorded, so that a long run does not grow
    // the test's own memory.
    void dimenticaRegistrazioni();

    static void clic(QAbstractButton *b);

private:
    QTemporaryDir m_dir;
    QString m_programma;
    QString m_impostazioni;
    FabbricaFinta m_motori;
    DialoghiFinti *m_dialoghi = nullptr;
    std::unique_ptr<Programma> m_p;
};
