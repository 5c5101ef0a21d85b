#pragma once

#include "motorevoce.h"
#include "suoni.h"
#include "tipi.h"

#include <QString>
#include <QtPlugin>
#include <memory>

// What the speech and sound plugin gives the program: the espeak-ng engine
// and the WAV sounds, with espeak-ng and Qt Multimedia behind them. The
// program loads it after its first picture, so that starting does not wait
// for those libraries and the sound server's client.
class FabbricaVoce
{
public:
    virtual ~FabbricaVoce() = default;
    virtual std::unique_ptr<MotoreVoce> motore() = 0;
    // suonoAttivo: the program-wide switch, read at every sound.
    virtual std::unique_ptr<Suoni> suoni(const Boolean &suonoAttivo, const QString &cartellaProgramma) = 0;
};

#define FabbricaVoce_iid "numerella.FabbricaVoce/1"
Q_DECLARE_INTERFACE(FabbricaVoce, FabbricaVoce_iid)
