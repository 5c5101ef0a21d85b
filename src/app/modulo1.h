#pragma once

#include "classe.h"
#include "domandaadulto.h"
#include "ripasso.h"
#include "testi.h"
#include "tipi.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class ScrittoreRegistro;

// The program-wide shared state that connects the screens, in named parts.
// One object lives for the whole run; only the user-interface thread
// touches it.

// The score, shared by both exercise screens for the whole run, and the
// exercise mode the menu chose.
struct Punteggio {
    Boolean ModoMisto = False;
    Integer NumeroEsatti = 0;
    Integer NumeroErrati = 0;
};

// The stories of the two exercises. The problem in progress (its row, its
// numbers and Passo) belongs to the exercise screen on display.
struct Storie {
    std::vector<Storia> Testi1;
    std::vector<Storia> Testi2;
    QString CartellaStorie = QStringLiteral("testi"); // where they are read from, inside the program folder
};

// The settings: voice and speed from the settings file, and whether the
// feedback sounds play.
struct Impostazioni {
    Boolean SuonoAttivo = False;
    Integer Velocita = 0;
    Integer Voce = 0;
    QString FileImpostazioni;
};

// Beyond the designed program: the class, who is playing, and the record.
// With no pupils the screens are as designed; the record is kept all the
// same, a visitor's rows with an empty pupil.
struct Scuola {
    Classe ClasseAlunni;
    QString AlunnoCorrente; // empty: a visitor
    std::shared_ptr<ScrittoreRegistro> Registro; // made at the first row; dropped when the folder changes
    QStringList CartelleSenzaRegistro; // folders that could not be written, already told
    DomandaAdulto UltimaDomandaAdulto; // the next one is another
    Ripasso RipassoCorrente; // the review queue of who is playing
};

struct Modulo1 : Punteggio, Storie, Impostazioni, Scuola {
};

// Fills Testi1 and Testi2 from lista1.txt and lista2.txt of testi/<propria>
// in the program folder, a language's own stories, or of testi/ itself when
// propria is empty. Returns the error text of the first file that cannot be
// loaded (empty on success); the tables are then left untouched.
QString CaricaListe(Storie &m, const QString &cartellaProgramma, const QString &propria = QString());
// Where those stories are, inside the program folder: "testi/<propria>" or "testi".
inline QString percorsoStorie(const QString &propria)
{
    return propria.isEmpty() ? QStringLiteral("testi") : QStringLiteral("testi/") + propria;
}
