#pragma once

#include "testi.h"
#include "tipi.h"

#include <QString>
#include <memory>
#include <vector>

class clsResize;

// The program-wide shared state that connects the screens. One object lives
// for the whole run; only the user-interface thread touches it.
struct Modulo1 {
    std::shared_ptr<clsResize> Ridimensiona; // the scaler of the screen loaded last
    Boolean SuonoAttivo = False;
    Boolean ModoMisto = False;
    Integer NumeroEsatti = 0;
    Integer NumeroErrati = 0;
    // The stories of the two exercises. The problem in progress (its row,
    // its numbers and Passo) belongs to the exercise screen on display.
    std::vector<Storia> Testi1;
    std::vector<Storia> Testi2;
    Integer Velocita = 0;
    Integer Voce = 0;
    QString FileImpostazioni;
};

// Fills Testi1 and Testi2 from <cartella>/testi/lista1.txt and lista2.txt.
// Returns the error text of the first file that cannot be loaded (empty on
// success); the tables are then left untouched.
inline QString CaricaListe(Modulo1 &m, const QString &cartellaProgramma)
{
    return CaricaListe(m.Testi1, m.Testi2, cartellaProgramma);
}
