#pragma once

#include "suoni.h"

#include <QStringList>

// Sounds for tests: nothing is heard; each call is recorded in suonati as "esatto" or "errato", in order.
class SuoniFinti : public Suoni
{
public:
    void SuonoEsatto() override { suonati << QStringLiteral("esatto"); }
    void SuonoErrato() override { suonati << QStringLiteral("errato"); }
    QStringList suonati;
};
