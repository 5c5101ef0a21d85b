#include "letturaregistro.h"

#include "codec.h"

#include <QDir>
#include <QHash>

void leggiTestoRegistro(const QByteArray &testo, LetturaRegistro *lettura)
{
    QByteArrayView t(testo);
    if (t.startsWith("\xEF\xBB\xBF"))
        t = t.sliced(3);
    // Pupils, languages and story files repeat on every row: one copy each.
    QHash<QByteArray, QString> uniche;
    qsizetype pos = 0;
    CampiCsv campi;
    bool primo = true;
    while (pos < t.size()) {
        const bool intero = prossimoRecord(t, &pos, &campi);
        std::optional<RigaRegistro> r;
        if (intero)
            r = rigaDaCampi(campi, &uniche);
        if (r) {
            lettura->righe.push_back(std::move(*r));
        } else if (!primo) {
            ++lettura->scartate; // the first record is the header
        }
        primo = false;
    }
}

LetturaRegistro leggiCartellaRegistro(const QString &cartella)
{
    LetturaRegistro l;
    const QDir d(cartella);
    const QStringList nomi = d.entryList({QStringLiteral("registro-*.csv")}, QDir::Files, QDir::Name);
    for (const QString &n : nomi) {
        const QString p = d.filePath(n);
        QByteArray testo;
        QString errore;
        if (!leggiFile(p, &testo, &errore)) {
            l.errori << p + QStringLiteral(": ") + errore;
            continue;
        }
        l.file << p;
        leggiTestoRegistro(testo, &l);
    }
    return l;
}
