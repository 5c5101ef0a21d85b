#include "schermi.h"

#include "caricavistaregistro.h"
#include "contesto.h"
#include "form1.h"
#include "form2.h"
#include "formadulto.h"
#include "formavvio.h"
#include "formbocca.h"
#include "formchigioca.h"
#include "formclasse.h"
#include "formimposta.h"
#include "formmenu.h"
#include "registroschermi.h"

void registraSchermi(Contesto &c)
{
    RegistroSchermi &r = c.registro;
    r.registra(QStringLiteral("FormAvvio"), [&c] { return new FormAvvio(c); });
    r.registra(QStringLiteral("FormMenu"), [&c] { return new FormMenu(c); });
    r.registra(QStringLiteral("FormImposta"), [&c] { return new FormImposta(c); });
    r.registra(QStringLiteral("Form1"), [&c] { return new Form1(c); });
    r.registra(QStringLiteral("Form2"), [&c] { return new Form2(c); });
    r.registra(QStringLiteral("FormBocca"), [&c] { return new FormBocca(c); });
    r.registra(QStringLiteral("FormAdulto"), [&c] { return new FormAdulto(c); });
    r.registra(QStringLiteral("FormClasse"), [&c] { return new FormClasse(c); });
    r.registra(QStringLiteral("FormChiGioca"), [&c] { return new FormChiGioca(c); });
    r.registra(QStringLiteral("FormRegistro"), [&c] { return apriVistaRegistro(c, filePluginRegistro()); });
}
