#pragma once

#include "clsresize.h"
#include "modulo1.h"
#include "schermo.h"

#include <memory>

// The last step of every visible screen's load: a new scaler in the shared
// Ridimensiona (the previous screen's goes), bound to this screen, which it
// captures at design size and then sizes to 75 per cent of the display.
inline void ridimensionaAlCaricamento(Modulo1 &stato, Schermo &schermo)
{
    auto r = std::make_shared<clsResize>();
    stato.Ridimensiona = r;
    r->setSourceForm(&schermo);
    r->SizeFormToScreen(75);
}
