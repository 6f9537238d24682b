#pragma once

#include "support/ProtokollFortschritt.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tabulo::test {

// One 40-byte overview record as a file holds it; text and identifier are given as bytes and
// padded with blanks (the identifier is not touched when it already has 8 bytes).
QByteArray statusSatz(quint8 art, QByteArray text, QByteArray kennung = "00000000", char byte1 = '\0');

// 416 records: the given ones first, free records after them.
QByteArray statusDatei(const QList<QByteArray>& saetze);

// One 408-byte vehicle record.
QByteArray fahrzeugSatz(const QByteArray& kennung, const QByteArray& rufname, quint8 status,
                        const QByteArray& zeit, const QByteArray& info);

// One 54-byte place record: BOS digit, Landeskennung, two Ortskennung digits, name.
QByteArray ortSatz(char bos, const QByteArray& loo, const QByteArray& name);

} // namespace tabulo::test
