#include "fileanimazione.h"

#include "percorsi.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The size of the frames a file decodes to. A GIF's frames are as large as
// its logical screen, which Qt's reader does not always report.
QSize latoFotogrammi(const QString &vero)
{
    QFile f(vero);
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray h = f.read(10);
        if (h.size() == 10 && h.startsWith("GIF8")) {
            const auto u = [&h](int i) { return int(quint8(h[i])) | int(quint8(h[i + 1])) << 8; };
            return QSize(u(6), u(8)).expandedTo(QImageReader(vero).size());
        }
    }
    return QImageReader(vero).size();
}

} // namespace

FileAnimazione controllaAnimazione(const QString &cartella, const QString &percorso, bool decodifica)
{
    FileAnimazione a;
    const QFileInfo info(percorso);
    if (!info.exists()) {
        a.guasto = QStringLiteral("non c'è");
        return a;
    }
    const QString vero = Percorsi::veroDentro(cartella, percorso);
    if (vero.isEmpty()) {
        a.guasto = QStringLiteral("è fuori dalla cartella %1").arg(QFileInfo(cartella).fileName());
        return a;
    }
    if (!QFileInfo(vero).isFile()) {
        a.guasto = QStringLiteral("non è un file");
        return a;
    }
    const QSize lato = latoFotogrammi(vero);
    if (qint64(lato.width()) * lato.height() > MassimoPixelFotogramma) {
        a.guasto = QStringLiteral("è troppo grande (%1 x %2 punti, al massimo %3 punti in tutto)")
                       .arg(lato.width())
                       .arg(lato.height())
                       .arg(MassimoPixelFotogramma);
        return a;
    }
    if (decodifica && QImageReader(vero).read().isNull()) {
        a.guasto = QStringLiteral("non si può leggere come animazione");
        return a;
    }
    a.vero = vero;
    return a;
}
