#pragma once

#include <QByteArray>
#include <QString>

namespace tabulo {

struct SchreibErgebnis {
    bool ok = true;
    QString fehler; // the system's reason when !ok

    explicit operator bool() const { return ok; }
};

// Writes a whole file so that a failure never leaves a truncated file where the good one was:
// the bytes go to a temporary file beside the target, which replaces it only when complete.
// Every save of the program goes through one of these; tests put in one that fails.
class DateiSchreiber {
public:
    virtual ~DateiSchreiber() = default;
    virtual SchreibErgebnis schreiben(const QString& pfad, const QByteArray& daten) const;
};

// Text of the message that tells the user which file could not be written and why.
QString schreibFehlerText(const QString& pfad, const QString& grund);

} // namespace tabulo
