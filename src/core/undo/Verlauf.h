#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace tabulo {

struct Schritt;
struct Aufnahme;

// The lists whose steps refer to rows by position.
enum Liste : quint8 { ListeFahrzeuge = 1, ListeAktionen = 2 };

// The undo history of the workspace: the steps done and undone, and for every document the
// state it was last loaded or saved in. A document counts as saved at a position of the history
// when no step between that position and its saved state changed it, so undoing back to a save
// clears its unsaved flag and redoing sets it again.
class Verlauf : public QObject {
    Q_OBJECT

public:
    // Beyond this many steps the oldest is forgotten.
    static constexpr int Grenze = 1000;

    explicit Verlauf(QObject* parent = nullptr);
    ~Verlauf() override;

    int anzahl() const { return static_cast<int>(m_eintraege.size()); }
    int position() const { return m_position; }
    bool kannRueckgaengig() const { return m_position > 0 && !m_aufnahme; }
    bool kannWiederholen() const { return m_position < anzahl() && !m_aufnahme; }
    // What the step that undo or redo would take back or do again did ("Fenster 3 verschoben").
    QString rueckgaengigName() const;
    QString wiederholenName() const;

    // Forgets every step; every document counts as saved as it is now.
    void leeren();

    // The unsaved-change functions of the workspace report here: a document marked outside a
    // step has no known saved state any more; one freed (loaded or saved) is saved as it is now.
    void markiert(quint16 dokumente);
    void freigegeben(quint16 dokumente);

    // Whether document `dokument` (one bit) is as last loaded or saved at the current position.
    bool gespeichert(quint16 dokument) const;

    // Rows of a list were added, removed or reordered outside a step: steps that refer to its rows
    // by position can no longer be taken back, so the history is forgotten when one does.
    void listeOhneSchritt(Liste liste);

    // The recording of the change that is running, null when none is.
    Aufnahme* aufnahme() const { return m_aufnahme; }
    void aufnahmeSetzen(Aufnahme* aufnahme) { m_aufnahme = aufnahme; }

    // A recorded step enters the history after the current position and drops the steps undone
    // before it. `dokumente` are the documents it marked or freed, `freigegeben` those it freed
    // (a load), which count as saved after it; `listen` the lists whose rows it changed.
    void hinzufuegen(std::unique_ptr<Schritt> schritt, const QString& name, quint16 dokumente,
                     quint16 freigegeben, quint8 listen);

    // The step to undo or redo, moving the position; null when there is none. After applying it
    // the caller sets the flags of its documents from `gespeichert`.
    struct Zug {
        Schritt* schritt = nullptr;
        quint16 dokumente = 0;
    };
    Zug zurueck();
    Zug vor();

signals:
    void veraendert();

private:
    struct Eintrag {
        std::unique_ptr<Schritt> schritt;
        QString name;
        quint16 dokumente = 0;
        quint8 listen = 0;
    };
    std::vector<Eintrag> m_eintraege;
    int m_position = 0;
    // Per document bit (1, 2, 4, 8, 16) the position of its saved state; -1 when no position holds it.
    std::array<int, 5> m_gespeichert{};
    Aufnahme* m_aufnahme = nullptr;
};

} // namespace tabulo
