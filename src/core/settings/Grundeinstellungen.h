#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

class EinstellungsSpeicher;

// The telegram lead-in in bits as the user sees it; the store holds twice these numbers.
struct Telegrammvorlauf {
    int min = 7;
    int max = 19;
    bool operator==(const Telegrammvorlauf&) const = default;
};

// The stored lead-in, halved (truncating). A stored text that is not a whole number counts as
// absent.
Telegrammvorlauf vorlaufLesen(const EinstellungsSpeicher& speicher);

struct VorlaufKorrektur {
    Telegrammvorlauf vorlauf;
    bool minimumAuf50 = false; // the minimum box must show "50"
};

// Applies the limits to the two boxes' texts in their fixed order (a minimum not below the
// maximum first gives way, then 3..50 for the minimum and 6..100 for the maximum), then rounds
// halves to even.
VorlaufKorrektur vorlaufKorrigieren(QStringView minText, QStringView maxText);

void vorlaufSpeichern(EinstellungsSpeicher& speicher, const Telegrammvorlauf& vorlauf);
void vorlaufLoeschen(EinstellungsSpeicher& speicher);

// The column width of the five-tone window: the stored text, "758" when there is none.
QString spaltenbreiteLesen(const EinstellungsSpeicher& speicher);

// What the box shows after the check: "3000" above 3000, then "500" below 500, else the text.
QString spaltenbreiteKorrigieren(const QString& text);

// Stores the (checked) text without its leading blanks.
void spaltenbreiteSpeichern(EinstellungsSpeicher& speicher, const QString& text);
void spaltenbreiteLoeschen(EinstellungsSpeicher& speicher);

// Rounds to the nearest integer, halves to the even neighbour.
double rundenGerade(double wert);

} // namespace tabulo
