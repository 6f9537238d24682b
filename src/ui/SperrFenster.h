#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace tabulo {

// A dialog window that is shown without blocking but disables other windows while it is open,
// and enables them again on every way out: its buttons, the close box, or being destroyed.
// Minimising and restoring the dialog leaves them disabled.
// Give it no parent among the windows it disables: disabling a window disables its child
// windows too.
class SperrFenster : public QWidget {
    Q_OBJECT

public:
    explicit SperrFenster(QWidget* parent = nullptr);
    ~SperrFenster() override;

    // Shows the dialog and disables the given windows.
    void oeffnen(const QList<QWidget*>& sperren);

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void freigeben();
    QList<QPointer<QWidget>> m_gesperrt;
};

} // namespace tabulo
