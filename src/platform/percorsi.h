#pragma once

#include <QString>

// The two folders the program works with. Tests build their own.
struct Percorsi {
    QString programma; // the folder of the executable: data files live here
    QString impostazioni; // the settings folder: numerella.INI and leggimi.txt

    // <program folder> and <XDG config home>/ImpostazioniProgrammiZefra
    // (C:\ImpostazioniProgrammiZefra on Windows).
    static Percorsi diSistema();

    // Joins a folder and a relative name written with either separator
    // ("\testi\lista1.txt" or "testi/lista1.txt").
    static QString unisci(const QString &cartella, const QString &relativo);

    // The real path of percorso (links followed) when it lies inside the
    // real path of cartella; empty when it leads elsewhere or is missing.
    static QString veroDentro(const QString &cartella, const QString &percorso);
};
