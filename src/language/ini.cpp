#include "ini.h"

#include "codec.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The longest value the small-file reader delivers: the designed reader
// used a 512-character buffer with its terminating NUL.
constexpr int LunghezzaMassimaValore = 511;

// Lines of the small-file reader and of the writer: any of CR LF, LF, CR
// ends a line, as the platform's INI functions accept them all.
struct Riga {
    qsizetype inizio; // first byte
    qsizetype fine; // one past the last byte of the text
    qsizetype dopo; // one past the line break
};

QList<Riga> righe(const QByteArray &b)
{
    QList<Riga> r;
    qsizetype i = 0;
    const qsizetype n = b.size();
    while (i < n) {
        qsizetype j = i;
        while (j < n && b[j] != '\r' && b[j] != '\n')
            ++j;
        qsizetype k = j;
        if (k < n && b[k] == '\r')
            ++k;
        if (k < n && b[k] == '\n' && (k == j || b[k - 1] == '\r'))
            ++k;
        r.append({i, j, k});
        i = k;
    }
    return r;
}

QString sezioneDi(const QString &riga)
{
    const QString t = riga.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype chiusa = t.indexOf(QLatin1Char(']'));
    if (chiusa < 0)
        return QString();
    return t.mid(1, chiusa - 1).trimmed();
}

bool intestazione(const QString &riga)
{
    return riga.trimmed().startsWith(QLatin1Char('['));
}

bool commento(const QString &riga)
{
    return riga.trimmed().startsWith(QLatin1Char(';'));
}

// The key of an entry line, or an empty text for a line that is not one.
QString chiaveDi(const QString &riga)
{
    const qsizetype uguale = riga.indexOf(QLatin1Char('='));
    if (uguale < 0 || intestazione(riga) || commento(riga))
        return QString();
    return riga.left(uguale).trimmed();
}

bool stessoNome(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList lineePiccolo(const QString &testo)
{
    static const QRegularExpression finiRiga(QStringLiteral("\r\n|\r|\n"));
    return testo.split(finiRiga);
}

// trovata, when given, tells whether the section holds the key at all: an
// empty value is not a missing one.
std::optional<QString> leggiPiccolo(const QStringList &linee, const QString &sezione, const QString &chiave,
                                    bool *trovata = nullptr)
{
    const QString voluta = sezione.trimmed();
    const QString chiaveVoluta = chiave.trimmed();
    bool dentro = false;
    bool vista = false; // only the first section of that name counts
    for (const QString &l : linee) {
        if (intestazione(l)) {
            if (dentro)
                break;
            dentro = !vista && stessoNome(sezioneDi(l), voluta);
            vista = vista || dentro;
            continue;
        }
        if (!dentro)
            continue;
        const QString k = chiaveDi(l);
        if (k.isEmpty() || !stessoNome(k, chiaveVoluta))
            continue;
        QString v = l.mid(l.indexOf(QLatin1Char('=')) + 1).trimmed();
        if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        const qsizetype nul = v.indexOf(QChar(0));
        if (nul >= 0)
            v.truncate(nul);
        if (trovata)
            *trovata = true;
        return v.left(LunghezzaMassimaValore);
    }
    return QString();
}

// Large files are scanned as the designed program did: lines end at CR or
// CR LF only, the first line starting with the key wins whatever section
// it is in, and the value is what follows "key=" less its enclosing quotes.
// The value a large file's line gives when it starts with the key.
std::optional<QString> valoreGrande(QStringView riga, const QString &chiave)
{
    const QStringView resto = riga.mid(qMin(riga.size(), chiave.size() + 1));
    if (resto.size() < 2)
        return std::nullopt;
    return resto.mid(1, resto.size() - 2).toString();
}

// Calls f(start, end) for every line of a large file, in order, until f returns true.
template <class F> void perOgniRigaGrande(const QString &testo, F f)
{
    qsizetype i = 0;
    const qsizetype n = testo.size();
    while (i < n) {
        qsizetype j = testo.indexOf(QLatin1Char('\r'), i);
        if (j < 0)
            j = n;
        if (f(i, j))
            return;
        i = j + 1;
        if (i < n && testo[i] == QLatin1Char('\n'))
            ++i;
    }
}

std::optional<QString> leggiGrande(const QString &testo, const QString &chiave, bool *trovata = nullptr)
{
    std::optional<QString> v = QString();
    perOgniRigaGrande(testo, [&](qsizetype i, qsizetype j) {
        const QStringView riga = QStringView(testo).mid(i, j - i);
        if (!riga.startsWith(chiave, Qt::CaseSensitive))
            return false;
        v = valoreGrande(riga, chiave);
        if (trovata)
            *trovata = v.has_value();
        return true;
    });
    return v;
}

bool vietato(const QString &s)
{
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')) || s.contains(QChar(0));
}

std::optional<QString> leggiIni(const QString &file, const QString &sezione, const QString &chiave, bool *trovata)
{
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile())
        return std::nullopt;
    QByteArray bytes;
    if (!leggiFile(file, &bytes))
        return std::nullopt;
    const QString testo = decodificaTesto(bytes);
    if (bytes.size() <= SogliaLetturaIni)
        return leggiPiccolo(lineePiccolo(testo), sezione, chiave, trovata);
    return leggiGrande(testo, chiave, trovata);
}
} // namespace

