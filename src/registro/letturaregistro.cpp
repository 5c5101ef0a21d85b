#include "letturaregistro.h"

#include "codec.h"

#include <QDir>
#include <QHash>
#include <algorithm>

bool leggiTestoRegistro(const QByteArray &testo, const TitoliRegistro &titoli, LetturaRegistro *lettura)
{
    QByteArrayView t(testo);
    if (t.startsWith("\xEF\xBB\xBF"))
        t = t.sliced(3);
    // Pupils, languages and story files repeat on every row: one copy each.
    QHash<QByteArray, QString> uniche;
    qsizetype pos = 0;
    CampiCsv campi;
    std::optional<DisposizioneRegistro> d;
    while (pos < t.size()) {
        const bool completo = prossimoRecord(t, &pos, &campi);
        if (!d) {
            // The first record is the header, even a cut one.
            d = disposizione(campi, titoli);
            continue;
        }
        std::optional<RigaRegistro> r;
        if (completo)
            r = rigaDaCampi(campi, *d, &uniche);
        if (r)
            lettura->righe.push_back(std::move(*r));
        else
            ++lettura->scartate;
    }
    return !d || d->valida();
}

LetturaRegistro leggiCartellaRegistro(const QString &cartella, const TitoliRegistro &titoli)
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
        if (!leggiTestoRegistro(testo, titoli, &l))
            l.errori << p + QStringLiteral(": the first row does not name the record's columns");
    }
    return l;
}

std::vector<RigaRegistro> storiaAlunno(const QString &cartella, const QString &alunno, const TitoliRegistro &titoli)
{
    LetturaRegistro l = leggiCartellaRegistro(cartella, titoli);
    std::erase_if(l.righe, [&alunno](const RigaRegistro &r) { return r.alunno != alunno; });
    // Each file is in its own computer's order; the instants, whatever the
    // offsets written, put the computers' rows in one order.
    std::stable_sort(l.righe.begin(), l.righe.end(), [](const RigaRegistro &a, const RigaRegistro &b) {
        return a.inizio.toMSecsSinceEpoch() < b.inizio.toMSecsSinceEpoch();
    });
    return std::move(l.righe);
}
