#include "core/undo/Listenaenderung.h"

#include "core/actions/Aktion.h"
#include "core/vehicles/Fahrzeug.h"

#include <QString>
#include <algorithm>
#include <cstring>

namespace tabulo {

namespace {

// The text columns of a row, and for actions the direction number as one column more.
template <typename T> struct Spalten;

template <> struct Spalten<Fahrzeug> {
    static constexpr int Texte = Fahrzeug::AnzahlSpalten;
    static constexpr int Anzahl = Texte;
    static QString& text(Fahrzeug& f, int k) { return f.spalte(k); }
};

template <> struct Spalten<Aktion> {
    static constexpr int Texte = Aktion::AnzahlSpalten;
    static constexpr int Anzahl = Texte + 1;
    static QString& text(Aktion& a, int k) {
        QString* texte[Texte] = {&a.rufname, &a.status, &a.richtung, &a.aktion, &a.kennung};
        return *texte[k];
    }
    static int& zahl(Aktion& a) { return a.richtungNr; }
};

void zahlSchreiben(QByteArray& p, quint32 zahl) {
    while (zahl >= 0x80) {
        p.append(char(zahl | 0x80));
        zahl >>= 7;
    }
    p.append(char(zahl));
}

// A text as its characters without the trailing blanks, then how many blanks follow: padded
// columns cost a byte or two. Latin-1 texts take a byte per character, others two.
void textSchreiben(QByteArray& p, const QString& text) {
    qsizetype laenge = text.size();
    while (laenge > 0 && text[laenge - 1] == QLatin1Char(' '))
        --laenge;
    const QStringView kern = QStringView(text).first(laenge);
    const bool breit = std::any_of(kern.begin(), kern.end(), [](QChar c) { return c.unicode() > 0xFF; });
    zahlSchreiben(p, quint32(laenge) << 1 | quint32(breit));
    zahlSchreiben(p, quint32(text.size() - laenge));
    if (breit)
        p.append(reinterpret_cast<const char*>(kern.utf16()), laenge * 2);
    else
        for (QChar c : kern)
            p.append(char(c.unicode()));
}

struct Leser {
    const char* p;
    const char* ende;

    bool fertig() const { return p >= ende; }
    quint32 zahl() {
        quint32 wert = 0;
        for (int schiebe = 0;; schiebe += 7) {
            const auto b = quint8(*p++);
            wert |= quint32(b & 0x7F) << schiebe;
            if (b < 0x80)
                return wert;
        }
    }
    QString text() {
        const quint32 kopf = zahl();
        const auto laenge = qsizetype(kopf >> 1);
        const auto blanks = qsizetype(zahl());
        QString t(laenge + blanks, QLatin1Char(' '));
        if (kopf & 1) {
            std::memcpy(t.data(), p, size_t(laenge) * 2); // the pack is not aligned for char16_t
            p += laenge * 2;
        } else {
            QChar* ziel = t.data();
            for (qsizetype i = 0; i < laenge; ++i)
                ziel[i] = QChar(quint8(p[i]));
            p += laenge;
        }
        return t;
    }
};

// Signed numbers as small unsigned ones.
quint32 zickzack(int n) {
    return (quint32(n) << 1) ^ quint32(n >> 31);
}
int zackzick(quint32 n) {
    return int(n >> 1) ^ -int(n & 1);
}

template <typename T> void spalteSchreiben(QByteArray& p, T& zeile, int k) {
    if constexpr (Spalten<T>::Anzahl > Spalten<T>::Texte)
        if (k >= Spalten<T>::Texte)
            return zahlSchreiben(p, zickzack(Spalten<T>::zahl(zeile)));
    textSchreiben(p, Spalten<T>::text(zeile, k));
}

template <typename T> void spalteLesen(Leser& l, T& zeile, int k) {
    if constexpr (Spalten<T>::Anzahl > Spalten<T>::Texte)
        if (k >= Spalten<T>::Texte) {
            Spalten<T>::zahl(zeile) = zackzick(l.zahl());
            return;
        }
    Spalten<T>::text(zeile, k) = l.text();
}

template <typename T> bool spalteGleich(T& a, T& b, int k) {
    if constexpr (Spalten<T>::Anzahl > Spalten<T>::Texte)
        if (k >= Spalten<T>::Texte)
            return Spalten<T>::zahl(a) == Spalten<T>::zahl(b);
    const QString& x = Spalten<T>::text(a, k);
    const QString& y = Spalten<T>::text(b, k);
    // Ordinal equality as QString's ==, by memcmp: 100,000 command texts compare in a blink.
    return x.size() == y.size() &&
           (x.constData() == y.constData() ||
            std::memcmp(x.constData(), y.constData(), size_t(x.size()) * sizeof(QChar)) == 0);
}

// Whether two lists are equal, column by column: a text both rows share (a list loaded again
// shares its vehicles' texts) is not compared character by character.
template <typename T> bool listenGleich(std::vector<T>& a, std::vector<T>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t z = 0; z < a.size(); ++z)
        for (int k = 0; k < Spalten<T>::Anzahl; ++k)
            if (!spalteGleich(a[z], b[z], k))
                return false;
    return true;
}

// The rows of a pack exchanged with the list: the list takes the packed columns, the new pack
// holds what the list showed.
template <typename T> QByteArray paketTauschen(const QByteArray& paket, std::vector<T>& liste) {
    QByteArray neu;
    neu.reserve(paket.size());
    Leser l{paket.constData(), paket.constData() + paket.size()};
    while (!l.fertig()) {
        const quint32 z = l.zahl();
        const auto maske = quint8(*l.p++);
        zahlSchreiben(neu, z);
        neu.append(char(maske));
        T& zeile = liste[z];
        for (int k = 0; k < Spalten<T>::Anzahl; ++k) {
            if (!(maske & (1u << k)))
                continue;
            spalteSchreiben(neu, zeile, k);
            spalteLesen(l, zeile, k);
        }
    }
    neu.squeeze();
    return neu;
}

} // namespace

