#pragma once

// What the drivers of the real program share: waiting while the event loop
// runs, opening an exercise screen on a chosen problem, the engine of the
// run, the process's CPU time and memory, and the figures printed for
// bench/cifre.sh.

#include <QString>

class FormEsercizio;
class MotoreEspeak;
class Programma;
class QPushButton;

namespace dalvivo {

// Runs the event loop for that long.
void attendi(int ms);

// Seeds the generator so that the next problem on that screen (1: Form1,
// 2: Form2) has these numbers, making the same draws NuovoProblema makes.
void prossimo(Programma &p, int schermo, int n3, int n1);

// What the menu does: shows the exercise screen on that problem, then
// unloads the screens that were on display (all of them unless tenere).
// Returns once the first question has been spoken.
FormEsercizio *apri(Programma &p, int schermo, int n3, int n1, bool tenere = false);

// The button of a press written as a character: a digit, '+', '-' or '='.
QPushButton *bottone(FormEsercizio *f, QChar t);

// Waits until the screen has carried out what it started: the engine
// silent and the answer buttons free again; false after ms.
bool attendiRisposte(Programma &p, FormEsercizio *f, int ms = 30000);

// What a child sees of the problem: the answer sentences shown (the Passo
// up to 3), and the animation cells shown.
int risposteMostrate(FormEsercizio *f);
int celleMostrate(FormEsercizio *f);

// The espeak-ng engine of FormBocca; null when the run uses another.
MotoreEspeak *motore(Programma &p);

// Waits until the engine of the run is silent; false after ms.
bool attendiSilenzio(Programma &p, int ms = 20000);

// User plus system CPU time of the whole process (every thread), seconds.
double secondiCpu();
// The same for the calling thread only.
double secondiCpuThread();
// An entry of /proc/self/status ("VmRSS:") as written there, and VmRSS in MB.
QString statoMemoria(const char *voce);
double rssMb();

// A figure for bench/cifre.sh: "CIFRA <name> <value>" on its own line.
void cifra(const char *nome, double valore);

} // namespace dalvivo
