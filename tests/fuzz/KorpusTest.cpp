// The fuzz harnesses over their checked-in seed files: valid files, files named after the fault
// they carry, and every input the fuzzer once broke a decoder with.
#include "harnesse/Harness.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace tabulo::fuzz;

namespace {

struct Verletzung : std::runtime_error {
    using std::runtime_error::runtime_error;
};

QDir korpusOrdner() {
    return QDir(QStringLiteral(TABULO_KORPUS));
}

class Korpus : public ::testing::TestWithParam<Harness> {
protected:
    void SetUp() override {
        setzeVerletzungsbehandlung([](const QString& meldung) { throw Verletzung(meldung.toStdString()); });
    }
    void TearDown() override { setzeVerletzungsbehandlung(nullptr); }
};

} // namespace

namespace tabulo::fuzz {
void PrintTo(const Harness& h, std::ostream* os) {
    *os << h.name;
}
} // namespace tabulo::fuzz

TEST_P(Korpus, KeineSaatdateiVerletztEineZusage) {
    const Harness& h = GetParam();
    const QDir ordner(korpusOrdner().filePath(QString::fromLatin1(h.name)));
    const QFileInfoList dateien = ordner.entryInfoList(QDir::Files, QDir::Name);
    ASSERT_FALSE(dateien.isEmpty()) << "no seed files in " << ordner.path().toStdString();
    for (const QFileInfo& info : dateien) {
        QFile datei(info.filePath());
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
        const QByteArray inhalt = datei.readAll();
        // An exact-size copy, so that the sanitizer build sees a read one byte past the end.
        const auto puffer = std::make_unique<char[]>(static_cast<std::size_t>(inhalt.size()));
        std::copy(inhalt.begin(), inhalt.end(), puffer.get());
        try {
            h.koerper(QByteArrayView(puffer.get(), inhalt.size()));
        } catch (const Verletzung& v) {
            ADD_FAILURE() << info.fileName().toStdString() << ": " << v.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Harnesse, Korpus, ::testing::ValuesIn(alleHarnesse().begin(), alleHarnesse().end()),
                         [](const ::testing::TestParamInfo<Harness>& info) {
                             return std::string(info.param.name);
                         });

TEST(KorpusOrdner, JederOrdnerGehoertZuEinemHarness) {
    const QStringList ordner = korpusOrdner().entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(ordner.size(), static_cast<qsizetype>(alleHarnesse().size()));
    for (const QString& name : ordner)
        EXPECT_NE(harnessNamens(name), nullptr) << "seed folder without harness: " << name.toStdString();
}
