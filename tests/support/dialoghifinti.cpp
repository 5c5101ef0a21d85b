#include "dialoghifinti.h"

#include <QStringList>

void DialoghiFinti::registra(const QString &tipo, const QString &titolo, const QString &testo)
{
    finestre.append({tipo, titolo, testo});
    if (durante)
        durante(finestre.last());
}

bool DialoghiFinti::domanda(QWidget *, const QString &titolo, const QString &testo)
{
    registra(QStringLiteral("domanda"), titolo, testo);
    return risposte.isEmpty() ? rispostaPredefinita : risposte.takeFirst();
}

void DialoghiFinti::informazione(QWidget *, const QString &titolo, const QString &testo)
{
    registra(QStringLiteral("informazione"), titolo, testo);
}

void DialoghiFinti::avviso(QWidget *, const QString &titolo, const QString &testo)
{
    registra(QStringLiteral("avviso"), titolo, testo);
}

void DialoghiFinti::errore(QWidget *, const QString &titolo, const QString &testo)
{
    registra(QStringLiteral("errore"), titolo, testo);
}

QStringList DialoghiFinti::tipi() const
{
    QStringList l;
    for (const Finestra &f : finestre)
        l << f.tipo;
    return l;
}
