#pragma once

#include <QtPlugin>

class Schermo;
struct Contesto;
struct Scuola;

// What the record view's plugin gives the program: the view and its PDF,
// with Qt Charts behind them. Only the adult opens the view, so a child's
// session does not load Qt Charts and the OpenGL libraries it needs.
class FabbricaVistaRegistro
{
public:
    virtual ~FabbricaVistaRegistro() = default;
    virtual Schermo *vista(Contesto &c, const Scuola &scuola) = 0;
};

#define FabbricaVistaRegistro_iid "numerella.FabbricaVistaRegistro/2"
Q_DECLARE_INTERFACE(FabbricaVistaRegistro, FabbricaVistaRegistro_iid)
