#include "percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Percorsi Percorsi::diSistema()
{
    Percorsi p;
    p.programma = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
    p.impostazioni = QStringLiteral("C:/ImpostazioniProgrammiZefra");
#else
    p.impostazioni = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/ImpostazioniProgrammiZefra");
#endif
    return p;
}

QString Percorsi::unisci(const QString &cartella, const QString &relativo)
{
    QString r = relativo;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (r.startsWith(QLatin1Char('/')))
        r.remove(0, 1);
    QString c = cartella;
    while (c.size() > 1 && c.endsWith(QLatin1Char('/')))
        c.chop(1);
    return c + QLatin1Char('/') + r;
}

QString Percorsi::veroDentro(const QString &cartella, const QString &percorso)
{
    const QString dentro = QFileInfo(cartella).canonicalFilePath();
    const QString vero = QFileInfo(percorso).canonicalFilePath();
    if (dentro.isEmpty() || !vero.startsWith(dentro + QLatin1Char('/')))
        return QString();
    return vero;
}
