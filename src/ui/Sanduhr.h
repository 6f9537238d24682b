#pragma once

#include "core/common/Fortschritt.h"

namespace tabulo {

// A progress strip that also shows the hourglass pointer while its pass runs. Only for passes
// that ask nothing: a message box under the hourglass would look busy too.
class Sanduhr : public Fortschritt {
public:
    explicit Sanduhr(Fortschritt& streifen) : m_streifen(streifen) {}

    void zeigen() override;
    void bereich(double anteilVon, double anteilBis, std::optional<Farbe> farbe) override {
        m_streifen.bereich(anteilVon, anteilBis, farbe);
    }
    void verbergen() override;

private:
    Fortschritt& m_streifen;
    int m_tiefe = 0;
};

} // namespace tabulo
