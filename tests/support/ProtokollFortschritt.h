#pragma once

#include "core/common/Fortschritt.h"

#include <QList>
#include <optional>

namespace tabulo::test {

// Records what a pass draws into its progress strip.
struct ProtokollFortschritt : Fortschritt {
    struct Bereich {
        double von, bis;
        std::optional<Farbe> farbe;
    };
    int gezeigt = 0;
    int verborgen = 0;
    QList<Bereich> bereiche;
    void zeigen() override { ++gezeigt; }
    void bereich(double von, double bis, std::optional<Farbe> farbe) override {
        bereiche.append({von, bis, farbe});
    }
    void verbergen() override { ++verborgen; }
};

} // namespace tabulo::test
