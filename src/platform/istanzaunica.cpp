#include "istanzaunica.h"

#include <QDir>
#include <QStandardPaths>

IstanzaUnica::IstanzaUnica(const QString &cartella)
{
    QString dir = cartella;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_percorso = dir + QStringLiteral("/numerella.lock");
}

IstanzaUnica::~IstanzaUnica() = default;

bool IstanzaUnica::acquisisci()
{
    m_lock = std::make_unique<QLockFile>(m_percorso);
    // A lock whose owner process is gone is taken over by QLockFile itself;
    // no age limit, a running copy may run for days.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return false;
    // The runtime folder cannot be written: better to run than to refuse.
    return true;
}

void IstanzaUnica::rilascia()
{
    if (m_lock)
        m_lock->unlock();
}
