#include "schermi.h"

#include "caricavistaregistro.h"
#include "contesto.h"
#include "elencoschermi.h"
#include "form1.h"
#include "form2.h"
#include "formadulto.h"
#include "formavvio.h"
#include "formbocca.h"
#include "formchigioca.h"
#include "formclasse.h"
#include "formimposta.h"
#include "formmenu.h"
#include "modulo1.h"

void registraSchermi(Contesto &c, Modulo1 &stato)
{
    // Each screen is given the parts of the shared state it uses: what it
    // may change shows in its constructor.
    Punteggio &punteggio = stato;
    Storie &storie = stato;
    Impostazioni &impostazioni = stato;
    Scuola &scuola = stato;
    ElencoSchermi &e = c.schermi;
    e.registra(QStringLiteral("FormAvvio"), [&c, &scuola] { return new FormAvvio(c, scuola); });
    e.registra(QStringLiteral("FormMenu"),
               [&c, &punteggio, &storie, &scuola] { return new FormMenu(c, punteggio, storie, scuola); });
    e.registra(QStringLiteral("FormImposta"),
               [&c, &impostazioni, &scuola] { return new FormImposta(c, impostazioni, scuola); });
    e.registra(QStringLiteral("Form1"),
               [&c, &punteggio, &storie, &scuola] { return new Form1(c, punteggio, storie, scuola); });
    e.registra(QStringLiteral("Form2"),
               [&c, &punteggio, &storie, &scuola] { return new Form2(c, punteggio, storie, scuola); });
    e.registra(QStringLiteral("FormBocca"), [&c, &impostazioni] { return new FormBocca(c, impostazioni); });
    e.registra(QStringLiteral("FormAdulto"), [&c, &scuola] { return new FormAdulto(c, scuola); });
    e.registra(QStringLiteral("FormClasse"), [&c, &scuola] { return new FormClasse(c, scuola); });
    e.registra(QStringLiteral("FormChiGioca"), [&c, &scuola] { return new FormChiGioca(c, scuola); });
    e.registra(QStringLiteral("FormRegistro"),
               [&c, &scuola] { return apriVistaRegistro(c, scuola, filePluginRegistro()); });
}
