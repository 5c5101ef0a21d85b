#include "modulo1.h"

#include "caratteri.h"
#include "percorsi.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Why a language's own stories cannot be read from testi/<propria>; empty
// when they can. A language names one folder inside testi, never a path
// that leads elsewhere, and a name the file system and a message can hold.
QString guastoCartella(const QString &testi, const QString &propria)
{
    if (propria.contains(u'/') || propria.contains(u'\\'))
        return QStringLiteral("contiene un separatore");
    if (propria.startsWith(u'.'))
        return QStringLiteral("comincia con un punto");
    if (std::any_of(propria.cbegin(), propria.cend(), carattereDiControllo))
        return QStringLiteral("contiene caratteri di controllo");
    if (QFile::encodeName(propria).size() > 255)
        return QStringLiteral("è più lunga di 255 byte");
    const QString cartella = testi + u'/' + propria;
    if (QFileInfo::exists(cartella) && Percorsi::veroDentro(testi, cartella).isEmpty())
        return QStringLiteral("è un collegamento che porta fuori");
    return QString();
}

// The name as a message box can show it: control characters made visible,
// and short enough to leave room for the rest of the message.
QString mostrabile(QString nome)
{
    std::replace_if(nome.begin(), nome.end(), carattereDiControllo, u'?');
    return nome.size() > 60 ? nome.left(60) + QStringLiteral("...") : nome;
}

} // namespace

QString CaricaListe(Storie &m, const QString &cartellaProgramma, const QString &propria)
{
    if (!propria.isEmpty()) {
        const QString guasto = guastoCartella(Percorsi::unisci(cartellaProgramma, QStringLiteral("testi")), propria);
        if (!guasto.isEmpty())
            return QStringLiteral("La cartella delle storie \"%1\" non si può usare (%2): deve essere il nome di una "
                                  "cartella dentro \"testi\".")
                .arg(mostrabile(propria), guasto);
    }
    const QString storie = percorsoStorie(propria);
    const QString errore = CaricaListe(m.Testi1, m.Testi2, cartellaProgramma, storie);
    if (errore.isEmpty())
        m.CartellaStorie = storie;
    return errore;
}
