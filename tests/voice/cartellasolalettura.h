#pragma once

// Makes a folder impossible to write for the rest of a test, also when the
// tests run as root (who ignores permission bits): then the folder is
// marked immutable, which binds root too. Undone when the object goes.

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

class CartellaSolaLettura
{
public:
    explicit CartellaSolaLettura(const QString &cartella)
        : m_cartella(cartella)
    {
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                | QFile::ReadOther | QFile::ExeOther);
        if (scrivibile())
            m_immutabile = immutabile(true);
    }

    ~CartellaSolaLettura()
    {
        if (m_immutabile)
            immutabile(false);
        QFile::setPermissions(m_cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // True when a new file can still be made in the folder.
    bool scrivibile() const
    {
        const QString prova = m_cartella + QStringLiteral("/.prova-scrittura");
        QFile f(prova);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.close();
        QFile::remove(prova);
        return true;
    }

private:
    bool immutabile(bool si)
    {
        const int fd = ::open(QFile::encodeName(m_cartella).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = si ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    QString m_cartella;
    bool m_immutabile = false;
};
