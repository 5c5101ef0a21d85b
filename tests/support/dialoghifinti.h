#pragma once

#include "dialoghi.h"

#include <QList>
#include <QString>
#include <functional>

// Message boxes for tests: nothing is shown, every box is recorded, and the
// questions take their answers from a script.
//
// - risposte: the answers to the next questions, taken from the front (true
//   = Yes). When it is empty the answer is rispostaPredefinita.
// - finestre: every box in order, with its kind ("domanda", "informazione",
//   "avviso", "errore"), title and text.
// - durante, when set, runs inside every box as a modal box would let
//   events run (a test can look at the screens while the "box" is open).
class DialoghiFinti : public Dialoghi
{
public:
    struct Finestra {
        QString tipo;
        QString titolo;
        QString testo;
    };

    bool domanda(QWidget *padre, const QString &titolo, const QString &testo) override;
    void informazione(QWidget *padre, const QString &titolo, const QString &testo) override;
    void avviso(QWidget *padre, const QString &titolo, const QString &testo) override;
    void errore(QWidget *padre, const QString &titolo, const QString &testo) override;

    QList<bool> risposte;
    bool rispostaPredefinita = false;
    QList<Finestra> finestre;
    std::function<void(const Finestra &)> durante;

    // The kinds of the boxes shown so far, in order.
    QStringList tipi() const;

private:
    void registra(const QString &tipo, const QString &titolo, const QString &testo);
};
