#include "rigaregistro.h"

#include <algorithm>

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

QByteArray dueCifre(int n)
{
    return QByteArray::number(n).rightJustified(2, '0');
}

// "yyyy-MM-dd". Parsed by hand, like the rest of a row: the record view
// reads a school year of rows at once.
QDate giornoIso(QByteArrayView c)
{
    if (c.size() != 10 || c[4] != '-' || c[7] != '-')
        return {};
    // A digit that is not one gives -1, which QDate takes as the year 1 BC.
    const int anno = cifre(c, 0, 4);
    const QDate g(anno, cifre(c, 5, 2), cifre(c, 8, 2));
    return anno < 0 ? QDate() : g;
}

// "HH:mm:ss".
QTime oraIso(QByteArrayView c)
{
    if (c.size() != 8 || c[2] != ':' || c[5] != ':')
        return {};
    return QTime(cifre(c, 0, 2), cifre(c, 3, 2), cifre(c, 6, 2));
}

// "+hh:mm" or "-hh:mm", or "Z".
std::optional<int> offsetIso(QByteArrayView c)
{
    if (c == "Z")
        return 0;
    if (c.size() != 6 || (c[0] != '+' && c[0] != '-') || c[3] != ':')
        return std::nullopt;
    const int h = cifre(c, 1, 2);
    const int m = cifre(c, 4, 2);
    if (h < 0 || h > 14 || m < 0 || m > 59)
        return std::nullopt;
    return (h * 3600 + m * 60) * (c[0] == '-' ? -1 : 1);
}

// Any of these at the start makes a spreadsheet take a cell for a formula.
bool formula(char ch)
{
    return ch == '=' || ch == '+' || ch == '-' || ch == '@' || ch == '\t' || ch == '\r';
}

bool daProteggere(QByteArrayView t)
{
    qsizetype i = 0;
    while (i < t.size() && t[i] == '\'')
        ++i;
    return i < t.size() && formula(t[i]);
}

QString testo(QByteArrayView c, CelleLette *celle)
{
    if (!celle->uniche)
        return testoDaCella(c);
    const QByteArray chiave = QByteArray::fromRawData(c.data(), c.size());
    auto it = celle->uniche->constFind(chiave);
    if (it == celle->uniche->cend())
        it = celle->uniche->insert(c.toByteArray(), testoDaCella(c));
    return *it;
}

void numero(QByteArray *riga, int n)
{
    *riga += QByteArray::number(n);
}

bool leggiNumero(QByteArrayView c, int *n)
{
    *n = intero(c);
    return *n >= 0;
}

// The offset as text that no spreadsheet takes for a number or a formula.
void scriviFuso(const RigaRegistro &r, QByteArray *riga)
{
    const int offset = r.inizio.offsetFromUtc();
    const int a = offset < 0 ? -offset : offset;
    *riga += "\"UTC" + QByteArray(1, offset < 0 ? '-' : '+') + dueCifre(a / 3600) + ':' + dueCifre(a / 60 % 60) + '"';
}

bool leggiFuso(QByteArrayView c, RigaRegistro *, CelleLette *celle)
{
    if (!c.startsWith("UTC"))
        return false;
    celle->offset = offsetIso(c.sliced(3));
    return celle->offset.has_value();
}

// The start as older versions wrote it: "2026-03-02T08:15:00+01:00".
bool leggiInizioIso(QByteArrayView c, RigaRegistro *, CelleLette *celle)
{
    if (c.size() < 20 || c[10] != 'T')
        return false;
    celle->giorno = giornoIso(c.first(10));
    celle->ora = oraIso(c.sliced(11, 8));
    celle->offset = offsetIso(c.sliced(19));
    return celle->giorno.isValid() && celle->ora.isValid() && celle->offset;
}

