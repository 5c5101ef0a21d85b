#include "messaggi.h"

#include "contesto.h"
#include "dialoghi.h"
#include "modlanguagesupport.h"
#include "registroschermi.h"

namespace {
const QString Acapo = QStringLiteral("\r\n");
const QString Trattini = QString(23, QLatin1Char('-'));

QString bloccoCrediti()
{
    return QStringLiteral("Numerella project  ") + Acapo + QLatin1Char(' ') + Trattini + QLatin1Char(' ') + Acapo
        + QStringLiteral("https://numerella.example.org") + Acapo + QStringLiteral("E-mail: numerella@example.org");
}
} // namespace

QString testoInformazioni(ModLanguageSupport &lingua)
{
    QString testo;
    for (const char *chiave : {"9996", "9997", "9998", "9999"}) {
        const QString riga = lingua.MLSGetString(QString::fromLatin1(chiave));
        if (!riga.isEmpty())
            testo += riga + Acapo;
    }
    if (!testo.isEmpty())
        testo = Acapo + Trattini + Acapo + testo;
    return testo + bloccoCrediti();
}

void MostraInformazioni(Contesto &c, QWidget *padre)
{
    c.dialoghi.informazione(padre, TitoloDomande, testoInformazioni(c.lingua));
}

void ConfermaUscita(Contesto &c, QWidget *padre)
{
    if (c.dialoghi.domanda(padre, TitoloDomande, c.lingua.MLSGetString(QStringLiteral("0001"))) && c.registro.termina)
        c.registro.termina(0);
}
