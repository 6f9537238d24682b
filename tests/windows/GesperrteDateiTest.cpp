// A target that another program holds open without sharing (an editor, a virus scanner, the
// host itself) cannot be replaced: the user is told which file and the system's reason, and
// the old file stays as it was.
#include "core/files/DateiSchreiber.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <windows.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
QString systemText(DWORD fehler) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, fehler, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString s = QString::fromWCharArray(text).trimmed();
    LocalFree(text);
    return s;
}
} // namespace

TEST(GesperrteDatei, MeldungNenntDateiUndGrundUndDieAlteDateiBleibt) {
    QTemporaryDir basis;
    const QString ordner = basis.filePath(QStringLiteral("Wache S\u00fcd \u00e4\u00f6\u00fc"));
    const QString pfad = QDir(ordner).filePath("Status.BIN");
    dateiAnlegen(pfad, "vorher");
    const HANDLE gehalten = CreateFileW(reinterpret_cast<const wchar_t*>(pfad.utf16()), GENERIC_READ, 0,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(gehalten, INVALID_HANDLE_VALUE);
    const SchreibErgebnis e = DateiSchreiber().schreiben(pfad, "nachher");
    CloseHandle(gehalten);
    EXPECT_FALSE(e.ok);
    const QStringList gruende = {systemText(ERROR_SHARING_VIOLATION), systemText(ERROR_ACCESS_DENIED)};
    EXPECT_TRUE(gruende.contains(e.fehler.trimmed())) << e.fehler.toStdString();
    const QString text = schreibFehlerText(pfad, e.fehler);
    EXPECT_TRUE(text.contains(QStringLiteral("\"") + QDir::toNativeSeparators(pfad) + QStringLiteral("\"")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(e.fehler));
    EXPECT_EQ(dateiInhalt(pfad), "vorher");
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files), QStringList{"Status.BIN"}) << "no temporary file left";

    // Once the other program lets go, the save goes through.
    EXPECT_TRUE(DateiSchreiber().schreiben(pfad, "nachher"));
    EXPECT_EQ(dateiInhalt(pfad), "nachher");
}
