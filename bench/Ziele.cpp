#include "Ziele.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace tabulo::bench {

namespace {
std::vector<Ziel>& zielListe() {
    static std::vector<Ziel> liste;
    return liste;
}

std::string zahl(double wert, int stellen) {
    std::ostringstream s;
    s << std::fixed << std::setprecision(stellen) << wert;
    return s.str();
}

// A limit as it was given: 16.7 stays 16.7, 300 stays 300.
std::string grenzeText(double wert) {
    return zahl(wert, wert == double(static_cast<long long>(wert)) ? 0 : 1);
}

std::string zeit(double ms) {
    return ms < 10 ? zahl(ms, 3) + " ms" : zahl(ms, 1) + " ms";
}
} // namespace

int zielAnmelden(Ziel ziel) {
    zielListe().push_back(std::move(ziel));
    return 0;
}

const std::vector<Ziel>& ziele() {
    return zielListe();
}

void ZielBericht::ReportRuns(const std::vector<Run>& laeufe) {
    // With repetitions the console shows only the median line; every case is judged by it.
    std::vector<Run> gezeigt;
    for (const Run& lauf : laeufe) {
        const bool median = lauf.run_type == Run::RT_Aggregate && lauf.aggregate_name == "median";
        const bool einzeln = lauf.run_type == Run::RT_Iteration && lauf.repetitions <= 1;
        if (!median && !einzeln && !lauf.error_occurred)
            continue;
        gezeigt.push_back(lauf);
        Messung& m = m_messungen[lauf.run_name.function_name];
        m.fehler = lauf.error_occurred;
        m.ms = lauf.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(lauf.time_unit) * 1e3;
        if (const auto mib = lauf.counters.find("MiB"); mib != lauf.counters.end())
            m.mib = mib->second.value;
    }
    if (!gezeigt.empty())
        benchmark::ConsoleReporter::ReportRuns(gezeigt);
}

void ZielBericht::Finalize() {
    benchmark::ConsoleReporter::Finalize();
    std::ostream& aus = GetOutputStream();
    aus << "\nTargets (median of the repetitions; case and baseline measured in the same run)\n";
    aus << std::left << std::setw(52) << "case" << std::setw(12) << "time" << std::setw(56) << "baseline"
        << std::setw(12) << "time" << std::setw(10) << "ratio" << std::setw(22) << "target"
        << "holds\n";
    for (const Ziel& z : ziele()) {
        const auto fall = m_messungen.find(z.fall);
        const auto basis = m_messungen.find(z.basis);
        if (fall == m_messungen.end() || basis == m_messungen.end() || fall->second.fehler ||
            basis->second.fehler) {
            // A case filtered out of this run is not judged; a failed one is.
            const bool gefiltert = fall == m_messungen.end() && basis == m_messungen.end();
            if (!gefiltert) {
                m_alleGehalten = false;
                aus << std::setw(52) << z.titel << "not measured\n";
            }
            continue;
        }
        const Messung& f = fall->second;
        const Messung& b = basis->second;
        // Times unless the target is about memory.
        const bool speicher = z.art == Grenze::MiB;
        const double fallWert = speicher ? f.mib : f.ms;
        const double basisWert = speicher ? b.mib : b.ms;
        const std::string wertFall = speicher ? zahl(f.mib, 1) + " MiB" : zeit(f.ms);
        const std::string wertBasis = speicher ? zahl(b.mib, 1) + " MiB" : zeit(b.ms);
        const double verhaeltnis = basisWert > 0 ? fallWert / basisWert : 0;
        std::string ziel = "-";
        bool gehalten = true;
        switch (z.art) {
        case Grenze::MiB:
            ziel = "<= " + grenzeText(z.grenze) + " MiB";
            gehalten = f.mib <= z.grenze;
            break;
        case Grenze::Millisekunden:
            ziel = "<= " + grenzeText(z.grenze) + " ms";
            gehalten = f.ms <= z.grenze;
            break;
        case Grenze::Verhaeltnis:
            ziel = "<= " + zahl(z.grenze, 1) + "x";
            gehalten = b.ms > 0 && verhaeltnis <= z.grenze;
            if (z.hoechstensMs > 0) {
                ziel += ", " + grenzeText(z.hoechstensMs) + " ms";
                gehalten = gehalten && f.ms <= z.hoechstensMs;
            }
            break;
        case Grenze::Keine:
            break;
        }
        m_alleGehalten = m_alleGehalten && gehalten;
        aus << std::setw(52) << z.titel << std::setw(12) << wertFall << std::setw(56) << z.basisTitel
            << std::setw(12) << wertBasis << std::setw(10) << (zahl(verhaeltnis, 2) + "x") << std::setw(22)
            << ziel
            << (z.art == Grenze::Keine ? "(shown)"
                : gehalten             ? "yes"
                                       : "NO")
            << "\n";
    }
    aus << (m_alleGehalten ? "\nEvery target holds.\n" : "\nNot every target holds.\n");
    aus.flush();
}

} // namespace tabulo::bench
