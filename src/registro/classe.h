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

// The class of the settings folder. With no file: an empty class. A switch
// a file lacks (one written before it) is on. A file
// that cannot be read or understood gives an empty class and the fault,
// naming the file, in *errore; a file that is not a class is also copied
// to <file>.guasto, whose name follows. So is a file naming a pupil a
// spreadsheet would take for a formula (edited by hand): that name is put
// in *formula, when given.
Classe caricaClasse(const QString &cartellaImpostazioni, QString *errore, QString *formula = nullptr);
// Written through a temporary file and a rename, like the other settings.
bool salvaClasse(const Classe &classe, const QString &cartellaImpostazioni, QString *errore);
QString fileClasse(const QString &cartellaImpostazioni);
