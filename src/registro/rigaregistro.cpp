#include "rigaregistro.h"

namespace {

// A whole number of at most six digits; -1 when the field is anything else.
int intero(QByteArrayView c)
{
    if (c.isEmpty() || c.size() > 6)
        return -1;
    int v = 0;
    for (char ch : c) {
        if (ch < '0' || ch > '9')
            return -1;
        v = v * 10 + (ch - '0');
    }
    return v;
}

int cifre(QByteArrayView c, qsizetype da, qsizetype n)
{
    return intero(c.sliced(da, n));
}

// "yyyy-MM-ddTHH:mm:ss+hh:mm" (or "Z"), as dataIso writes it. Parsed by hand:
// the record view reads a school year of rows at once.
QDateTime dataDaIso(QByteArrayView c)
{
    if (c.size() < 20 || c[4] != '-' || c[7] != '-' || c[10] != 'T' || c[13] != ':' || c[16] != ':')
        return {};
    // A digit that is not one gives -1, which QDate takes as the year 1 BC.
    const int anno = cifre(c, 0, 4);
    const QDate giorno(anno, cifre(c, 5, 2), cifre(c, 8, 2));
    const QTime ora(cifre(c, 11, 2), cifre(c, 14, 2), cifre(c, 17, 2));
    if (anno < 0 || !giorno.isValid() || !ora.isValid())
        return {};
    int offset = 0;
    const QByteArrayView resto = c.sliced(19);
    if (resto != "Z") {
        if (resto.size() != 6 || (resto[0] != '+' && resto[0] != '-') || resto[3] != ':')
            return {};
        const int h = cifre(resto, 1, 2);
        const int m = cifre(resto, 4, 2);
        if (h < 0 || h > 14 || m < 0 || m > 59)
            return {};
        offset = (h * 3600 + m * 60) * (resto[0] == '-' ? -1 : 1);
    }
    return QDateTime(giorno, ora, Qt::OffsetFromUTC, offset);
}

QString testo(QByteArrayView c, QHash<QByteArray, QString> *uniche)
{
    if (!uniche)
        return QString::fromUtf8(c);
    const QByteArray chiave = QByteArray::fromRawData(c.data(), c.size());
    auto it = uniche->constFind(chiave);
    if (it == uniche->cend())
        it = uniche->insert(c.toByteArray(), QString::fromUtf8(c));
    return *it;
}

} // namespace

QByteArray dataIso(const QDateTime &d)
{
    const int offset = d.offsetFromUtc();
    const int a = offset < 0 ? -offset : offset;
    return d.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + (offset < 0 ? '-' : '+')
        + QByteArray::number(a / 3600).rightJustified(2, '0') + ':'
        + QByteArray::number(a / 60 % 60).rightJustified(2, '0');
}

QStringList campiRiga(const RigaRegistro &r)
{
    QStringList c{QString::fromLatin1(dataIso(r.inizio)),
                  r.alunno,
                  r.lingua,
                  QString(r.operazione),
                  r.fileStorie,
                  QString::number(r.rigaStoria),
                  QString::number(r.primo),
                  QString::number(r.secondo),
                  QString::number(r.risultato)};
    for (int e : r.errati)
        c << QString::number(e);
    c << QString::number(r.riascolti) << (r.secondi < 0 ? QString() : QString::number(r.secondi))
      << QString(r.finito ? u'1' : u'0');
    return c;
}

QByteArray rigaCsv(const QStringList &campi)
{
    QByteArray riga;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        if (i)
            riga += ';';
        QByteArray f = campi[i].toUtf8();
        // A blank at an end is quoted too, or a spreadsheet may trim it.
        if (f.contains(';') || f.contains('"') || f.contains('\n') || f.contains('\r')
            || (!f.isEmpty() && (f.front() == ' ' || f.back() == ' ')))
            f = '"' + f.replace('"', "\"\"") + '"';
        riga += f;
    }
    return riga + "\r\n";
}

bool prossimoRecord(QByteArrayView t, qsizetype *pos, CampiCsv *campi)
{
    // A field points into the text; only one with doubled quotes is
    // copied. The record view reads a school year of rows at once.
    campi->campi.clear();
    campi->copie.clear();
    const char *d = t.data();
    const qsizetype n = t.size();
    qsizetype i = *pos;
    for (;;) {
        QByteArrayView campo;
        if (i < n && d[i] == '"') {
            const qsizetype inizio = ++i;
            bool doppie = false;
            for (;;) {
                if (i >= n) {
                    *pos = n;
                    return false; // cut inside the quotes
                }
                if (d[i] == '"') {
                    if (i + 1 < n && d[i + 1] == '"') {
                        doppie = true;
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            campo = QByteArrayView(d + inizio, i - inizio);
            if (doppie)
                campo = campi->copie.emplace_back(campo.toByteArray().replace("\"\"", "\""));
            ++i;
        }
        // Up to the end of the field: anything between a closing quote and
        // the separator is left out. CRs at the end are dropped, so CR LF and
        // a CR left by a cut row both end at the LF.
        const qsizetype inizio = i;
        while (i < n && d[i] != ';' && d[i] != '\n')
            ++i;
        if (campo.data() == nullptr) {
            qsizetype fine = i;
            while (fine > inizio && d[fine - 1] == '\r')
                --fine;
            campo = QByteArrayView(d + inizio, fine - inizio);
        }
        campi->campi.append(campo);
        if (i >= n) {
            *pos = n;
            return false; // no line end: a row cut or still being written
        }
        if (d[i++] == '\n') {
            *pos = i;
            return true;
        }
    }
}

std::optional<RigaRegistro> rigaDaCampi(const CampiCsv &c, QHash<QByteArray, QString> *uniche)
{
    if (c.size() != ColonneRegistro)
        return std::nullopt;
    RigaRegistro r;
    r.inizio = dataDaIso(c[0]);
    if (!r.inizio.isValid() || (c[3] != "+" && c[3] != "-") || (c[15] != "0" && c[15] != "1"))
        return std::nullopt;
    r.alunno = testo(c[1], uniche);
    r.lingua = testo(c[2], uniche);
    r.operazione = QLatin1Char(c[3][0]);
    r.fileStorie = testo(c[4], uniche);
    int *numeri[] = {&r.rigaStoria, &r.primo,     &r.secondo,   &r.risultato, &r.errati[0],
                     &r.errati[1],  &r.errati[2], &r.errati[3], &r.riascolti};
    for (int i = 0; i < 9; ++i) {
        *numeri[i] = intero(c[5 + i]);
        if (*numeri[i] < 0)
            return std::nullopt;
    }
    r.finito = c[15] == "1";
    r.secondi = c[14].isEmpty() ? -1 : intero(c[14]);
    // Only a finished problem has a time; a row cut inside it has none.
    if ((r.secondi < 0) == r.finito)
        return std::nullopt;
    return r;
}
