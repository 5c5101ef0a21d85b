#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The pupils and the adult's choices, kept in numerella-classe.json in the
// settings folder. An empty class leaves the program as designed.
struct Alunno {
    QString nome;
    // A picture's file name: a still picture in figure/ ("sole.png") or a
    // story's animation in gifanimate/ ("gattino.gif"). Stored by name, so a
    // pupil keeps theirs whatever pictures are added.
    QString immagine;

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
    // The teacher's say on the help: missed problems come back (review), and
    // hints where a child is stuck. Both off: problems drawn as designed.
    bool ripasso = true;
    bool aiuti = true;

    bool operator==(const Classe &) const = default;

    // Why a name cannot be given to a pupil (or to pupil `escluso`, when it
    // is renamed); NomeValido when it can. The name is taken trimmed.
    // NomeFormula: a name starting with '=', '+', '-' or '@', which a
    // spreadsheet opening the record would run as a formula.
    enum Verifica { NomeValido, NomeVuoto, NomeLungo, NomeDoppio, NomeConControllo, ClassePiena, NomeFormula };
    Verifica verifica(const QString &nome, int escluso = -1) const;

    // The picture for a new pupil: the first of `offerte` that no pupil has,
    // so that no two children look for the same one; when every one is
    // taken, the first of the least used. Empty when none is offered.
    QString prossimaImmagine(const QStringList &offerte) const;

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
// file lacks (one written before them) take their defaults: the help's
// switches are on. A file
// that cannot be read or understood gives an empty class and the fault,
// naming the file, in *errore; a file that is not a class is also copied
// to <file>.guasto, whose name follows. So is a file naming a pupil a
// spreadsheet would take for a formula (edited by hand): that name is put
// in *formula, when given.
Classe caricaClasse(const QString &cartellaImpostazioni, QString *errore, QString *formula = nullptr);
// Written through a temporary file and a rename, like the other settings.
bool salvaClasse(const Classe &classe, const QString &cartellaImpostazioni, QString *errore);
QString fileClasse(const QString &cartellaImpostazioni);
