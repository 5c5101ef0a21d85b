#include "messaggiitaliani.h"

#include <QHash>

QString messaggioItaliano(const QString &chiave)
{
    // The messages of Italiano.lng as shipped; keep them the same.
    static const QHash<QString, QString> messaggi{
        {u"0001"_qs, u"Vuoi proprio uscire da Numerella?"_qs},
        {u"0002"_qs, u"Numerella parlato: problemi di addizione e sottrazione per bambini dai 5 ai 7 anni."_qs},
        {u"0003"_qs, u"In questa cartella Numerella conserva la voce e la velocità scelte (file numerella.INI)."_qs},
        {u"0004"_qs,
         u"Se cancelli la cartella, al prossimo avvio Numerella la crea di nuovo e usa la voce e la velocità di partenza."_qs},
        {u"0005"_qs, u"Ora scrivi l'operazione!"_qs},
        {u"0006"_qs, u"Vuoi smettere e tornare al menu?"_qs},
        {u"0007"_qs, u"Ora scrivi l'operazione!"_qs},
        {u"0008"_qs, u" meno "_qs},
        {u"0009"_qs, u" fa "_qs},
        {u"0010"_qs, u"Vuoi smettere e tornare al menu?"_qs},
        {u"0011"_qs, u"Ciao! Sono la voce di Numerella. Ti piace come parlo?"_qs},
        {u"0012"_qs, u"Velocità:"_qs},
        {u"0013"_qs, u"Scegli la voce e la velocità che preferisci."_qs},
        {u"0014"_qs, u"Velocità:"_qs},
        {u"0015"_qs, u"Non riesco a usare questa voce. Prova a sceglierne un'altra."_qs},
        {u"0016"_qs, u"Non è stato possibile salvare le impostazioni della voce nel file"_qs},
        {u"0017"_qs, u"La voce e la velocità scelte valgono fino alla chiusura del programma."_qs},
        {u"0018"_qs, u"Licenza: GNU GPL, versione 3 o successiva"_qs},
        {u"0019"_qs, u"Storie"_qs},
        {u"0020"_qs, u"Animazioni"_qs},
        {u"0021"_qs, u"Lingue (file .lng)"_qs},
        {u"9996"_qs, u"Numerella parlato"_qs},
        {u"9997"_qs, u"Problemi di addizione e sottrazione"_qs},
        {u"9998"_qs, u"per bambini dai 5 ai 7 anni"_qs},
        {u"9999"_qs, u"Versione 1.0"_qs},
    };
    return messaggi.value(chiave);
}
