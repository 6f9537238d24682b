#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QRadioButton;

namespace tabulo {

class Arbeitsbereich;

// `Frame2` of the main window's top strip: "Einfügemodus:" and the four insert-mode buttons.
// The widget spans from the frame's left edge to the last button's right edge; positions inside
// are the design positions relative to the frame.
class Modusleiste : public QWidget {
    Q_OBJECT

public:
    explicit Modusleiste(Arbeitsbereich& ab, QWidget* parent = nullptr);

    QRadioButton& modusButton(int modus) const { return *m_knoepfe[modus - 1]; }

    static constexpr double Links = 2205, Oben = -30, Breite = 6495, Hoehe = 450; // twips

signals:
    // The user chose insert mode 1..4.
    void modusGewaehlt(int modus);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Arbeitsbereich& m_ab;
    std::array<QRadioButton*, 4> m_knoepfe{};
};

} // namespace tabulo
