// The libFuzzer entry of one harness; TABULO_HARNESS names it.
#include "harnesse/Harness.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {
const tabulo::fuzz::Harness* harness = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    harness = tabulo::fuzz::harnessNamens(QStringLiteral(TABULO_HARNESS));
    if (!harness) {
        std::fprintf(stderr, "unbekannter Harness %s\n", TABULO_HARNESS);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    harness->koerper(QByteArrayView(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
    return 0;
}
