#pragma once

#include "dialoghi.h"

#include <QList>
#include <QStringList>

// Message boxes for tests: nothing is shown, every box is recorded in finestre, and the questions take their
// answers from the front of risposte (No once it is empty; true is Yes).
class DialoghiFinti : public Dialoghi
{
public:
    struct Finestra {
        QString tipo; // "domanda", "informazione", "avviso", "errore"
        QString testo;
    };

    bool domanda(QWidget *, const QString &, const QString &testo) override
    {
        finestre.append({u"domanda"_qs, testo});
        return !risposte.isEmpty() && risposte.takeFirst();
    }
    void informazione(QWidget *, const QString &, const QString &x) override
    {
        finestre.append({u"informazione"_qs, x});
    }
    void avviso(QWidget *, const QString &, const QString &x) override { finestre.append({u"avviso"_qs, x}); }
    void errore(QWidget *, const QString &, const QString &x) override { finestre.append({u"errore"_qs, x}); }

    QList<bool> risposte;
    QList<Finestra> finestre;
};
