#pragma once

#include "core/vehicles/Fahrzeug.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace tabulo {

constexpr int FahrzeugSatzLaenge = 408;

// Decodes one 408-byte record into the eight columns; texts keep their trailing blanks.
Fahrzeug fahrzeugSatzLesen(QByteArrayView satz);

// Pads the text columns of an entry to their record widths, in place, as the save does.
void fahrzeugAuffuellen(Fahrzeug& f);

// The 408 bytes of an entry that has been padded; texts longer than their width are cut.
QByteArray fahrzeugSatzSchreiben(const Fahrzeug& f, bool aufgenommen);
// The same bytes appended to a file's bytes.
void fahrzeugSatzAnhaengen(QByteArray& ziel, const Fahrzeug& f, bool aufgenommen);

// Appends the decoded records of one buffer, in order, to a list. A column whose bytes equal
// those of the record before takes that entry's text: blank remarks and equal times are held
// once, not once per vehicle. The record handed over before must still be valid at the next
// call, and only the reader appends.
class FahrzeugSatzLeser {
public:
    explicit FahrzeugSatzLeser(std::vector<Fahrzeug>& ziel) : m_ziel(ziel) {}
    void anhaengen(QByteArrayView satz);

private:
    std::vector<Fahrzeug>& m_ziel;
    QByteArrayView m_vorherSatz;
};

// All whole records of a buffer, in order, read as above.
std::vector<Fahrzeug> fahrzeugSaetzeLesen(QByteArrayView daten);

// A number column written as one byte: its leading number, clamped to 0..255.
quint8 zahlAlsByte(const QString& text);

} // namespace tabulo
