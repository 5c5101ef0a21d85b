#include "datiguasti.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QtEndian>

#include <cmath>
#include <unistd.h>

QString nomeGuasto(Guasto g)
{
    switch (g) {
    case Guasto::Mancante:
        return QStringLiteral("missing");
    case Guasto::Vuoto:
        return QStringLiteral("empty");
    case Guasto::Illeggibile:
        return QStringLiteral("unreadable");
    case Guasto::Spazzatura:
        return QStringLiteral("binary garbage");
    case Guasto::Grande:
        return QStringLiteral("10 MB");
    case Guasto::Cartella:
        return QStringLiteral("a folder instead");
    }
    return QString();
}

bool permessiIgnorati()
{
    // Tried rather than guessed from the user id: root, or a process with
    // the capability to bypass read permissions, reads the file anyway.
    static const bool ignorati = [] {
        QTemporaryFile f;
        if (!f.open())
            return ::geteuid() == 0;
        f.write("x");
        f.close();
        QFile::setPermissions(f.fileName(), QFileDevice::Permissions());
        QFile prova(f.fileName());
        const bool letto = prova.open(QIODevice::ReadOnly);
        QFile::setPermissions(f.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return letto;
    }();
    return ignorati;
}

namespace {
bool scrivi(const QString &percorso, const QByteArray &b, QString *errore)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size()) {
        *errore = QStringLiteral("cannot write %1: %2").arg(percorso, f.errorString());
        return false;
    }
    return true;
}
} // namespace

bool guasta(const QString &percorso, Guasto g, const QByteArray &riempitivo, QString *errore)
{
    switch (g) {
    case Guasto::Mancante:
        if (QFileInfo::exists(percorso) && !QFile::remove(percorso)) {
            *errore = QStringLiteral("cannot remove %1").arg(percorso);
            return false;
        }
        return true;
    case Guasto::Vuoto:
        return scrivi(percorso, QByteArray(), errore);
    case Guasto::Illeggibile:
        if (!QFile::setPermissions(percorso, QFileDevice::Permissions())) {
            *errore = QStringLiteral("cannot take the permissions of %1").arg(percorso);
            return false;
        }
        return true;
    case Guasto::Spazzatura: {
        // Story files get more: a megabyte of garbage is refused whatever it
        // happens to hold, as it makes far more than 100 records.
        const qsizetype n = percorso.endsWith(QLatin1String(".txt")) ? 1024 * 1024 : 64 * 1024;
        return scrivi(percorso, bytesCasuali(quint32(qHash(QFileInfo(percorso).fileName())), n), errore);
    }
    case Guasto::Grande: {
        QFile f(percorso);
        QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        f.close();
        if (riempitivo.isEmpty()) {
            *errore = QStringLiteral("nothing to pad %1 with").arg(percorso);
            return false;
        }
        if (!b.isEmpty() && !b.endsWith('\n'))
            b += "\r\n";
        const qsizetype volte = (DieciMega - b.size()) / riempitivo.size() + 1;
        b.reserve(b.size() + volte * riempitivo.size());
        for (qsizetype i = 0; i < volte; ++i)
            b += riempitivo;
        return scrivi(percorso, b, errore);
    }
    case Guasto::Cartella:
        if (QFileInfo::exists(percorso) && !QFile::remove(percorso)) {
            *errore = QStringLiteral("cannot remove %1").arg(percorso);
            return false;
        }
        if (!QDir().mkpath(percorso)) {
            *errore = QStringLiteral("cannot make the folder %1").arg(percorso);
            return false;
        }
        return true;
    }
    return false;
}

QByteArray bytesCasuali(quint32 seme, qsizetype quanti)
{
    QRandomGenerator g(seme);
    QByteArray b(quanti, Qt::Uninitialized);
    for (qsizetype i = 0; i < quanti; ++i)
        b[i] = char(g.bounded(256));
    return b;
}

QByteArray storieProva(int quante, int campi)
{
    // Shipped animations, so that the stories could be played.
    const QByteArray prima = "barchetta.gif";
    const QByteArray seconda = campi == 15 ? "barchetta_arriva.gif" : "barchetta_via.gif";
    QByteArray b;
    for (int r = 1; r <= quante; ++r) {
        b += prima + ',' + seconda;
        for (int k = 3; k <= campi; ++k)
            b += ",\"Storia " + QByteArray::number(r) + ", frase " + QByteArray::number(k) + ".\"";
        b += ",-\r\n";
    }
    return b;
}

QByteArray wavProva(qsizetype byteAudio)
{
    byteAudio -= byteAudio % 2;
    QByteArray b("RIFF", 4);
    auto u32 = [&b](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        b.append(reinterpret_cast<const char *>(&le), 4);
    };
    auto u16 = [&b](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        b.append(reinterpret_cast<const char *>(&le), 2);
    };
    u32(quint32(36 + byteAudio));
    b += "WAVEfmt ";
    u32(16);
    u16(1);         // PCM
    u16(1);         // mono
    u32(22050);     // rate
    u32(22050 * 2); // bytes per second
    u16(2);         // bytes per frame
    u16(16);        // bits
    b += "data";
    u32(quint32(byteAudio));
    const qsizetype inizio = b.size();
    b.resize(inizio + byteAudio);
    auto *s = reinterpret_cast<qint16 *>(b.data() + inizio);
    for (qsizetype i = 0; i < byteAudio / 2; ++i)
        s[i] = qint16(std::lround(800 * std::sin(2 * M_PI * 440.0 * double(i) / 22050)));
    return b;
}

bool copiaCartella(const QString &da, const QString &a)
{
    if (!QDir().mkpath(a))
        return false;
    QDirIterator it(da, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString dest = a + QLatin1Char('/') + QDir(da).relativeFilePath(f);
        QDir().mkpath(QFileInfo(dest).path());
        if (!QFile::copy(f, dest))
            return false;
    }
    return true;
}
