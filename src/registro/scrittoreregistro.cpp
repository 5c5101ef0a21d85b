#include "scrittoreregistro.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
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

// What closes the last row of a file that does not end with a whole row: a
// quote left open (an odd count of quotes, since every whole row has an
// even one), then a line end.
QByteArray chiusura(QFile &f, QString *errore)
{
    if (!f.seek(0)) {
        *errore = f.errorString();
        return {};
    }
    qint64 virgolette = 0;
    char ultimo = '\n';
    QByteArray blocco;
    while (!f.atEnd()) {
        blocco = f.read(1 << 20);
        if (blocco.isEmpty())
            break;
        virgolette += blocco.count('"');
        ultimo = blocco.back();
    }
    QByteArray c;
    if (virgolette % 2)
        c += '"';
    if (!c.isEmpty() || ultimo != '\n')
        c += "\r\n";
    return c;
}

} // namespace

ScrittoreRegistro::ScrittoreRegistro(const QString &cartella, const QString &computer, const QStringList &intestazione)
    : m_cartella(cartella)
    , m_percorso(QDir(cartella).filePath(QStringLiteral("registro-") + nomeComputer(computer) + QStringLiteral(".csv")))
    , m_intestazione(Bom + rigaCsv(intestazione))
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

bool ScrittoreRegistro::aggiungi(const RigaRegistro &riga, QString *errore)
{
    QString e;
    if (!errore)
        errore = &e;
    QFile f(m_percorso);
    if (!QDir().mkpath(m_cartella) || !f.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        *errore = f.errorString();
        m_dimensioneNota = -1;
        return false;
    }
    const qint64 dimensione = f.size();
    QByteArray dati;
    if (dimensione == 0) {
        dati = m_intestazione;
    } else if (dimensione != m_dimensioneNota) {
        errore->clear();
        dati = chiusura(f, errore);
        if (!errore->isEmpty() || !f.seek(dimensione))
            return false;
    }
    dati += rigaCsv(campiRiga(riga));
    // One write: the row reaches the file whole or, cut by a kill, as a
    // tail that the next append closes.
    const bool scritto = f.write(dati) == dati.size() && suDisco(f);
    if (!scritto) {
        *errore = f.errorString();
        m_dimensioneNota = -1;
        return false;
    }
    m_dimensioneNota = dimensione + dati.size();
    return true;
}
