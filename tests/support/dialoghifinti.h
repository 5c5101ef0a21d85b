#pragma once

#include "dialoghi.h"

#include <QList>
#include <QStringList>

// Message boxes for tests: nothing is shown, every box is recorded in
// finestre, and the questions take their answers from the front of
// risposte (rispostaPredefinita once it is empty; true is Yes).
class DialoghiFinti : public Dialoghi
{
public:
    struct Finestra {
        QString tipo; // "domanda", "informazione", "avviso", "errore"
        QString titolo;
        QString testo;
    };

    bool domanda(QWidget *, const QString &titolo, const QString &testo) override
    {
        finestre.append({QStringLiteral("domanda"), titolo, testo});
        return risposte.isEmpty() ? rispostaPredefinita : risposte.takeFirst();
    }
    void informazione(QWidget *, const QString &t, const QString &x) override
    {
        finestre.append({QStringLiteral("informazione"), t, x});
    }
    void avviso(QWidget *, const QString &t, const QString &x) override
    {
        finestre.append({QStringLiteral("avviso"), t, x});
    }
    void errore(QWidget *, const QString &t, const QString &x) override
    {
        finestre.append({QStringLiteral("errore"), t, x});
    }

    QStringList tipi() const
    {
        QStringList l;
        for (const Finestra &f : finestre)
            l << f.tipo;
        return l;
    }

    QList<bool> risposte;
    bool rispostaPredefinita = false;
    QList<Finestra> finestre;
};
