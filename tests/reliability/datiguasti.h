#pragma once

// Broken data for the reliability tests: the ways a file the program reads
// can be damaged, and files made to measure (stories, sounds).

#include <QByteArray>
#include <QString>

// How a file is damaged.
enum class Guasto {
    Mancante,    // not there
    Vuoto,       // zero bytes
    Illeggibile, // no read permission (binds no one when the tests run as root)
    Spazzatura,  // binary garbage
    Grande,      // 10 MB: the file's own text padded to that size
    Cartella,    // a folder where the file should be
};

QString nomeGuasto(Guasto g);

inline constexpr qsizetype DieciMega = 10 * 1024 * 1024;

// True when permission bits do not stop this process from reading.
bool permessiIgnorati();

// Damages the file at percorso. For Grande, riempitivo is the line appended
// again and again until the file holds 10 MB (a line the file's reader
// takes as nothing: blank lines for stories, comments for INI files). False
// with *errore when it could not be done.
bool guasta(const QString &percorso, Guasto g, const QByteArray &riempitivo, QString *errore);

// Deterministic garbage: every byte value, NULs and line breaks included.
QByteArray bytesCasuali(quint32 seme, qsizetype quanti);

// quante stories of campi fields (15 for lista1.txt, 16 for lista2.txt)
// plus the dropped last field, each naming a shipped animation, CR LF.
QByteArray storieProva(int quante, int campi);

// A mono 16-bit 22050 Hz WAV holding byteAudio bytes of a quiet tone.
QByteArray wavProva(qsizetype byteAudio);

// Copies a folder's files and subfolders.
bool copiaCartella(const QString &da, const QString &a);
