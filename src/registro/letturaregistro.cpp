#include "letturaregistro.h"

#include "codec.h"

#include <QDir>
#include <QHash>
#include <algorithm>

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

std::vector<RigaRegistro> storiaAlunno(const QString &cartella, const QString &alunno)
{
    LetturaRegistro l = leggiCartellaRegistro(cartella);
    std::erase_if(l.righe, [&alunno](const RigaRegistro &r) { return r.alunno != alunno; });
    // Each file is in its own computer's order; the instants, whatever the
    // offsets written, put the computers' rows in one order.
    std::stable_sort(l.righe.begin(), l.righe.end(), [](const RigaRegistro &a, const RigaRegistro &b) {
        return a.inizio.toMSecsSinceEpoch() < b.inizio.toMSecsSinceEpoch();
    });
    return std::move(l.righe);
}
