#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Where the scan reads the time. The program reads a monotonic clock; the
// tests move a clock of their own, so no test waits on a timer.
class Orologio
{
public:
    virtual ~Orologio() = default;
    virtual qint64 adessoMs() const = 0;
};

class OrologioVero : public Orologio
{
public:
    OrologioVero() { m_partenza.start(); }
    qint64 adessoMs() const override { return m_partenza.elapsed(); }

private:
    QElapsedTimer m_partenza;
};
