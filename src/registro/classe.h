#pragma once

#include <QList>
#include <QString>

// The pupils and the adult's choices, kept in numerella-classe.json in the
// settings folder. An empty class leaves the program as designed.
struct Alunno {
    QString nome;
    QString immagine; // an animation's file name in gifanimate/ ("gattino.gif")

    bool operator==(const Alunno &) const = default;
};

struct Classe {
    static constexpr int MassimoAlunni = 30;
    static constexpr int MassimoCaratteri = 40;

    QList<Alunno> alunni;
    QString cartellaRegistro; // empty: the settings folder
    bool soloAdultoEsce = false; // the menu's exit asks the adult's question

    // How the children press: pointer and keys as designed, or scanning
    // with one switch (the highlight moves by itself) or two (Space moves
    // it, Enter chooses). The scan's interval is in half seconds, 0.5 to 5.
    enum class Accesso { Tastiera, UnPulsante, DuePulsanti };
    static constexpr int TempoMinimoMs = 500;
    static constexpr int TempoMassimoMs = 5000;
    static constexpr int PassoTempoMs = 500;
    Accesso accesso = Accesso::Tastiera;
    int tempoScansioneMs = 1500;
    bool leggiPulsante = false; // the voice says each highlighted button

    bool operator==(const Classe &) const = default;

    // Why a name cannot be given to a pupil (or to pupil `escluso`, when it
    // is renamed); NomeValido when it can. The name is taken trimmed.
    enum Verifica { NomeValido, NomeVuoto, NomeLungo, NomeDoppio, NomeConControllo, ClassePiena };
    Verifica verifica(const QString &nome, int escluso = -1) const;

    // The record folder this class writes to.
    QString cartellaDelRegistro(const QString &cartellaImpostazioni) const
    {
        return cartellaRegistro.isEmpty() ? cartellaImpostazioni : cartellaRegistro;
    }
};

// The interval of a scan as the class keeps it: within 0.5 and 5 seconds,
// in half seconds.
int tempoScansioneValido(double secondi);

// The class of the settings folder. With no file: an empty class. Keys a
// file lacks (one written before them) take their defaults. A file
// that cannot be read or understood gives an empty class and the fault,
// naming the file, in *errore; a file that is not a class is also copied
// to <file>.guasto, whose name follows.
Classe caricaClasse(const QString &cartellaImpostazioni, QString *errore);
// Written through a temporary file and a rename, like the other settings.
bool salvaClasse(const Classe &classe, const QString &cartellaImpostazioni, QString *errore);
QString fileClasse(const QString &cartellaImpostazioni);
