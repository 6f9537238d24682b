#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

// A time stamp counts as a clock time when a colon follows its first character.
bool istUhrzeit(QStringView zeit);

// The entry as a time stamp: its first 8 characters, padded with blanks to 8.
QString zeitstempelAus(const QString& eingabe);

// Gives every vehicle whose time stamp is a clock time the entered text; dates stay. Vehicle
// fields then show their vehicle's time. Marks only the vehicle list as unsaved.
void ZeitenSetzen(Arbeitsbereich& ab, const QString& eingabe, Fortschritt& fortschritt);

} // namespace tabulo
