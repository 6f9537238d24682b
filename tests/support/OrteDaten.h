#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <array>

namespace tabulo::test {

// One place record: BOS digit, Landeskennung and Ortskennung digits, name padded to 50.
QByteArray orteSatz(char bos, const char* loo, const QString& name);

// BOS names that show which bit a display line names ("N0" ... "N15").
std::array<QString, 16> nummerierteBosNamen();

// A temporary folder that is the working directory while the object lives.
class TemporaererArbeitsordner {
public:
    TemporaererArbeitsordner();
    ~TemporaererArbeitsordner();
    QString pfad(const QString& name) const { return m_ordner.filePath(name); }

private:
    QTemporaryDir m_ordner;
    QString m_vorher;
};

} // namespace tabulo::test
