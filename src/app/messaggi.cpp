#include "messaggi.h"

#include "contesto.h"
#include "dialoghi.h"
#include "modlanguagesupport.h"
#include "registroschermi.h"

#include <QDir>

namespace {
const QString Acapo = QStringLiteral("\r\n");
const QString Trattini = QString(23, QLatin1Char('-'));

// What is true of this copy: its name, version and licence, and the folders
// where a teacher finds the stories, animations and language files.
QString bloccoCrediti(const QString &programma)
{
    const auto cartella = [&programma](const QString &sotto) {
        return QDir::toNativeSeparators(QDir::cleanPath(programma + u'/' + sotto));
    };
    return QStringLiteral("Numerella " NUMERELLA_VERSIONE) + Acapo + QLatin1Char(' ') + Trattini + QLatin1Char(' ')
        + Acapo + QStringLiteral("Licenza: GNU GPL, versione 3 o successiva") + Acapo + QStringLiteral("Storie: ")
        + cartella(QStringLiteral("testi")) + Acapo + QStringLiteral("Animazioni: ")
        + cartella(QStringLiteral("gifanimate")) + Acapo + QStringLiteral("Lingue (file .lng): ") + cartella(QString());
}
} // namespace

QString testoInformazioni(ModLanguageSupport &lingua, const QString &programma)
{
    QString testo;
    for (const char *chiave : {"9996", "9997", "9998", "9999"}) {
        const QString riga = lingua.MLSGetString(QString::fromLatin1(chiave));
        if (!riga.isEmpty())
            testo += riga + Acapo;
    }
    if (!testo.isEmpty())
        testo = Acapo + Trattini + Acapo + testo;
    return testo + bloccoCrediti(programma);
}

void MostraInformazioni(Contesto &c, QWidget *padre)
{
    c.dialoghi.informazione(padre, TitoloDomande, testoInformazioni(c.lingua, c.percorsi.programma));
}

void ConfermaUscita(Contesto &c, QWidget *padre)
{
    if (c.dialoghi.domanda(padre, TitoloDomande, c.lingua.MLSGetString(QStringLiteral("0001"))) && c.registro.termina)
        c.registro.termina(0);
}

void ParlaLaLingua(Contesto &c, MotoreVoce &motore)
{
    const QString lingua = c.lingua.linguaCorrente();
    motore.SpeechLanguage(c.lingua.voceEspeak(lingua), c.lingua.MLSGetString(QStringLiteral("0008")).trimmed());
}
