#pragma once

#include <QByteArray>
#include <utility>
#include <vector>

namespace tabulo {

// What one step did to a list of rows (the vehicle list or the action list), as parts in the
// order they happened: rows changed in place, rows added or removed, the whole list replaced,
// the rows put into another order. Each part holds the version the list does not show at the
// moment, so undo and redo are the same exchange; undo takes the parts in reverse order.
//
// Rows changed in place keep only the columns that differ, packed into bytes: 10,000 vehicles
// with a new status and time cost about 150 kB, where copies of the rows would cost 10 MB.
template <typename T> class Listenaenderung {
public:
    bool leer() const { return m_teile.empty() && m_vorher.empty() && m_paket.isEmpty(); }
    void tauschen(std::vector<T>& liste, bool rueckgaengig);

    // Recording, while the change runs. Row `zeile` is about to change in place.
    void vorAenderung(std::vector<T>& liste, int zeile);
    // Row `zeile` is replaced by `neu`; the old row is kept, not copied.
    void zeileErsetzen(std::vector<T>& liste, int zeile, T neu);
    // Rows from `vorher` on were appended.
    void angehaengt(std::vector<T>& liste, int vorher);
    // These change the list themselves.
    void entfernen(std::vector<T>& liste, const std::vector<bool>& markiert);
    void ersetzen(std::vector<T>& liste, std::vector<T> neu);
    void umordnen(std::vector<T>& liste, const std::vector<int>& folge); // row r becomes old row folge[r]
    // Ends the rows changed in place: what did not change is dropped.
    void abschliessen(std::vector<T>& liste);

private:
    struct Teil {
        enum Art { Zeilen, Menge, Ganz, Folge } art = Zeilen;
        QByteArray paket;                          // Zeilen: row, changed columns, their other texts
        std::vector<std::pair<int, int>> bereiche; // Menge: position ranges in the list holding them
        std::vector<T> zeilen;                     // Menge while not in the list; Ganz: the other list
        bool drin = true;                          // Menge: in the list; Folge: the order applied
        std::vector<int> folge;
    };
    std::vector<Teil> m_teile;
    QByteArray m_paket;                      // rows changed in place so far
    std::vector<std::pair<int, T>> m_vorher; // rows about to change, as they were
    enum : quint8 { Offen, Vorgemerkt, Gepackt };
    std::vector<quint8> m_stand; // per row

    quint8& stand(const std::vector<T>& liste, int zeile);

    static void umschalten(Teil& teil, std::vector<T>& liste);
};

} // namespace tabulo
