#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace tabulo {

// What is being dragged: an overview field, the tab strip, or a vehicle from one of the two
// lists of the vehicle list window.
struct ZiehQuelle {
    enum Art { Feld, Tab, Liste1, Liste2 };
    Art art = Feld;
    // Feld: the field index. Liste1/Liste2: the index in the workspace's vehicle list of the
    // dragged (selected) row, -1 when no row is selected.
    int index = -1;
};

enum class ZiehZustand { Betreten, Ueber, Verlassen };

// A widget that takes part in dragging as a target. Positions are in the widget's coordinates.
class ZiehZiel {
public:
    virtual ~ZiehZiel() = default;
    virtual void ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint pos) {}
    virtual void ablegen(const ZiehQuelle& quelle, QPoint pos) {}
};

// Manual drag across the program's windows, as the host's controls do it: the source starts a
// drag on a mouse press or move and passes on its mouse moves and the release (it holds the mouse
// grab); the targets under the pointer get enter, over and leave, and the one under the release
// gets the drop. Being plain mouse events, a drag can be driven by QTest.
class ZiehSteuerung : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void beginnen(const ZiehQuelle& quelle);
    // Pointer at a global position while the button is held.
    void bewegen(QPoint global);
    // Button released at a global position: drop on the target there.
    void loslassen(QPoint global);
    // Ends the drag without a drop (the source's own release handling).
    void abbrechen();

    bool aktiv() const { return m_quelle.has_value(); }
    const std::optional<ZiehQuelle>& quelle() const { return m_quelle; }

    // The drag target at a global position: the widget there or its nearest ancestor that is one.
    static QWidget* zielBei(QPoint global);

signals:
    void beendet();

private:
    void zielWechseln(QWidget* neu, QPoint global);

    std::optional<ZiehQuelle> m_quelle;
    QPointer<QWidget> m_ziel;
};

} // namespace tabulo
