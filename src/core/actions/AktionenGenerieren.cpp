#include "core/actions/AktionenGenerieren.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/undo/Aufzeichnung.h"

#include <algorithm>

namespace tabulo {

QString AktionstextBilden(const QString& vorlage, const QString& kennung, const QString& status) {
    QString text;
    text.reserve(vorlage.size() + kennung.size() + status.size());
    for (QChar c : vorlage) {
        if (c == QLatin1Char('*'))
            text += kennung;
        else if (c == QLatin1Char('?'))
            text += status;
        else
            text += c;
    }
    return text;
}

namespace {

void leerHeisstAlle(std::array<bool, 16>& auswahl) {
    if (std::none_of(auswahl.begin(), auswahl.end(), [](bool b) { return b; }))
        auswahl.fill(true);
}

// Only the upper-case digits the lists offer count, as a case-sensitive search would have it.
bool gewaehlt(const std::array<bool, 16>& auswahl, QChar zeichen) {
    const char16_t u = zeichen.unicode();
    const bool ziffer = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F');
    return ziffer && auswahl[static_cast<size_t>(hexZiffer(zeichen))];
}

} // namespace

int AktionenGenerieren(Arbeitsbereich& ab, GenerierAuswahl& auswahl) {
    leerHeisstAlle(auswahl.bos);
    leerHeisstAlle(auswahl.land);
    leerHeisstAlle(auswahl.ort1);
    leerHeisstAlle(auswahl.ort2);

    std::vector<Aktion> neu;
    for (const Fahrzeug& f : ab.fahrzeuge) {
        const QString& k = f.kennung;
        if (k.size() < 4 || !gewaehlt(auswahl.bos, k[0]) || !gewaehlt(auswahl.land, k[1]) ||
            !gewaehlt(auswahl.ort1, k[2]) || !gewaehlt(auswahl.ort2, k[3]))
            continue;
        for (int s = 0; s < 10; ++s) {
            if (!auswahl.stati[static_cast<size_t>(s)])
                continue;
            const QString status = zahlText(s);
            const QString text = AktionstextBilden(auswahl.vorlage, k, status);
            for (int r = 0; r < 2; ++r) {
                if (!auswahl.richtung[static_cast<size_t>(r)])
                    continue;
                Aktion a;
                a.rufname = f.rufname;
                a.status = status;
                a.richtung = ab.richtungsname[static_cast<size_t>(r)];
                a.richtungNr = r;
                a.aktion = text;
                a.kennung = k;
                neu.push_back(std::move(a));
            }
        }
    }
    Aufzeichnung schritt(ab, QStringLiteral("Aktionen generiert"));
    const int vorher = static_cast<int>(ab.aktionen.size());
    ab.aktionen.insert(ab.aktionen.end(), std::make_move_iterator(neu.begin()),
                       std::make_move_iterator(neu.end()));
    zeilenAngehaengt(ab, ab.aktionen, vorher);
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert(true);
    return static_cast<int>(neu.size());
}

} // namespace tabulo
