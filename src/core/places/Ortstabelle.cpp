#include "core/places/Ortstabelle.h"

#include "core/common/Text.h"

namespace tabulo {

void Ortstabelle::leeren() {
    for (auto& t : text)
        t.clear();
    maske.fill(0);
    liste.clear();
    anzahl = 0;
}

bool Ortstabelle::satzEinfuegen(const QString& satz) {
    const QString schluessel = satz.mid(1, 3) + QLatin1Char(' ') + satz.mid(4, 50);
    QString bosZeichen = satz.left(1);
    const quint32 bit = 1u << HexWert(bosZeichen);
    for (int i = 0; i < OrtSlots; ++i) {
        if (text[i] == schluessel && schluessel.size() > 40) {
            maske[i] |= bit;
            return true;
        }
        if (text[i].isEmpty() && i < OrtMaxEintraege) {
            text[i] = schluessel;
            maske[i] = bit;
            return true;
        }
    }
    return false;
}

QString Ortstabelle::anzeigeZeile(int slot, const std::array<QString, 16>& bosName) const {
    QString zeile = text[slot];
    for (int d = 0; d < 16; ++d)
        if (maske[slot] & (1u << d))
            zeile += QLatin1Char(' ') + bosName[d];
    return zeile;
}

void Ortstabelle::zeileSetzen(int slot, const std::array<QString, 16>& bosName) {
    while (liste.size() < slot)
        liste.append(anzeigeZeile(static_cast<int>(liste.size()), bosName));
    const QString zeile = anzeigeZeile(slot, bosName);
    if (slot < liste.size())
        liste[slot] = zeile;
    else
        liste.append(zeile);
}

void Ortstabelle::listeBilden(const std::array<QString, 16>& bosName) {
    for (int i = 0; i < OrtSlots; ++i) {
        if (!text[i].isEmpty() && text[i].size() > 40) {
            const QString zeile = anzeigeZeile(i, bosName);
            if (i < liste.size())
                liste[i] = zeile;
            else if (i == liste.size())
                liste.append(zeile);
        }
        if (text[i].size() < 50) {
            text[i].clear();
            maske[i] = 0;
        }
        if (text[i].isEmpty())
            break;
    }
}

int Ortstabelle::satzAnzahl() const {
    int anzahl = 0;
    for (int i = 0; i < OrtSlots; ++i) {
        if (maske[i] == 0 && text[i].size() != OrtEintragLaenge)
            break;
        anzahl += bitAnzahl(maske[i]);
    }
    return anzahl;
}

} // namespace tabulo
