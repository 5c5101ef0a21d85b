#include "fabbricavistaregistro.h"
#include "formregistro.h"

#include <QObject>

// The record view, for the program to load when the adult opens it.
class PluginRegistro : public QObject, public FabbricaVistaRegistro
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FabbricaVistaRegistro_iid)
    Q_INTERFACES(FabbricaVistaRegistro)
public:
    Schermo *vista(Contesto &c, const Scuola &scuola) override { return new FormRegistro(c, scuola); }
};

#include "pluginregistro.moc"
