#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running copy only. The lock lives in the runtime folder; a lock left
// behind by a killed copy is taken over.
class IstanzaUnica
{
public:
    // cartella: where the lock file goes (empty: the user's runtime folder).
    explicit IstanzaUnica(const QString &cartella = QString());
    ~IstanzaUnica();

    // True when this process now holds the lock; false when another copy runs.
    bool acquisisci();
    void rilascia();

private:
    QString m_percorso;
    std::unique_ptr<QLockFile> m_lock;
};
