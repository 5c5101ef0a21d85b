#include "caricavistaregistro.h"

#include "contesto.h"
#include "dialoghi.h"
#include "fabbricavistaregistro.h"
#include "messaggi.h"
#include "modlanguagesupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

QString filePluginRegistro()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libnumerella_vistaregistro.so");
}

Schermo *apriVistaRegistro(Contesto &c, const Scuola &scuola, const QString &file)
{
    // Told under its own name: for a missing file QPluginLoader reports the
    // last of the variants it tried.
    QString errore = QStringLiteral("no such file");
    if (QFileInfo(file).isFile()) {
        // The library stays loaded for the rest of the run: the view may be
        // opened again.
        QPluginLoader caricatore(file);
        if (auto *f = qobject_cast<FabbricaVistaRegistro *>(caricatore.instance()))
            return f->vista(c, scuola);
        errore = caricatore.errorString();
    }
    qWarning("Numerella: no record view, the plugin %s cannot be used: %s", qUtf8Printable(file),
             qUtf8Printable(errore));
    c.dialoghi.avviso(nullptr, TitoloApplicazione,
                      c.lingua.MLSGetString(QStringLiteral("0199")) + QStringLiteral("\n\n")
                          + QDir::toNativeSeparators(file) + QStringLiteral("\n(") + errore + u')');
    return nullptr;
}
