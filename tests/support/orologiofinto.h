#pragma once

#include "orologio.h"

// A clock the test moves by hand.
class OrologioFinto : public Orologio
{
public:
    qint64 adessoMs() const override { return ms; }
    qint64 ms = 10000;
};
