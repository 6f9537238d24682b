#include "support/Schreibschutz.h"

#include <QFileInfo>
#include <windows.h>

namespace tabulo::test {

Schreibschutz::Schreibschutz(const QString& pfad) : m_pfad(pfad) {
    if (QFileInfo(pfad).isDir())
        return;
    // Others may read it, nobody may write, rename or delete it.
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(pfad.utf16()), GENERIC_READ,
                                 FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    m_griff = h;
    m_wirkt = true;
}

Schreibschutz::~Schreibschutz() {
    if (m_griff)
        CloseHandle(static_cast<HANDLE>(m_griff));
}

} // namespace tabulo::test
