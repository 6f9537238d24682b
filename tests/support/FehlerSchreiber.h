#pragma once

#include "core/files/DateiSchreiber.h"

#include <QString>

namespace tabulo::test {

// A writer that fails: after a number of bytes (the bytes go to a temporary file that is then
// thrown away, as a full disk would leave it), or at the final commit. Only paths containing
// `muster` (written with "/") fail; other files are written normally.
class FehlerSchreiber : public DateiSchreiber {
public:
    enum class Art { NachBytes, BeimAbschluss };

    FehlerSchreiber(Art art, qint64 bytes = 0, QString muster = {})
        : m_art(art), m_bytes(bytes), m_muster(muster) {}

    SchreibErgebnis schreiben(const QString& pfad, const QByteArray& daten) const override;

    mutable int versuche = 0;

private:
    Art m_art;
    qint64 m_bytes;
    QString m_muster;
};

} // namespace tabulo::test
