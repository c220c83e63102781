#include <gtest/gtest.h>

#include <QSettings>
#include <filesystem>
#include <sys/stat.h>

#include "MemorySettingsStore.h"

#include "SyntheticDataSet.h"
#include "platform/QtSettingsStore.h"
#include "settings/Settings.h"

namespace lumra {
namespace {

TEST(QtSettingsStore, KeepsTheExactSectionsAndKeysInItsIniFile) {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.Path() + "ZOR.ini");
    Settings s = LoadSettings(QtSettingsStore(path));
    s.queryHistory[0] = "mercy";
    s.queryHistory[1] = "\xE5r"; // "år" in Windows-1252
    {
        QtSettingsStore store(path);
        SaveSettings(store, s);
    }
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("G_SET"));
    EXPECT_EQ(ini.childKeys().size(), 9);
    EXPECT_TRUE(ini.contains(QStringLiteral("g_c1( 3)")));
    EXPECT_EQ(ini.value(QStringLiteral("green")).toString(), QStringLiteral("104"));
    ini.endGroup();
    ini.beginGroup(QStringLiteral("s_list"));
    EXPECT_EQ(ini.childKeys(), (QStringList{QStringLiteral(" 0"), QStringLiteral(" 1")}));
    EXPECT_EQ(ini.value(QStringLiteral(" 1")).toString(), QStringLiteral("\u00E5r"));
    ini.endGroup();
    EXPECT_TRUE(ini.contains(QStringLiteral("T_SET/t_c1( 0)")));
    EXPECT_TRUE(ini.contains(QStringLiteral("wp/f13max")));
    EXPECT_TRUE(ini.contains(QStringLiteral("P_SET/p_c1")));
    EXPECT_EQ(LoadSettings(QtSettingsStore(path)), s);
}

TEST(QtSettingsStore, AGarbledFileReadsAsDefaults) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "ZOR.ini";
    test::WriteFile(path,
                    std::string("[G_SET]\ngreen=@Variant(\\0\\0\\0\x7f)\nred=\"\nvw_fs=1,2,3\n"
                                "[s_list]\n%200=x\n\xff\xfe\x01garbage\n[[[\n") +
                        std::string(3, '\0'));
    const auto s = LoadSettings(QtSettingsStore(QString::fromStdString(path)));
    EXPECT_LE(s.colour.red, 192);
    EXPECT_LE(s.colour.green, 192);
    EXPECT_GE(s.fontPoints, 8);
    EXPECT_LE(s.fontPoints, 120);
    EXPECT_EQ(s.viewFontSize, 2 * s.fontPoints);
}

// A pipe would block the start for good and /dev/zero never ends: either reads as a missing
// file, and saving puts a regular file in its place.
TEST(QtSettingsStore, AFileThatIsNoRegularFileReadsAsMissingAndIsReplacedOnSaving) {
    for (const bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "pipe" : "link to /dev/zero");
        test::TempFolder folder;
        const std::string path = folder.Path() + "ZOR.ini";
        if (pipe) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else {
            std::filesystem::create_symlink("/dev/zero", path);
        }
        const QString ini = QString::fromStdString(path);
        Settings s;
        {
            QtSettingsStore store(ini);
            s = LoadSettings(store);
            EXPECT_EQ(s, LoadSettings(test::MemorySettingsStore()));
            s.colour.red = 7;
            s.queryHistory[0] = "mercy";
            SaveSettings(store, s);
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
        EXPECT_EQ(LoadSettings(QtSettingsStore(ini)), s);
    }
}

} // namespace
} // namespace lumra
