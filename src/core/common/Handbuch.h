#pragma once

#include <QString>
#include <QStringList>

namespace tabulo {

namespace handbuchtext {
inline const QString Titel = QStringLiteral("Benutzerhandbuch");
inline const QString Dateiname = QStringLiteral("Benutzerhandbuch.html");
} // namespace handbuchtext

// Where the user guide may lie, seen from the folder of the running program, in the order they
// are tried: beside it (the Windows zip), in the build tree's docs/ beside src/, and under
// share/doc/tabulo beside bin/ (an installed copy).
QStringList handbuchOrte(const QString& programmOrdner);

// The first place that holds the guide; empty when none does.
QString handbuchSuchen(const QString& programmOrdner);

// What the user is told when the guide is not there.
QString handbuchFehltText(const QString& programmOrdner);

} // namespace tabulo
