#pragma once

#include <QString>

namespace tabulo::test {

// Protects a file against being written or replaced (a folder against new files) by this
// process. On Linux also when the tests run as root: there it is made immutable, which root's
// rights do not override. On Windows a file is held open, sharing it for reading only, as a
// program reading it would; folders are not protected there. Lifted again when the guard ends, so
// temporary folders can be removed.
// `wirkt()` is false where the file system or the process cannot protect it; a test then skips.
class Schreibschutz {
public:
    explicit Schreibschutz(const QString& pfad);
    ~Schreibschutz();
    Schreibschutz(const Schreibschutz&) = delete;
    Schreibschutz& operator=(const Schreibschutz&) = delete;

    bool wirkt() const { return m_wirkt; }

private:
    QString m_pfad;
    bool m_unveraenderlich = false;
    void* m_griff = nullptr; // Windows: the handle that holds the file
    bool m_wirkt = false;
};

} // namespace tabulo::test
