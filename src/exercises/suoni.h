#pragma once

#include <QString>

// The right and wrong sounds. Both return at once; a new sound cuts off one
// still playing; a file that cannot be played gives a short default alert.
class Suoni
{
public:
    virtual ~Suoni() = default;
    virtual void SuonoEsatto() = 0;
    virtual void SuonoErrato() = 0;
};
