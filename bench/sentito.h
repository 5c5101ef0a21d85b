#pragma once

// What the child hears, taken from outside the program: a recorder on the
// private null sink's monitor, read in pieces of a few milliseconds and each
// piece stamped with its arrival time, gives the moment the first sample of
// a sound was heard. The presses are made from inside the program and
// stamped on the same clock.

class Programma;

// From the menu: "Problemi con addizione", then the right answer, a wrong
// answer, the repeat button and a second wrong answer (to the first sound of
// its hint), each press to its first sound heard; the
// longest silence inside the first question as recorded beside the longest
// in its synthesised samples; and paplay of a short beep, the floor of the
// measurement. Prints the figures for bench/cifre.sh.
int comandoSentito(Programma &p);
