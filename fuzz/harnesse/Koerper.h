#pragma once

#include <QByteArrayView>

namespace tabulo::fuzz {

// The bodies of the harnesses; each takes any bytes whatever and checks the decoder's promises.
void statusDateiHarness(QByteArrayView eingabe);
void fahrzeugDateiHarness(QByteArrayView eingabe);
void orteDateiHarness(QByteArrayView eingabe);
void aktionDateiHarness(QByteArrayView eingabe);
void buendelDateiHarness(QByteArrayView eingabe);
void einstellungenHarness(QByteArrayView eingabe);
void fahrzeuglisteHarness(QByteArrayView eingabe);
void orteLadenHarness(QByteArrayView eingabe);
void statusLadenHarness(QByteArrayView eingabe);
void buendelLadenHarness(QByteArrayView eingabe);
void aktionenLadenHarness(QByteArrayView eingabe);

} // namespace tabulo::fuzz
