#include "fabbricavoce.h"
#include "motoreespeak.h"
#include "suoniwav.h"

#include <QObject>

// The espeak-ng engine and the WAV sounds, for the program to load once its
// start screen is on display.
class PluginVoce : public QObject, public FabbricaVoce
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FabbricaVoce_iid)
    Q_INTERFACES(FabbricaVoce)
public:
    std::unique_ptr<MotoreVoce> motore() override { return std::make_unique<MotoreEspeak>(); }
    std::unique_ptr<Suoni> suoni(const Boolean &suonoAttivo, const QString &cartellaProgramma) override
    {
        return std::make_unique<SuoniWav>(suonoAttivo, cartellaProgramma);
    }
};

#include "pluginvoce.moc"
