#pragma once

#include "perparlare.h"

#include <QTest>

// As a screen speaks a sentence: blocca(false), TestoDaDire through Parla, and blocca(true) once it has ended;
// returns then (false when it has not ended within ms).
inline bool parlaFinoAllaFine(PerParlare &parla, const std::function<void(bool)> &blocca, int ms = 60000)
{
    blocca(false);
    Parlata attesa;
    bool fatto = false;
    parla.Parla(attesa, [&] { blocca(true), fatto = true; });
    return QTest::qWaitFor([&] { return fatto; }, ms);
}
