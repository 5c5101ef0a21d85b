#pragma once

#include "ini.h"

#include <QFile>
#include <QString>

// Writes <cartella>/Lunga.lng: for every key of Italiano.lng the longer of the Italian and the English text,
// followed by its first 40 per cent. The caption-fit test and the pictures of long captions use it.
inline bool scriviLunga(const QString &cartella)
{
    QFile it(cartella + QStringLiteral("/Italiano.lng"));
    if (!it.open(QIODevice::ReadOnly))
        return false;
    QString lunga, sezione;
    for (const QByteArray &riga : it.readAll().split('\n')) {
        const QString r = QString::fromLatin1(riga).trimmed();
        const qsizetype uguale = r.indexOf(u'=');
        if (r.startsWith(u'['))
            sezione = r.mid(1, r.size() - 2);
        QString v;
        for (const char *l : {"/Italiano.lng", "/English.lng"}) {
            const QString t = MLSReadIniValue(cartella + QLatin1String(l), sezione, r.left(uguale)).value_or(QString());
            v = t.size() > v.size() ? t : v;
        }
        lunga += (uguale < 0 ? r : r.left(uguale) + QStringLiteral("=\"%1 %2\"").arg(v, v.left(v.size() * 2 / 5)))
            + u'\n';
    }
    QFile f(cartella + QStringLiteral("/Lunga.lng"));
    return f.open(QIODevice::WriteOnly) && f.write(lunga.toUtf8()) > 0;
}
