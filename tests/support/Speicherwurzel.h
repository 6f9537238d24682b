#pragma once

#include <QString>

namespace tabulo::test {

// A place of its own for a settings store under test (the argument of SystemSpeicher), removed
// with everything in it when the object ends: a temporary folder for the INI files, a key of
// its own below HKEY_CURRENT_USER on Windows. The user's real settings are never touched.
class Speicherwurzel {
public:
    Speicherwurzel();
    ~Speicherwurzel();
    Speicherwurzel(const Speicherwurzel&) = delete;
    Speicherwurzel& operator=(const Speicherwurzel&) = delete;

    const QString& pfad() const { return m_pfad; }

private:
    QString m_pfad;
};

} // namespace tabulo::test
