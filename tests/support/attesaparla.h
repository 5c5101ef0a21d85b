#pragma once

#include "perparlare.h"

#include <QTest>

// TestoDaDire through Parla; true once what follows the sentence has run (false when not within ms).
inline bool parlaFinoAllaFine(PerParlare &parla, int ms = 60000)
{
    Parlata attesa;
    bool fatto = false;
    parla.Parla(attesa, [&] { fatto = true; });
    return QTest::qWaitFor([&] { return fatto; }, ms);
}