// The day and the time as values that spreadsheets recognise, in the
// computer's own time; the offset in a column of its own.
constexpr ColonnaRegistro Colonne[] = {
    {"0161", [](const RigaRegistro &r, QByteArray *riga) { *riga += r.inizio.date().toString(Qt::ISODate).toLatin1(); },
     [](QByteArrayView c, RigaRegistro *, CelleLette *celle) {
         celle->giorno = giornoIso(c);
         return celle->giorno.isValid();
     }},
    {"0162",
     [](const RigaRegistro &r, QByteArray *riga) {
         *riga += r.inizio.time().toString(QStringLiteral("HH:mm:ss")).toLatin1();
     },
     [](QByteArrayView c, RigaRegistro *, CelleLette *celle) {
         celle->ora = oraIso(c);
         return celle->ora.isValid();
     }},
    {"0163", scriviFuso, leggiFuso},
    {"0121", [](const RigaRegistro &r, QByteArray *riga) { *riga += cellaTesto(r.alunno); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *celle) {
         r->alunno = testo(c, celle);
         return true;
     }},
    {"0122", [](const RigaRegistro &r, QByteArray *riga) { *riga += cellaTesto(r.lingua); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *celle) {
         r->lingua = testo(c, celle);
         return true;
     }},
    {"0123", [](const RigaRegistro &r, QByteArray *riga) { *riga += cellaTesto(QString(r.operazione)); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) {
         // "'-" as written; "-" as older versions wrote it.
         const bool meno = c == "'-" || c == "-";
         r->operazione = meno ? u'-' : u'+';
         return meno || c == "'+" || c == "+";
     }},
    {"0124", [](const RigaRegistro &r, QByteArray *riga) { *riga += cellaTesto(r.fileStorie); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *celle) {
         r->fileStorie = testo(c, celle);
         return true;
     }},
    {"0125", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.rigaStoria); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->rigaStoria); }},
    {"0126", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.primo); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->primo); }},
    {"0127", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.secondo); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->secondo); }},
    {"0128", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.risultato); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->risultato); }},
    {"0129", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.errati[0]); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->errati[0]); }},
    {"0130", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.errati[1]); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->errati[1]); }},
    {"0131", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.errati[2]); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->errati[2]); }},
    {"0132", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.errati[3]); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->errati[3]); }},
    {"0133", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.riascolti); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->riascolti); }},
    // Empty while the problem was not finished.
    {"0134",
     [](const RigaRegistro &r, QByteArray *riga) {
         if (r.secondi >= 0)
             numero(riga, r.secondi);
     },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) {
         return c.isEmpty() ? (r->secondi = -1, true) : leggiNumero(c, &r->secondi);
     }},
    {"0135", [](const RigaRegistro &r, QByteArray *riga) { *riga += r.finito ? '1' : '0'; },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) {
         r->finito = c == "1";
         return r->finito || c == "0";
     }},
    // Files written before review lack it: no problem in them was one.
    {"0136", [](const RigaRegistro &r, QByteArray *riga) { *riga += r.ripasso ? '1' : '0'; },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) {
         r->ripasso = c == "1";
         return r->ripasso || c == "0";
     },
     "", true},
    // Added later: the records begun before have none.
    {"0137", [](const RigaRegistro &r, QByteArray *riga) { numero(riga, r.aiuti); },
     [](QByteArrayView c, RigaRegistro *r, CelleLette *) { return leggiNumero(c, &r->aiuti); }, "", true},
    // Read only.
    {"0120", nullptr, leggiInizioIso, "0161 0162 0163"},
};

constexpr int Scritte = [] {
    int n = 0;
    for (const ColonnaRegistro &c : Colonne)
        n += c.scrivi != nullptr;
    return n;
}();

// The older layout: the columns of titles 0120 to 0135, in that order.
std::vector<int> disposizioneIso()
{
    std::vector<int> d;
    for (int k = 120; k <= 135; ++k) {
        for (size_t i = 0; i < std::size(Colonne); ++i) {
            if (QByteArrayView(Colonne[i].chiave) == QByteArray::number(k).rightJustified(4, '0'))
                d.push_back(int(i));
        }
    }
    return d;
}

bool titoloUguale(const QString &a, const QString &b)
{
    return QStringView(a).trimmed().compare(QStringView(b).trimmed(), Qt::CaseInsensitive) == 0;
}

