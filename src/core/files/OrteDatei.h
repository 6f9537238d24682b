#pragma once

#include "core/places/Ortstabelle.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace tabulo {

constexpr int OrtSatzLaenge = 54;

// The records of a buffer as 54-character texts; a trailing part record is ignored.
QStringList ortSaetzeLesen(QByteArrayView daten);

// The file bytes of the table: one record per set BOS bit of every slot with an entry,
// BOS-Kennungen ascending; free slots are skipped.
QByteArray orteSchreiben(const Ortstabelle& tabelle);

} // namespace tabulo
