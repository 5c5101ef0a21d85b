#include "scrittoreregistro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Flushed to the disk itself, not only to the system: a power cut right
// after must not lose the row.
bool suDisco(QFile &f)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(HANDLE(_get_osfhandle(f.handle())));
#else
    return ::fdatasync(f.handle()) == 0;
#endif
}

// A new file is on the disk only once its folder's entry is.
void cartellaSuDisco(const QString &cartella)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(cartella);
#endif
}

// Where the whole rows of a record file end: past the line end of its last
// record (0 with none). *intestazione: whether the header row is whole, and
// its layout in *d.
qsizetype fineRigheIntere(QByteArrayView t, const TitoliRegistro &titoli, DisposizioneRegistro *d, bool *intestazione)
{
    qsizetype pos = t.startsWith(Bom) ? Bom.size() : 0;
    qsizetype fine = 0;
    *intestazione = false;
    CampiCsv campi;
    while (pos < t.size() && prossimoRecord(t, &pos, &campi)) {
        if (!*intestazione) {
            *d = disposizione(campi, titoli);
            *intestazione = true;
        }
        fine = pos;
    }
    return fine;
}

// Appends a cut row's bytes, and a line end, to the file beside the record,
// on the disk before the record is cut back. When they are there already
// (a power cut came before the record was cut back), not again.
bool salvaTroncata(const QString &file, const QByteArray &coda, QString *errore)
{
    const QByteArray dati = coda + "\r\n";
    QFile f(file);
    const bool nuovo = !f.exists();
    if (!nuovo && f.open(QIODevice::ReadOnly) && f.size() >= dati.size() && f.seek(f.size() - dati.size())
        && f.read(dati.size()) == dati)
        return true;
    f.close();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) || f.write(dati) != dati.size()
        || !suDisco(f)) {
        *errore = file + QStringLiteral(": ") + f.errorString();
        return false;
    }
    if (nuovo)
        cartellaSuDisco(QFileInfo(file).absolutePath());
    return true;
}

} // namespace

ScrittoreRegistro::ScrittoreRegistro(const QString &cartella, const QString &computer, const QStringList &intestazione,
                                     const TitoliRegistro &titoli)
    : m_cartella(cartella)
    , m_base(QStringLiteral("registro-") + nomeComputer(computer))
    , m_percorso(QDir(cartella).filePath(m_base + QStringLiteral(".csv")))
    , m_intestazione(Bom + intestazioneCsv(intestazione))
    , m_titoli(titoli)
{
}

QString ScrittoreRegistro::nomeComputer(const QString &nome)
{
    QString n = nome;
    for (QChar &ch : n) {
        if (!(ch.isLetterOrNumber() && ch.unicode() < 128) && ch != u'-' && ch != u'_' && ch != u'.')
            ch = u'_';
    }
    return n.isEmpty() ? QStringLiteral("pc") : n;
}

QString ScrittoreRegistro::fileTroncate(const QString &percorso)
{
    return percorso + QStringLiteral(".troncata");
}

bool ScrittoreRegistro::prepara(qint64 *dimensione, QString *errore)
{
    // " (2)": a computer's name never holds a blank, so no other computer
    // writes such a file.
    for (int n = 1;; ++n) {
        m_percorso
            = QDir(m_cartella)
                  .filePath(m_base + (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString()) + QStringLiteral(".csv"));
        QFile f(m_percorso);
        if (!f.exists()) {
            *dimensione = 0;
            return true;
        }
        if (!f.open(QIODevice::ReadWrite)) {
            *errore = f.errorString();
            return false;
        }
        const QByteArray testo = f.readAll();
        if (testo.size() != f.size()) {
            *errore = f.errorString();
            return false;
        }
        DisposizioneRegistro d;
        bool intestazione = false;
        const qsizetype fine = fineRigheIntere(testo, m_titoli, &d, &intestazione);
        if (intestazione && !d.attuale)
            continue;
        if (fine < testo.size()) {
            // Only the bytes of a byte order mark cut short: nothing to keep.
            const QByteArray coda = testo.sliced(fine);
            if (!(fine == 0 && Bom.startsWith(coda)) && !salvaTroncata(fileTroncate(m_percorso), coda, errore))
                return false;
            if (!f.resize(fine) || !suDisco(f)) {
                *errore = f.errorString();
                return false;
            }
        }
        *dimensione = fine;
        return true;
    }
}

bool ScrittoreRegistro::aggiungi(const RigaRegistro &riga, QString *errore)
{
    QString e;
    if (!errore)
        errore = &e;
    qint64 dimensione = m_dimensioneNota;
    if (!QDir().mkpath(m_cartella)) {
        *errore = QStringLiteral("the folder cannot be made");
        m_dimensioneNota = -1;
        return false;
    }
    if (dimensione < 0 || QFileInfo(m_percorso).size() != dimensione) {
        if (!prepara(&dimensione, errore)) {
            m_dimensioneNota = -1;
            return false;
        }
    }
    QFile f(m_percorso);
    const QByteArray dati = (dimensione == 0 ? m_intestazione : QByteArray()) + rigaCsv(riga);
    // One write: the row reaches the file whole or, cut by a kill, as a
    // tail that the next append moves out.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) || f.write(dati) != dati.size()
        || !suDisco(f)) {
        *errore = f.errorString();
        m_dimensioneNota = -1;
        return false;
    }
    m_dimensioneNota = dimensione + dati.size();
    return true;
}
