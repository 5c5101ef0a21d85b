#pragma once

// The measurements of the real program beyond the exercise screens' CPU:
// the menu's CPU and memory, the answer's speech latency and the language
// switch. Each returns the exit status of the driver.

#include <QString>

class Programma;

int comandoMenu(Programma &p, int secondi);
int comandoRisposta(Programma &p, int problemi);
int comandoLingua(Programma &p, int cambi);
int comandoApertura(Programma &p, int volte);

// A program folder for the language switch: the data of the built program
// (animations, sounds, stories by link; language files copied) plus
// "Grande.lng", the Italian file padded with comment lines to about 70 KB.
bool preparaCartellaLingue(const QString &daCartella, const QString &cartella);
