#include "support/Speicherwurzel.h"

#include <QUuid>
#include <windows.h>

namespace tabulo::test {

Speicherwurzel::Speicherwurzel()
    : m_pfad(QStringLiteral("Software\\Tabulo-Tests\\") +
             QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Speicherwurzel::~Speicherwurzel() {
    RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(m_pfad.utf16()));
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tabulo-Tests"); // only goes when empty
}

} // namespace tabulo::test
