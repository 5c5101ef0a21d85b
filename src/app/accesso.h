#pragma once

#include <QList>

class QAbstractButton;
class QWidget;
class ScansioneSchermo;
struct Classe;
struct Contesto;

// Scanning on a window a child uses, as the class asks (the targets in the
// order the highlight takes them); with pointer and keys nothing is added
// and null comes back. "Leggi il pulsante" speaks each highlighted caption
// through the program-wide engine, leaving the sentence that the repeat
// button says again as it was.
ScansioneSchermo *attivaScansione(Contesto &c, const Classe &k, QWidget *finestra,
                                  const QList<QAbstractButton *> &bersagli);