// Each needed column is in the file, or one that stands for it.
bool completa(const std::vector<int> &d)
{
    auto presente = [&](int i) { return std::find(d.begin(), d.end(), i) != d.end(); };
    for (int i = 0; i < Scritte; ++i) {
        if (Colonne[i].facoltativa || presente(i))
            continue;
        bool sostituita = false;
        for (size_t j = 0; j < std::size(Colonne); ++j) {
            const QList<QByteArray> chiavi = QByteArray(Colonne[j].alPostoDi).split(' ');
            sostituita = sostituita || (presente(int(j)) && chiavi.contains(QByteArray(Colonne[i].chiave)));
        }
        if (!sostituita)
            return false;
    }
    return true;
}

} // namespace

std::span<const ColonnaRegistro> colonneRegistro()
{
    return Colonne;
}

int colonneScritte()
{
    return Scritte;
}

QByteArray cellaTesto(const QString &t)
{
    QByteArray f = t.toUtf8();
    if (daProteggere(f))
        f.prepend('\'');
    return '"' + f.replace('"', "\"\"") + '"';
}

QString testoDaCella(QByteArrayView c)
{
    if (c.startsWith('\'') && daProteggere(c))
        c = c.sliced(1);
    return QString::fromUtf8(c);
}

QByteArray intestazioneCsv(const QStringList &titoli)
{
    QByteArray riga;
    for (qsizetype i = 0; i < titoli.size(); ++i) {
        if (i)
            riga += ';';
        riga += cellaTesto(titoli[i]);
    }
    return riga + "\r\n";
}

QByteArray rigaCsv(const RigaRegistro &r)
{
    QByteArray riga;
    for (int i = 0; i < Scritte; ++i) {
        if (i)
            riga += ';';
        Colonne[i].scrivi(r, &riga);
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

DisposizioneRegistro disposizione(const CampiCsv &intestazione, const TitoliRegistro &titoli)
{
    DisposizioneRegistro d;
    std::vector<int> colonne;
    for (qsizetype k = 0; k < intestazione.size(); ++k) {
        const QString titolo = testoDaCella(intestazione[k]);
        int trovata = -1;
        for (size_t i = 0; i < titoli.size() && i < std::size(Colonne) && trovata < 0; ++i) {
            for (const QString &t : titoli[i]) {
                // A column is named once: the older "Start" and a later
                // column may share a title in some language.
                if (titoloUguale(t, titolo) && std::find(colonne.begin(), colonne.end(), int(i)) == colonne.end()) {
                    trovata = int(i);
                    break;
                }
            }
        }
        colonne.push_back(trovata);
    }
    if (!completa(colonne)) {
        // Titles in a language no longer known: the layouts by their count.
        colonne.clear();
        if (intestazione.size() == Scritte) {
            for (int i = 0; i < Scritte; ++i)
                colonne.push_back(i);
        } else if (const std::vector<int> iso = disposizioneIso(); intestazione.size() == qsizetype(iso.size())) {
            colonne = iso;
        }
        return {colonne, false};
    }
    d.colonne = colonne;
    d.attuale = int(colonne.size()) == Scritte;
    for (int i = 0; i < Scritte && d.attuale; ++i)
        d.attuale = colonne[size_t(i)] == i;
    return d;
}

std::optional<RigaRegistro> rigaDaCampi(const CampiCsv &c, const DisposizioneRegistro &d,
                                        QHash<QByteArray, QString> *uniche)
{
    if (!d.valida() || c.size() != qsizetype(d.colonne.size()))
        return std::nullopt;
    RigaRegistro r;
    CelleLette celle;
    celle.uniche = uniche;
    for (qsizetype k = 0; k < c.size(); ++k) {
        const int i = d.colonne[size_t(k)];
        if (i >= 0 && !Colonne[i].leggi(c[k], &r, &celle))
            return std::nullopt;
    }
    if (!celle.giorno.isValid() || !celle.ora.isValid() || !celle.offset)
        return std::nullopt;
    r.inizio = QDateTime(celle.giorno, celle.ora, Qt::OffsetFromUTC, *celle.offset);
    // Only a finished problem has a time; a row cut inside it has none.
    if ((r.secondi < 0) == r.finito)
        return std::nullopt;
    return r;
}
