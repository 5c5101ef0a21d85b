#include "codec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const char16_t tabella80[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

bool utf8Valido(const QByteArray &b)
{
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decodificato = d.decode(b); // decode() is lazy: only the conversion decodes
    Q_UNUSED(decodificato);
    return !d.hasError();
}
} // namespace

bool testoInUtf8(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
    return !ascii && utf8Valido(bytes);
}

QString decodificaTesto(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (testoInUtf8(bytes))
        return QString::fromUtf8(bytes);
    // Windows-1252 is Latin-1 but for 0x80..0x9F: convert in one pass, then
    // mend those few characters (language files are read at every lookup).
    QString s = QString::fromLatin1(bytes);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar u = uchar(bytes.at(i));
        if (u >= 0x80 && u < 0xA0)
            s[i] = QChar(tabella80[u - 0x80]);
    }
    return s;
}

QByteArray codificaWindows1252(const QString &testo)
{
    QByteArray b;
    b.reserve(testo.size());
    for (QChar ch : testo) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b.append(char(u));
            continue;
        }
        char c = '?';
        for (int i = 0; i < 32; ++i) {
            if (tabella80[i] == u && u != 0xFFFD) {
                c = char(0x80 + i);
                break;
            }
        }
        b.append(c);
    }
    return b;
}

bool leggiFile(const QString &percorso, QByteArray *contenuto, QString *errore)
{
    QFile f(percorso);
    if (!f.exists()) {
        if (errore)
            *errore = QStringLiteral("il file non esiste");
        return false;
    }
    // A pipe would block the reader until someone writes into it, a device
    // for ever: only regular files are opened.
    if (!QFileInfo(percorso).isFile()) {
        if (errore)
            *errore = QStringLiteral("non è un file");
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        if (errore)
            *errore = QStringLiteral("il file non si può leggere (%1)").arg(f.errorString());
        return false;
    }
    *contenuto = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (errore)
            *errore = QStringLiteral("il file non si può leggere (%1)").arg(f.errorString());
        return false;
    }
    return true;
}

bool scriviFileAtomico(const QString &percorso, const QByteArray &contenuto)
{
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(contenuto) != contenuto.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
