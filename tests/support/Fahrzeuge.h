#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/vehicles/Fahrzeug.h"

#include <QByteArray>
#include <vector>

namespace tabulo::test {

// A vehicle with the columns a test cares about; the rest as a new vehicle has them.
Fahrzeug fahrzeug(const QString& kennung, const QString& rufname = QStringLiteral("RTW"),
                  const QString& stat = QStringLiteral("2"), const QString& zeit = QStringLiteral("12:00:00"),
                  const QString& info = QStringLiteral("Info"));

// The bytes of a vehicle file holding these entries (nothing placed).
QByteArray fahrzeugDatei(const std::vector<Fahrzeug>& liste);

// Field i shows the vehicle as a drop from the list would.
void fahrzeugInFeld(Arbeitsbereich& ab, int i, const Fahrzeug& f);

} // namespace tabulo::test
