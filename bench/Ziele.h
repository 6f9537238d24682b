#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

// Every target pairs a case with its baseline, both benchmarks of the same run. The summary after
// the run prints each case beside its baseline with the ratio and says whether the target holds.
namespace tabulo::bench {

enum class Grenze {
    Verhaeltnis,   // case / baseline at most the limit
    Millisekunden, // case at most the limit in milliseconds; the baseline is shown for scale
    MiB,           // the counter "MiB" of the case at most the limit
    Keine,         // shown beside its baseline for scale, not judged
};

struct Ziel {
    std::string titel;      // what the case measures
    std::string fall;       // benchmark of the case
    std::string basisTitel; // what the baseline measures
    std::string basis;      // benchmark of the baseline
    Grenze art;
    double grenze;
    double hoechstensMs = 0; // with a ratio: the case within this many milliseconds too
};

// Registers a target; returns a value only so that it can initialise a static.
int zielAnmelden(Ziel ziel);
const std::vector<Ziel>& ziele();

// The console output with one line per case (median of the repetitions), then the summary.
class ZielBericht : public benchmark::ConsoleReporter {
public:
    ZielBericht() : benchmark::ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& laeufe) override;
    void Finalize() override;

    // False when a target did not hold or a case is missing.
    bool alleGehalten() const { return m_alleGehalten; }

private:
    struct Messung {
        double ms = 0;
        double mib = 0;
        bool fehler = false;
    };
    std::map<std::string, Messung> m_messungen;
    bool m_alleGehalten = true;
};

} // namespace tabulo::bench

#define TABULO_ZIEL_VERKETTEN2(a, b) a##b
#define TABULO_ZIEL_VERKETTEN(a, b) TABULO_ZIEL_VERKETTEN2(a, b)
#define TABULO_ZIEL(...)                                                                                     \
    static const int TABULO_ZIEL_VERKETTEN(ziel_, __LINE__) = ::tabulo::bench::zielAnmelden({__VA_ARGS__})
