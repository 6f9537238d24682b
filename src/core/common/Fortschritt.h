#pragma once

#include "core/common/Farbe.h"

#include <optional>

namespace tabulo {

// The progress strip of a long pass. The model reports slices; the window paints them (at most
// once per frame, so the strip never slows the work it reports on).
class Fortschritt {
public:
    virtual ~Fortschritt() = default;
    virtual void zeigen() {}
    // Fill the strip from anteilVon to anteilBis (fractions of its width, may exceed 1);
    // no colour means the strip's foreground colour.
    virtual void bereich(double anteilVon, double anteilBis, std::optional<Farbe> farbe) {}
    virtual void verbergen() {}
};

// Shows the strip for the lifetime of the object.
class FortschrittsAnzeige {
public:
    explicit FortschrittsAnzeige(Fortschritt& f) : m_f(f) { m_f.zeigen(); }
    ~FortschrittsAnzeige() { m_f.verbergen(); }
    FortschrittsAnzeige(const FortschrittsAnzeige&) = delete;
    FortschrittsAnzeige& operator=(const FortschrittsAnzeige&) = delete;

    // Slice i of a pass over n elements, drawn from i/divisor to (i+1)/divisor.
    void schritt(qint64 i, qint64 divisor, std::optional<Farbe> farbe = std::nullopt) {
        if (divisor <= 0)
            return;
        m_f.bereich(double(i) / double(divisor), double(i + 1) / double(divisor), farbe);
    }

private:
    Fortschritt& m_f;
};

} // namespace tabulo
