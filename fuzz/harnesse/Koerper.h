#pragma once

#include <QByteArrayView>

namespace tabulo::fuzz {

// The bodies of the harnesses, one per file format; each takes any bytes whatever and checks
// the decoder's promises and those of the operations that load the file.
void statusHarness(QByteArrayView eingabe);
void fahrzeugeHarness(QByteArrayView eingabe);
void orteHarness(QByteArrayView eingabe);
void aktionenHarness(QByteArrayView eingabe);
void buendelHarness(QByteArrayView eingabe);
void einstellungenHarness(QByteArrayView eingabe);

} // namespace tabulo::fuzz
