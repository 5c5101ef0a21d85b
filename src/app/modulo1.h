#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class clsResize;

// The designed 16-bit types: Integer, and Boolean with True = -1.
using Integer = qint16;
using Boolean = qint16;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// The program-wide shared state that connects the screens. One object lives
// for the whole run; only the user-interface thread touches it.
struct Modulo1 {
    std::shared_ptr<clsResize> Ridimensiona; // the scaler of the screen loaded last
    Boolean SuonoAttivo = False;
    Boolean ModoMisto = False;
    Integer NumeroEsatti = 0;
    Integer NumeroErrati = 0;
    Integer ProblemaCorrente = 0;
    Integer Passo = 0;
    Integer NumeroTesti1 = 0;
    QString Testi1[101][16];
    Integer NumeroTesti2 = 0;
    QString Testi2[101][17];
    Integer Numero1 = 0;
    Integer Numero2 = 0;
    Integer Numero3 = 0;
    Integer Velocita = 0;
    Integer Voce = 0;
    QString FileImpostazioni;
};

// A count that would pass 32767 stays there (the designed 16-bit count
// would overflow).
inline Integer piuUno(Integer n)
{
    return n == 32767 ? n : Integer(n + 1);
}
