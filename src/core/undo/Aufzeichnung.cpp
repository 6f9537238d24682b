#include "core/undo/Aufzeichnung.h"

#include "core/undo/Schritt.h"

#include <type_traits>

namespace tabulo {

Aufzeichnung::Aufzeichnung(Arbeitsbereich& ab, const QString& name) : m_ab(ab) {
    if (ab.verlauf.aufnahme())
        return;
    m_aufnahme = std::make_unique<Aufnahme>(ab);
    m_aufnahme->name = name;
    ab.verlauf.aufnahmeSetzen(m_aufnahme.get());
}

void Aufzeichnung::nennen(const QString& name) {
    if (m_aufnahme)
        m_aufnahme->name = name;
}

void Aufzeichnung::titelImSpeicher() {
    if (Aufnahme* a = m_ab.verlauf.aufnahme())
        a->schritt.titelImSpeicher = true;
}

Aufzeichnung::~Aufzeichnung() {
    if (!m_aufnahme)
        return;
    Aufnahme& a = *m_aufnahme;
    Verlauf& verlauf = m_ab.verlauf;
    verlauf.aufnahmeSetzen(nullptr);

    Schritt& s = a.schritt;
    for (int i = 0; i < AnzahlFelder; ++i)
        if (!(m_ab.felder[i] == a.felder[i]))
            s.felder.emplace_back(i, std::move(a.felder[i]));
    s.felder.shrink_to_fit();
    if (m_ab.fensterTitel != a.titel)
        s.titel = std::move(a.titel);
    if (!(m_ab.orte == a.orte))
        s.orte = std::move(a.orte);
    const Sortierung& jetzt = m_ab.sortierung;
    if (jetzt.aktiv != a.sortierung.aktiv || jetzt.spalte != a.sortierung.spalte ||
        jetzt.absteigend != a.sortierung.absteigend)
        s.sortierung = a.sortierung;
    s.fahrzeuge.abschliessen(m_ab.fahrzeuge);
    s.aktionen.abschliessen(m_ab.aktionen);
    s.anzahlWarnen = a.anzahlWarnen;

    if (s.leer()) {
        // A load of what was there already: no step, but the document counts as saved here.
        verlauf.freigegeben(a.freigegeben);
        return;
    }
    const quint8 listen = s.listen();
    verlauf.hinzufuegen(std::make_unique<Schritt>(std::move(s)), a.name, a.markiert | a.freigegeben,
                        a.freigegeben, listen);
}

namespace {

template <typename T> Listenaenderung<T>* protokoll(Arbeitsbereich& ab) {
    Aufnahme* a = ab.verlauf.aufnahme();
    if (!a)
        return nullptr;
    if constexpr (std::is_same_v<T, Fahrzeug>)
        return &a->schritt.fahrzeuge;
    else
        return &a->schritt.aktionen;
}

// Outside a step a change is made all the same; the history then forgets the steps of that list.
template <typename T, typename F> void aendern(Arbeitsbereich& ab, F aenderung) {
    if (auto* p = protokoll<T>(ab)) {
        aenderung(*p);
        return;
    }
    Listenaenderung<T> ohne;
    aenderung(ohne);
    if (!ohne.leer())
        ab.verlauf.listeOhneSchritt(std::is_same_v<T, Fahrzeug> ? ListeFahrzeuge : ListeAktionen);
}

} // namespace

template <typename T> void zeileVorAenderung(Arbeitsbereich& ab, std::vector<T>& liste, int zeile) {
    if (auto* p = protokoll<T>(ab))
        p->vorAenderung(liste, zeile);
}

template <typename T> void zeileErsetzen(Arbeitsbereich& ab, std::vector<T>& liste, int zeile, T neu) {
    if (auto* p = protokoll<T>(ab))
        p->zeileErsetzen(liste, zeile, std::move(neu));
    else if (zeile >= 0 && size_t(zeile) < liste.size())
        liste[zeile] = std::move(neu);
}

template <typename T> void zeilenAngehaengt(Arbeitsbereich& ab, std::vector<T>& liste, int vorher) {
    aendern<T>(ab, [&](Listenaenderung<T>& l) { l.angehaengt(liste, vorher); });
}

template <typename T>
void zeilenEntfernen(Arbeitsbereich& ab, std::vector<T>& liste, const std::vector<bool>& markiert) {
    aendern<T>(ab, [&](Listenaenderung<T>& l) { l.entfernen(liste, markiert); });
}

template <typename T> void zeileEntfernen(Arbeitsbereich& ab, std::vector<T>& liste, int zeile) {
    if (zeile < 0 || size_t(zeile) >= liste.size())
        return;
    std::vector<bool> markiert(size_t(zeile) + 1);
    markiert[zeile] = true;
    zeilenEntfernen(ab, liste, markiert);
}

template <typename T> void listeErsetzen(Arbeitsbereich& ab, std::vector<T>& liste, std::vector<T> neu) {
    aendern<T>(ab, [&](Listenaenderung<T>& l) { l.ersetzen(liste, std::move(neu)); });
}

template <typename T>
void listeUmordnen(Arbeitsbereich& ab, std::vector<T>& liste, const std::vector<int>& folge) {
    aendern<T>(ab, [&](Listenaenderung<T>& l) { l.umordnen(liste, folge); });
}

#define TABULO_LISTE(T)                                                                                      \
    template void zeileVorAenderung(Arbeitsbereich&, std::vector<T>&, int);                                  \
    template void zeileErsetzen(Arbeitsbereich&, std::vector<T>&, int, T);                                   \
    template void zeilenAngehaengt(Arbeitsbereich&, std::vector<T>&, int);                                   \
    template void zeilenEntfernen(Arbeitsbereich&, std::vector<T>&, const std::vector<bool>&);               \
    template void zeileEntfernen(Arbeitsbereich&, std::vector<T>&, int);                                     \
    template void listeErsetzen(Arbeitsbereich&, std::vector<T>&, std::vector<T>);                           \
    template void listeUmordnen(Arbeitsbereich&, std::vector<T>&, const std::vector<int>&);
TABULO_LISTE(Fahrzeug)
TABULO_LISTE(Aktion)
#undef TABULO_LISTE

} // namespace tabulo
