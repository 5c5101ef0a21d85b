#include "modulo1.h"

QString CaricaListe(Modulo1 &m, const QString &cartellaProgramma, const QString &propria)
{
    // A language names a folder inside testi, never a path that leads elsewhere.
    if (propria.contains(u'/') || propria.contains(u'\\') || propria.startsWith(u'.'))
        return QStringLiteral("La cartella delle storie \"%1\" non si può usare: deve essere il nome di una cartella "
                              "dentro \"testi\".")
            .arg(propria);
    const QString storie = percorsoStorie(propria);
    const QString errore = CaricaListe(m.Testi1, m.Testi2, cartellaProgramma, storie);
    if (errore.isEmpty())
        m.CartellaStorie = storie;
    return errore;
}
