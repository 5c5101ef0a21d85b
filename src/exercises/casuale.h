#pragma once

#include <QtGlobal>
#include <random>

// The one random generator of the run, seeded once.
class Casuale
{
public:
    explicit Casuale(quint64 seme = 0) { semina(seme); }
    void semina(quint64 seme) { m_gen.seed(seme); }
    // Uniform in [0, 1).
    double Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_gen); }
    // Int(Rnd * n) + 1: 1 to n, each equally likely.
    int estrai(int n) { return int(Rnd() * n) + 1; }

private:
    std::mt19937_64 m_gen;
};