template <typename T> void Listenaenderung<T>::umschalten(Teil& teil, std::vector<T>& liste) {
    switch (teil.art) {
    case Teil::Zeilen:
        teil.paket = paketTauschen(teil.paket, liste);
        return;
    case Teil::Ganz:
        std::swap(liste, teil.zeilen);
        return;
    case Teil::Folge: {
        std::vector<T> neu(liste.size());
        for (size_t r = 0; r < teil.folge.size(); ++r) {
            if (teil.drin)
                neu[teil.folge[r]] = std::move(liste[r]);
            else
                neu[r] = std::move(liste[teil.folge[r]]);
        }
        liste = std::move(neu);
        teil.drin = !teil.drin;
        return;
    }
    case Teil::Menge:
        break;
    }
    // Moves only what lies behind the first range, so rows appended at the end cost their number.
    const size_t erste = size_t(teil.bereiche.front().first);
    if (teil.drin) {
        size_t schreib = erste, lese = erste;
        for (const auto& [von, bis] : teil.bereiche) {
            for (; lese < size_t(von); ++lese)
                liste[schreib++] = std::move(liste[lese]);
            for (; lese < size_t(bis); ++lese)
                teil.zeilen.push_back(std::move(liste[lese]));
        }
        for (; lese < liste.size(); ++lese)
            liste[schreib++] = std::move(liste[lese]);
        liste.resize(schreib);
    } else {
        size_t lese = liste.size();
        liste.resize(liste.size() + teil.zeilen.size());
        size_t schreib = liste.size(), aus = teil.zeilen.size();
        for (auto b = teil.bereiche.rbegin(); b != teil.bereiche.rend(); ++b) {
            while (schreib > size_t(b->second))
                liste[--schreib] = std::move(liste[--lese]);
            while (schreib > size_t(b->first))
                liste[--schreib] = std::move(teil.zeilen[--aus]);
        }
        teil.zeilen.clear();
        teil.zeilen.shrink_to_fit();
    }
    teil.drin = !teil.drin;
}

template <typename T> void Listenaenderung<T>::tauschen(std::vector<T>& liste, bool rueckgaengig) {
    if (rueckgaengig)
        for (auto t = m_teile.rbegin(); t != m_teile.rend(); ++t)
            umschalten(*t, liste);
    else
        for (Teil& t : m_teile)
            umschalten(t, liste);
}

// What a row's entry in a pack says: the row, which columns, their texts in `alt`. Columns that
// did not change keep the old text in the row: an equal text read anew costs nothing then.
template <typename T> static void zeileEinpacken(QByteArray& paket, int z, T& alt, T& jetzt) {
    quint8 maske = 0;
    for (int k = 0; k < Spalten<T>::Anzahl; ++k) {
        if (!spalteGleich(alt, jetzt, k))
            maske |= quint8(1u << k);
        else if (k < Spalten<T>::Texte)
            std::swap(Spalten<T>::text(jetzt, k), Spalten<T>::text(alt, k));
    }
    if (!maske)
        return;
    zahlSchreiben(paket, quint32(z));
    paket.append(char(maske));
    for (int k = 0; k < Spalten<T>::Anzahl; ++k)
        if (maske & (1u << k))
            spalteSchreiben(paket, alt, k);
}

