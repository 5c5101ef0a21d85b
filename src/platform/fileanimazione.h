#pragma once

#include <QString>

// Whether a story's animation can be shown: the one rule of the start-up
// check and of the animation cell, so that a notice names a file exactly
// when its cell would stay empty. The file's real path (links followed)
// lies inside the animations folder; it is a regular file (a pipe or a
// device would block its reader for good); its frames are small enough to
// decode at once on the user-interface thread; its first frame decodes.
struct FileAnimazione {
    QString vero; // the real path, when it can be shown
    QString guasto; // otherwise why not, as the notice says it after the name
    bool ok() const { return guasto.isEmpty(); }
};

// decodifica: also decode the first frame (a caller that decodes it anyway
// leaves that to itself).
FileAnimazione controllaAnimazione(const QString &cartella, const QString &percorso, bool decodifica = true);

// The largest frame, in pixels, that the cell decodes: about 15 ms on a
// school's computer; five thousand pixels a side took a third of a second.
inline constexpr qint64 MassimoPixelFotogramma = 1024 * 1024;
