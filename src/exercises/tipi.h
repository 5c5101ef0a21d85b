#pragma once

#include <QtGlobal>

// The designed 16-bit types: Integer, and Boolean with True = -1.
using Integer = qint16;
using Boolean = qint16;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// A count that would pass 32767 stays there (the designed 16-bit count
// would overflow).
inline Integer piuUno(Integer n)
{
    return n == 32767 ? n : Integer(n + 1);
}