template <typename T> quint8& Listenaenderung<T>::stand(const std::vector<T>& liste, int zeile) {
    if (m_stand.size() < liste.size())
        m_stand.resize(liste.size());
    return m_stand[size_t(zeile)];
}

template <typename T> void Listenaenderung<T>::vorAenderung(std::vector<T>& liste, int zeile) {
    if (zeile < 0 || size_t(zeile) >= liste.size() || stand(liste, zeile) == Vorgemerkt)
        return;
    // A row packed already starts a new pack, taken back after this one.
    if (stand(liste, zeile) == Gepackt)
        abschliessen(liste);
    stand(liste, zeile) = Vorgemerkt;
    m_vorher.emplace_back(zeile, liste[zeile]);
}

template <typename T> void Listenaenderung<T>::zeileErsetzen(std::vector<T>& liste, int zeile, T neu) {
    if (zeile < 0 || size_t(zeile) >= liste.size())
        return;
    if (stand(liste, zeile) == Vorgemerkt) {
        liste[zeile] = std::move(neu);
        return;
    }
    if (stand(liste, zeile) == Gepackt)
        abschliessen(liste);
    stand(liste, zeile) = Gepackt;
    // Both versions are at hand: packed at once, no copy of the row is kept.
    std::swap(liste[zeile], neu);
    zeileEinpacken(m_paket, zeile, neu, liste[zeile]);
}

template <typename T> void Listenaenderung<T>::abschliessen(std::vector<T>& liste) {
    for (auto& [z, alt] : m_vorher)
        if (size_t(z) < liste.size())
            zeileEinpacken(m_paket, z, alt, liste[z]);
    // A step lives long: it keeps no room it does not use.
    std::vector<std::pair<int, T>>().swap(m_vorher);
    std::vector<quint8>().swap(m_stand);
    if (m_paket.isEmpty())
        return;
    m_paket.squeeze();
    m_teile.push_back(Teil{Teil::Zeilen, std::exchange(m_paket, {}), {}, {}, true, {}});
}

template <typename T> void Listenaenderung<T>::angehaengt(std::vector<T>& liste, int vorher) {
    abschliessen(liste);
    if (int(liste.size()) > vorher)
        m_teile.push_back(Teil{Teil::Menge, {}, {{vorher, int(liste.size())}}, {}, true, {}});
}

template <typename T>
void Listenaenderung<T>::entfernen(std::vector<T>& liste, const std::vector<bool>& markiert) {
    abschliessen(liste);
    Teil teil{Teil::Menge, {}, {}, {}, true, {}};
    const int n = int(std::min(liste.size(), markiert.size()));
    for (int i = 0; i < n; ++i) {
        if (!markiert[i])
            continue;
        if (!teil.bereiche.empty() && teil.bereiche.back().second == i)
            ++teil.bereiche.back().second;
        else
            teil.bereiche.emplace_back(i, i + 1);
    }
    if (teil.bereiche.empty())
        return;
    umschalten(teil, liste);
    m_teile.push_back(std::move(teil));
}

template <typename T> void Listenaenderung<T>::ersetzen(std::vector<T>& liste, std::vector<T> neu) {
    abschliessen(liste);
    if (listenGleich(neu, liste))
        return;
    m_teile.push_back(Teil{Teil::Ganz, {}, {}, std::move(neu), true, {}});
    umschalten(m_teile.back(), liste);
}

template <typename T>
void Listenaenderung<T>::umordnen(std::vector<T>& liste, const std::vector<int>& folge) {
    abschliessen(liste);
    bool gleich = true;
    for (size_t r = 0; r < folge.size() && gleich; ++r)
        gleich = folge[r] == int(r);
    if (gleich || folge.size() != liste.size())
        return;
    Teil teil{Teil::Folge, {}, {}, {}, false, folge};
    umschalten(teil, liste);
    m_teile.push_back(std::move(teil));
}

template class Listenaenderung<Fahrzeug>;
template class Listenaenderung<Aktion>;

} // namespace tabulo
