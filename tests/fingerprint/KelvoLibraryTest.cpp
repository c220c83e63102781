// The real libkelvo.so, copied into a folder of synthetic data files and loaded as the reader
// loads it.

#include "platform/KelvoLibrary.h"
#include "DataFolder.h"

#include <QLibrary>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

namespace lumra {
namespace {

using test::DataFolder;

// A data folder with its own copy of the library beside the data files.
class KelvoFolder : public DataFolder {
public:
    KelvoFolder() { std::filesystem::copy_file(LUMRA_KELVO_LIBRARY, Path() / "libkelvo.so"); }
    QString Library() const { return QString::fromStdString((Path() / "libkelvo.so").string()); }
};

// Runs the rest of a test in another working directory, and goes back afterwards.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& path)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory() { std::filesystem::current_path(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

TEST(KelvoLibrary, FingerprintsTheFilesBesideIt) {
    KelvoFolder folder;
    test::WriteHexSample(folder);
    KelvoLibrary kelvo(folder.Library());
    EXPECT_EQ(kelvo.Fingerprint(), std::string(test::kHexSampleFingerprint));

    // Each call counts afresh.
    EXPECT_EQ(kelvo.Fingerprint(), std::string(test::kHexSampleFingerprint));
    // 2304 zero bytes alone: "100" in each of the 9 rows, whose 27 characters fall 3 times in
    // rows 0 to 2 and twice in the others.
    folder.Write("enhlp.rtf", "");
    folder.Write("enapt.txt", "");
    EXPECT_EQ(kelvo.Fingerprint(), "333" + std::string(9, '2'));
}

TEST(KelvoLibrary, IgnoresTheWorkingDirectory) {
    // The working directory holds a complete data set of its own, which must not be used.
    KelvoFolder program;
    test::WriteHexSample(program);
    DataFolder elsewhere;
    KelvoLibrary kelvo(program.Library());

    WorkingDirectory cwd(elsewhere.Path());
    EXPECT_EQ(kelvo.Fingerprint(), std::string(test::kHexSampleFingerprint));

    // Named by a relative path, the library is still found where it was named.
    KelvoFolder relative;
    test::WriteHexSample(relative);
    WorkingDirectory inside(relative.Path());
    KelvoLibrary relativeKelvo(QStringLiteral("libkelvo.so"));
    WorkingDirectory away(elsewhere.Path());
    EXPECT_EQ(relativeKelvo.Fingerprint(), std::string(test::kHexSampleFingerprint));
}

TEST(KelvoLibrary, GivesNothingWithoutLibraryOrData) {
    KelvoFolder folder;
    std::filesystem::remove(folder.Path() / "Ocf");
    EXPECT_EQ(KelvoLibrary(folder.Library()).Fingerprint(), std::nullopt);

    DataFolder empty;
    const QString missing = QString::fromStdString((empty.Path() / "libkelvo.so").string());
    EXPECT_EQ(KelvoLibrary(missing).Fingerprint(), std::nullopt);

    empty.Write("libkelvo.so", "not a library");
    EXPECT_EQ(KelvoLibrary(missing).Fingerprint(), std::nullopt);
}

TEST(KelvoExport, WritesOnlyTheFingerprintAndItsNul) {
    KelvoFolder folder;
    test::WriteHexSample(folder);
    QLibrary library(folder.Library());
    using Vsc = int (*)(char*);
    const auto vsc = reinterpret_cast<Vsc>(library.resolve("vsc"));
    ASSERT_NE(vsc, nullptr);

    std::array<char, 600> buffer{};
    buffer.fill('#');
    buffer.back() = '\0';
    ASSERT_EQ(vsc(buffer.data()), 0);
    const std::string_view expected = test::kHexSampleFingerprint;
    EXPECT_EQ(std::string_view(buffer.data(), expected.size()), expected);
    EXPECT_EQ(buffer[expected.size()], '\0');
    EXPECT_EQ(std::string(buffer.data() + expected.size() + 1),
              std::string(buffer.size() - expected.size() - 2, '#'));

    // A missing file: result 1 and not one byte touched.
    std::filesystem::remove(folder.Path() / "svnst.txt");
    std::array<char, 600> untouched{};
    untouched.fill('#');
    untouched.back() = '\0';
    buffer = untouched;
    EXPECT_EQ(vsc(buffer.data()), 1);
    EXPECT_EQ(buffer, untouched);
}

} // namespace
} // namespace lumra
