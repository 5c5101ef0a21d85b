#pragma once

#include <QString>
#include <map>
#include <memory>
#include <optional>

// Files above this size are not read as INI files but scanned line by line.
inline constexpr qint64 SogliaLetturaIni = 64000;

// The value of a key in a section of an INI-style file, or the empty text
// when section or key is absent. nullopt when the read fails (the file does
// not exist or cannot be read; in a large file, a matching line with fewer
// than two characters after '=').
//
// Files of at most 64000 bytes: section and key names match regardless of
// letter case, blanks around key and value are ignored, a value in double or
// single quotes is delivered without them, values are cut to 511 characters.
// Larger files: the first line that starts with the key (case counts,
// sections ignored) gives the text after "key=" less its first and last
// character.
std::optional<QString> MLSReadIniValue(const QString &file, const QString &sezione, const QString &chiave);

// Stores a value under a key: file, section and key are created when absent,
// an existing value is replaced in place, the rest of the file is kept byte
// for byte, and the file is replaced atomically. Refuses (returns 0) a
// section, key or value holding a line break or a NUL. Non-zero on success.
long MLSWriteIniValue(const QString &file, const QString &sezione, const QString &chiave, const QString &valore);

// Whether a copy read at lettoNs may miss a rewrite of a file last modified
// at modificatoNs (nanoseconds since the epoch): on FAT a modification time
// has a tick of two seconds, so a rewrite at the same size within the tick of
// the read leaves the file looking as it was read.
bool copiaIncerta(qint64 modificatoNs, qint64 lettoNs);

// MLSReadIniValue with the files kept in memory: each file is read and
// decoded once (a large one also indexed by its lines), and every later
// lookup gives what MLSReadIniValue would give, without reading it again.
// A file is read anew once it has changed on disk (replaced, or its size
// or times changed, or its bytes while copiaIncerta); only the files of the last few lookups are kept.
class LettoreIni
{
public:
    LettoreIni();
    ~LettoreIni();
    LettoreIni(const LettoreIni &) = delete;
    LettoreIni &operator=(const LettoreIni &) = delete;

    std::optional<QString> leggi(const QString &file, const QString &sezione, const QString &chiave);
    // The value only when the file holds the key (an empty value included);
    // nullopt when the key is absent or the file cannot be read.
    std::optional<QString> voce(const QString &file, const QString &sezione, const QString &chiave);
    // Forgets every file but these.
    void tieniSolo(const QStringList &file);

private:
    std::optional<QString> leggi(const QString &file, const QString &sezione, const QString &chiave, bool *trovata);
    struct Letto;
    std::map<QString, std::unique_ptr<Letto>> m_file;
};
