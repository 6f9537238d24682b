#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "core/common/Text.h"
#include "core/files/Ansi.h"
#include "core/files/BuendelDatei.h"

namespace tabulo::fuzz {

namespace {

// What a field becomes on its way through the file: quotes turn into apostrophes, line
// breaks into blanks and characters outside the code page into '?'.
QString wieGeschrieben(const QString& feld) {
    QString text = TextErsetzen(feld, u"\"", u"'");
    for (QChar& c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return ansiNachText(textNachAnsi(text));
}

// A line written from any three fields is one line of the file and reads back as those fields.
void zeileZurueck(const BuendelZeile& zeile) {
    const QByteArray bytes = buendelZeileSchreiben(zeile);
    FUZZ_PRUEFEN(bytes.endsWith("\r\n"));
    const QStringList zeilen = buendelZeilen(bytes);
    FUZZ_PRUEFEN(zeilen.size() == 1);
    const auto wieder = buendelZeileLesen(zeilen.front());
    FUZZ_PRUEFEN(wieder.has_value());
    FUZZ_PRUEFEN(wieder->sektion == wieGeschrieben(zeile.sektion));
    FUZZ_PRUEFEN(wieder->schluessel == wieGeschrieben(zeile.schluessel));
    FUZZ_PRUEFEN(wieder->wert == wieGeschrieben(zeile.wert));
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
