#pragma once

#include <functional>

// The adult's question before the class, the record and (when the class
// asks for it) the exit: the sum of two two-digit numbers whose units carry,
// new each time. It stops a young child, not a determined one.
struct DomandaAdulto {
    int a = 0;
    int b = 0;

    int risposta() const { return a + b; }
    bool operator==(const DomandaAdulto &) const = default;

    // estrai(n): 1 to n, each equally likely (the program's one generator).
    // Never the same as `precedente`.
    static DomandaAdulto nuova(const std::function<int(int)> &estrai, const DomandaAdulto &precedente);
};
