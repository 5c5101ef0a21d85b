#include "accesso.h"

#include "contesto.h"
#include "modulo1.h"
#include "perparlare.h"
#include "scansioneschermo.h"

#include <QWidget>

ScansioneSchermo *attivaScansione(Contesto &c, const Classe &k, QWidget *finestra,
                                  const QList<QAbstractButton *> &bersagli)
{
    if (k.accesso == Classe::Accesso::Tastiera || !finestra)
        return nullptr;
    // Once per window: a screen shown again keeps the scan it has.
    if (auto *gia = finestra->findChild<ScansioneSchermo *>(QString(), Qt::FindDirectChildrenOnly))
        return gia;
    ScansioneSchermo::Impostazioni i;
    i.modo = k.accesso == Classe::Accesso::UnPulsante ? Scansione::Modo::UnPulsante : Scansione::Modo::DuePulsanti;
    i.intervalloMs = k.tempoScansioneMs;
    if (k.leggiPulsante) {
        i.leggi = [&c](const QString &testo) {
            if (MotoreVoce *m = c.parla.motore())
                m->SpeakText(preparaTesto(testo, c.parla.preparazione));
        };
    }
    return new ScansioneSchermo(finestra, bersagli, std::move(i));
}
