#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/common/Text.h"
#include "core/files/Ansi.h"
#include "core/files/BuendelDatei.h"

namespace tabulo::fuzz {

namespace {

// A line written from any three fields is one line of the file and reads back as those fields.
void zeileZurueck(const BuendelZeile& zeile) {
    const QByteArray bytes = buendelZeileSchreiben(zeile);
    FUZZ_PRUEFEN(bytes.endsWith("\r\n"));
    const QStringList zeilen = buendelZeilen(bytes);
    FUZZ_PRUEFEN(zeilen.size() == 1);
    const auto wieder = buendelZeileLesen(zeilen.front());
    FUZZ_PRUEFEN(wieder.has_value());
    FUZZ_PRUEFEN(wieder->sektion == wieImBuendel(zeile.sektion));
    FUZZ_PRUEFEN(wieder->schluessel == wieImBuendel(zeile.schluessel));
    FUZZ_PRUEFEN(wieder->wert == wieImBuendel(zeile.wert));
}

} // namespace

void buendelDateiHarness(QByteArrayView eingabe) {
    const QStringList zeilen = buendelZeilen(eingabe.toByteArray());
    qsizetype zeichen = 0;
    for (const QString& z : zeilen) {
        FUZZ_PRUEFEN(!z.contains(QLatin1Char('\r')) && !z.contains(QLatin1Char('\n')));
        zeichen += z.size();
        const auto gelesen = buendelZeileLesen(z);
        if (!gelesen)
            continue;
        for (const QString* feld : {&gelesen->sektion, &gelesen->schluessel, &gelesen->wert})
            FUZZ_PRUEFEN(feld->size() <= z.size());
        zeileZurueck(*gelesen);
    }
    FUZZ_PRUEFEN(zeichen <= eingabe.size());

    // Fields as the store may hold them: any text, line breaks and quotes included.
    Eingabe teile(eingabe);
    BuendelZeile frei;
    frei.sektion = QString::fromUtf8(teile.stueck('\0'));
    frei.schluessel = QString::fromUtf8(teile.stueck('\0'));
    frei.wert = QString::fromUtf8(teile.stueck('\0'));
    zeileZurueck(frei);
}

} // namespace tabulo::fuzz
