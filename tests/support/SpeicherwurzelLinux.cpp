#include "support/Speicherwurzel.h"

#include <QDir>
#include <QTemporaryDir>

namespace tabulo::test {

Speicherwurzel::Speicherwurzel() {
    QTemporaryDir ordner;
    ordner.setAutoRemove(false);
    m_pfad = ordner.path();
}

Speicherwurzel::~Speicherwurzel() {
    QDir(m_pfad).removeRecursively();
}

} // namespace tabulo::test
