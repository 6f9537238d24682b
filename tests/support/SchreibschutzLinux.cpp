#include "support/Schreibschutz.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tabulo::test {

namespace {

bool unveraenderlichSetzen(const QString& pfad, bool an) {
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = an ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Whether this process can still write the file, or for a folder create a file in it.
bool beschreibbar(const QString& pfad) {
    if (QFileInfo(pfad).isDir()) {
        QFile probe(pfad + QStringLiteral("/.probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.remove();
        return true;
    }
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_WRONLY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

Schreibschutz::Schreibschutz(const QString& pfad) : m_pfad(pfad) {
    if (::geteuid() == 0)
        m_unveraenderlich = unveraenderlichSetzen(pfad, true);
    else if (QFileInfo(pfad).isDir())
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ExeOwner);
    else
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ReadUser);
    m_wirkt = !beschreibbar(pfad);
}

Schreibschutz::~Schreibschutz() {
    if (m_unveraenderlich)
        unveraenderlichSetzen(m_pfad, false);
    else if (QFileInfo(m_pfad).isDir())
        QFile::setPermissions(m_pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    else
        QFile::setPermissions(m_pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser);
}

} // namespace tabulo::test
