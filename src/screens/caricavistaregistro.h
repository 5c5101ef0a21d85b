#pragma once

#include <QString>

class Schermo;
struct Contesto;
struct Scuola;

// The record view's plugin beside the program.
QString filePluginRegistro();

// The record view made by the plugin in that file, loaded on first use.
// Without it the adult is told, with the file's name, and there is no view.
Schermo *apriVistaRegistro(Contesto &c, const Scuola &scuola, const QString &file);
