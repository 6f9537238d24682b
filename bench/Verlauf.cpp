#include "Flotte.h"
#include "Ziele.h"
#include "core/common/Text.h"
#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QFile>
#include <malloc.h>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

constexpr int Importe = 100;

// Bytes the heap holds for the program.
double belegtMiB() {
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

// The fleet's vehicle file as a later export would give it: every vehicle with another status
// and time, the rest as it was.
QByteArray spaetereFahrzeuge() {
    QByteArray bytes;
    for (Fahrzeug f : fahrzeugSaetzeLesen(flottenDateien().fahrzeuge)) {
        f.stat = zahlText((f.stat.toInt() + 3) % 10);
        f.zeit = f.zeit.right(5) + f.zeit.left(3);
        bytes += fahrzeugSatzSchreiben(f, false);
    }
    return bytes;
}

void spaeterSchreiben(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(spaetereFahrzeuge()) < 0)
        qFatal("The later vehicle file was not written");
}

} // namespace

// 100 vehicle imports of 10,000 into 10,000, all Ja, each changing status and time of every
// vehicle (and of the 416 fields that show them): what the history holds afterwards.
static void Verlauf_Importe(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage ja(Antwort::Ja);
    const QString pfade[2] = {f.pfad(QStringLiteral("spaeter.bin")), f.pfad(QStringLiteral("Fahrzeug.BIN"))};
    spaeterSchreiben(pfade[0]);
    double mib = 0;
    for (auto _ : state) {
        for (int k = 0; k < Importe; ++k)
            FahrzeuglisteImportieren(f.ab, ja, pfade[k % 2]);
        if (f.ab.verlauf.anzahl() != Importe)
            state.SkipWithError("an import was no step of its own");
        const double mit = belegtMiB();
        f.ab.verlauf.leeren();
        mib = mit - belegtMiB();
    }
    state.counters["MiB"] = mib;
}
BENCHMARK(Verlauf_Importe)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same imports, each keeping a copy of the list as it was before: what a history of
// whole lists would hold (the copies share every text that did not change).
static void Verlauf_Kopien(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage ja(Antwort::Ja);
    const QString pfade[2] = {f.pfad(QStringLiteral("spaeter.bin")), f.pfad(QStringLiteral("Fahrzeug.BIN"))};
    spaeterSchreiben(pfade[0]);
    double mib = 0;
    for (auto _ : state) {
        std::vector<std::vector<Fahrzeug>> kopien;
        for (int k = 0; k < Importe; ++k) {
            kopien.push_back(f.ab.fahrzeuge);
            FahrzeuglisteImportieren(f.ab, ja, pfade[k % 2]);
        }
        f.ab.verlauf.leeren();
        const double mit = belegtMiB();
        kopien.clear();
        mib = mit - belegtMiB();
    }
    state.counters["MiB"] = mib;
}
BENCHMARK(Verlauf_Kopien)->Iterations(1)->Unit(benchmark::kMillisecond);

TABULO_ZIEL("history of 100 vehicle imports, 10,000 into 10,000", "Verlauf_Importe",
            "100 copies of the list instead", "Verlauf_Kopien", Grenze::MiB, 50.0);