std::optional<QString> MLSReadIniValue(const QString &file, const QString &sezione, const QString &chiave)
{
    return leggiIni(file, sezione, chiave, nullptr);
}

long MLSWriteIniValue(const QString &file, const QString &sezione, const QString &chiave, const QString &valore)
{
    // A line break would let a value write entries of its own; a key with
    // '=' or a section with ']' could never be read back.
    if (vietato(sezione) || vietato(chiave) || vietato(valore))
        return 0;
    const QString sez = sezione.trimmed();
    const QString key = chiave.trimmed();
    if (sez.isEmpty() || key.isEmpty() || sez.contains(QLatin1Char(']')) || key.contains(QLatin1Char('='))
        || key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')))
        return 0;

    QByteArray bytes;
    if (QFileInfo::exists(file) && !leggiFile(file, &bytes))
        return 0;
    const bool inUtf8 = testoInUtf8(bytes);
    auto codifica = [inUtf8](const QString &s) { return inUtf8 ? s.toUtf8() : codificaWindows1252(s); };
    auto decodifica = [inUtf8](const QByteArray &b) { return inUtf8 ? QString::fromUtf8(b) : decodificaTesto(b); };
    // New lines follow the file's own line ends.
    const QByteArray acapo = (bytes.contains('\n') && !bytes.contains("\r\n")) ? QByteArray("\n") : QByteArray("\r\n");

    const QList<Riga> linee = righe(bytes);
    qsizetype inizioSezione = -1; // index of the header line
    qsizetype ultimaVoce = -1; // last non-blank line of that section
    for (qsizetype i = 0; i < linee.size(); ++i) {
        const Riga &r = linee[i];
        const QString l = decodifica(bytes.mid(r.inizio, r.fine - r.inizio));
        if (intestazione(l)) {
            if (inizioSezione >= 0)
                break;
            if (stessoNome(sezioneDi(l), sez)) {
                inizioSezione = i;
                ultimaVoce = i;
            }
            continue;
        }
        if (inizioSezione < 0)
            continue;
        if (!l.trimmed().isEmpty())
            ultimaVoce = i;
        if (stessoNome(chiaveDi(l), key)) {
            // Replace only the value: the key as written and the rest of the file stay.
            const qsizetype uguale = bytes.indexOf('=', r.inizio);
            QByteArray nuovo = bytes.left(uguale + 1) + codifica(valore) + bytes.mid(r.fine);
            return scriviFileAtomico(file, nuovo) ? 1 : 0;
        }
    }

    const QByteArray voce = codifica(key) + '=' + codifica(valore) + acapo;
    QByteArray nuovo;
    if (inizioSezione >= 0) {
        const Riga &r = linee[ultimaVoce];
        nuovo = bytes.left(r.dopo);
        if (r.dopo == r.fine) // the file ended without a line break
            nuovo += acapo;
        nuovo += voce + bytes.mid(r.dopo);
    } else {
        nuovo = bytes;
        if (!nuovo.isEmpty() && !nuovo.endsWith('\n') && !nuovo.endsWith('\r'))
            nuovo += acapo;
        nuovo += '[' + codifica(sez) + ']' + acapo + voce;
    }
    return scriviFileAtomico(file, nuovo) ? 1 : 0;
}

namespace letturaini {

// What tells a file on disk from an earlier one of the same name.
struct Identita {
    bool valida = false;
    qint64 dispositivo = 0, nodo = 0, dimensione = 0, modificato = 0, cambiato = 0;
    bool operator==(const Identita &) const = default;
};

#ifdef Q_OS_UNIX
Identita identita(const struct stat &st)
{
    if (!S_ISREG(st.st_mode))
        return {};
    return {true,
            qint64(st.st_dev),
            qint64(st.st_ino),
            qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}
#endif

// A file compiled into the program (":/..."): it never changes while the
// program runs, and has no device or node.
bool risorsa(const QString &file)
{
    return file.startsWith(QLatin1Char(':'));
}

Identita identitaDi(const QString &file)
{
    if (risorsa(file)) {
        const QFileInfo f(file);
        return f.isFile() ? Identita{true, 0, 0, f.size(), 0, 0} : Identita{};
    }
#ifdef Q_OS_UNIX
    struct stat st {
    };
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return {};
    return identita(st);
#else
    const QFileInfo f(file);
    if (!f.isFile())
        return {};
    return {true,
            0,
            0,
            f.size(),
            f.lastModified().toMSecsSinceEpoch() * 1000000,
            f.metadataChangeTime().toMSecsSinceEpoch() * 1000000};
#endif
}

struct RigaIndice {
    quint32 inizio;
    quint32 lunghezza;
};

} // namespace letturaini

using namespace letturaini;

struct LettoreIni::Letto {
    // Kept open while the file is in memory: on disk its identity (inode)
    // cannot then be given to another file.
    QFile file;
    Identita id;
    // Kept while the file was modified too close to the read for its
    // identity to tell a later rewrite (copiaIncerta): then compared.
    std::optional<QByteArray> grezzo;
    QString testo;
    bool grande = false;
    QStringList linee; // a small file's lines
    // A large file's lines by their first four characters, each group in file order.
    QHash<quint64, std::vector<RigaIndice>> gruppi;

    QStringView riga(const RigaIndice &r) const { return QStringView(testo).mid(r.inizio, r.lunghezza); }

    static quint64 primiQuattro(QStringView v)
    {
        quint64 k = 0;
        for (qsizetype i = 0; i < 4; ++i)
            k = k << 16 | v[i].unicode();
        return k;
    }

    // The scan's answer: the first line in the file that starts with the key.
    std::optional<QString> cercaGrande(const QString &chiave, bool *trovata) const
    {
        if (chiave.size() < 4)
            return leggiGrande(testo, chiave, trovata);
        const auto gruppo = gruppi.constFind(primiQuattro(chiave));
        if (gruppo == gruppi.constEnd())
            return QString();
        for (const RigaIndice &r : *gruppo) {
            if (riga(r).startsWith(chiave, Qt::CaseSensitive)) {
                auto v = valoreGrande(riga(r), chiave);
                if (trovata)
                    *trovata = v.has_value();
                return v;
            }
        }
        return QString();
    }
};

LettoreIni::LettoreIni() = default;
LettoreIni::~LettoreIni() = default;

bool copiaIncerta(qint64 modificatoNs, qint64 lettoNs)
{
    return lettoNs - modificatoNs < qint64(2000000000);
}

std::optional<QString> LettoreIni::leggi(const QString &file, const QString &sezione, const QString &chiave)
{
    return leggi(file, sezione, chiave, nullptr);
}

std::optional<QString> LettoreIni::voce(const QString &file, const QString &sezione, const QString &chiave)
{
    bool trovata = false;
    auto v = leggi(file, sezione, chiave, &trovata);
    return trovata ? v : std::nullopt;
}

std::optional<QString> LettoreIni::leggi(const QString &file, const QString &sezione, const QString &chiave,
                                         bool *trovata)
{
    const qint64 ora = QDateTime::currentMSecsSinceEpoch() * 1000000; // before reading: what is read is newer
    const Identita id = identitaDi(file);
    auto it = m_file.find(file);
    if (it != m_file.end() && id.valida && it->second->id == id && it->second->grezzo) {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly) && f.readAll() == *it->second->grezzo) {
            if (!copiaIncerta(id.modificato, ora))
                it->second->grezzo.reset();
        } else {
            it->second->id = {};
        }
    }
    if (it != m_file.end() && !(id.valida && it->second->id == id)) {
        m_file.erase(it);
        it = m_file.end();
    }
    if (it == m_file.end() && id.valida) {
        auto l = std::make_unique<Letto>();
        l->file.setFileName(file);
        QByteArray bytes;
        if (l->file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
#ifdef Q_OS_UNIX
            struct stat st {
            };
            l->id = risorsa(file) ? id : ::fstat(l->file.handle(), &st) == 0 ? identita(st) : Identita{};
#else
            l->id = id;
#endif
            bytes = l->file.readAll();
#ifndef Q_OS_UNIX
            l->file.close();
#endif
        }
        // What cannot be read, or changes while it is read, is left to MLSReadIniValue.
        if (l->id.valida && l->id == id && bytes.size() == id.dimensione && bytes.size() < 0x7fffffff) {
            if (copiaIncerta(id.modificato, ora))
                l->grezzo = bytes;
            l->testo = decodificaTesto(bytes);
            l->grande = bytes.size() > SogliaLetturaIni;
            if (!l->grande) {
                l->linee = lineePiccolo(l->testo);
                l->testo.clear();
            } else {
                perOgniRigaGrande(l->testo, [&l](qsizetype i, qsizetype j) {
                    // A line shorter than four characters starts no key of four or more.
                    if (j - i >= 4)
                        l->gruppi[Letto::primiQuattro(QStringView(l->testo).mid(i))].push_back(
                            {quint32(i), quint32(j - i)});
                    return false;
                });
            }
            it = m_file.emplace(file, std::move(l)).first;
        }
    }
    if (it == m_file.end())
        return leggiIni(file, sezione, chiave, trovata);
    const Letto &l = *it->second;
    return l.grande ? l.cercaGrande(chiave, trovata) : leggiPiccolo(l.linee, sezione, chiave, trovata);
}

void LettoreIni::tieniSolo(const QStringList &file)
{
    std::erase_if(m_file, [&file](const auto &voce) { return !file.contains(voce.first); });
}
