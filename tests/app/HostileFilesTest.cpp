#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <random>

#include "AppHarness.h"
#include "Fingerprint.h"
#include "platform/QtSettingsStore.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

// The files the English start-up reads.
const char* const kEnglishFiles[] = {"enkvt.txt", "Ocf",   "ennst.txt", "ennfn.txt", "enksn.txt",
                                     "enhlp.rtf", "enlen", "enaapx",    "enapt.txt", "enift.txt"};

bool AnyWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            return true;
        }
    }
    return false;
}

// A start on a damaged folder either comes up whole or ends at once: with the data-file
// message when the fingerprint matched (it was taken after the damage), with nothing saved and
// no window left on the screen.
void ExpectStartOrCleanEnd(AppHarness& h, bool started, const std::string& label) {
    if (started) {
        EXPECT_TRUE(h.endCodes.empty()) << label;
        EXPECT_EQ(h.app->State().startFinished, 1) << label;
        return;
    }
    ASSERT_EQ(h.endCodes.size(), 1u) << label;
    EXPECT_NE(h.endCodes[0], 0) << label;
    EXPECT_TRUE(h.store.writes.empty()) << label;
    EXPECT_FALSE(AnyWindowShown()) << label;
    ASSERT_LE(h.prompt.boxes.size(), 1u) << label;
    if (!h.prompt.boxes.empty()) {
        EXPECT_EQ(h.prompt.boxes[0].message, h.app->State().texts[99]) << label;
        EXPECT_EQ(h.prompt.boxes[0].icon, PromptIcon::Critical) << label;
        EXPECT_EQ(h.prompt.beeps, 1) << label;
    }
}

// Damages one file, then starts with the fingerprint of the damaged folder, so that only the
// loader stands between the damage and the windows. Returns whether the reader started.
bool StartDamaged(AppHarness& h, const std::string& name,
                  const std::function<std::string(const std::string&)>& damage) {
    h.WriteDataSet();
    const std::string path = h.folder.Path() + name;
    test::WriteFile(path, damage(test::ReadFile(path)));
    h.Create();
    return h.Start();
}

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

TEST(HostileFiles, EveryDataFileDamagedStartsWholeOrEndsCleanly) {
    using Damage = std::function<std::string(const std::string&)>;
    const std::vector<std::pair<std::string, Damage>> damages = {
        {"empty", [](const std::string&) { return std::string(); }},
        {"one byte", [](const std::string& b) { return b.substr(0, 1); }},
        {"cut at a third", [](const std::string& b) { return b.substr(0, b.size() / 3); }},
        {"cut in the middle", [](const std::string& b) { return b.substr(0, b.size() / 2); }},
        {"last byte missing", [](const std::string& b) { return b.substr(0, b.size() - 1); }},
        {"one line of 1 MB", [](const std::string&) { return std::string(kMaxDataFileSize, 'x'); }},
        {"random bytes", [](const std::string& b) { return RandomBytes(b.size(), 7); }},
        {"NUL bytes", [](const std::string& b) { return std::string(b.size(), '\0'); }},
    };
    for (const char* name : kEnglishFiles) {
        for (const auto& [what, damage] : damages) {
            AppHarness h;
            const std::string label = std::string(name) + ", " + what;
            const bool started = StartDamaged(h, name, damage);
            ExpectStartOrCleanEnd(h, started, label);
        }
    }
}

TEST(HostileFiles, FilesTheCorpusCannotDoWithoutRefuseTheDataSet) {
    // Empty or cut short, each of these leaves the reader without a whole text.
    for (const char* name :
         {"Ocf", "enksn.txt", "enhlp.rtf", "enlen", "enaapx", "enapt.txt", "enkvt.txt"}) {
        for (bool empty : {true, false}) {
            AppHarness h;
            const bool started = StartDamaged(h, name, [empty, name](const std::string& b) {
                if (empty) {
                    return std::string();
                }
                // Half the lines of a list, or half the records of a binary file.
                const bool text = std::string(name).ends_with(".txt");
                return b.substr(0, text ? b.rfind("\r\n", b.size() / 2) : b.size() / 2);
            });
            const std::string label = std::string(name) + (empty ? ", empty" : ", halved");
            if (std::string(name) == "enkvt.txt" && !empty) {
                // Fewer verse lines leave the later verses empty, which the reader shows.
                ExpectStartOrCleanEnd(h, started, label);
                continue;
            }
            if (std::string(name) == "enhlp.rtf" && !empty) {
                ExpectStartOrCleanEnd(h, started, label);
                continue;
            }
            EXPECT_FALSE(started) << label;
            ExpectStartOrCleanEnd(h, started, label);
            EXPECT_EQ(h.prompt.boxes.size(), 1u) << label;
        }
    }
}

TEST(HostileFiles, AMissingDataFileEndsWithoutAWindow) {
    for (const char* name : kEnglishFiles) {
        AppHarness h;
        h.WriteDataSet();
        std::string fingerprint;
        ASSERT_EQ(ComputeFingerprint(h.folder.Path(), fingerprint), 0);
        std::filesystem::remove(h.folder.Path() + name);
        h.Create(1033, fingerprint);
        EXPECT_FALSE(h.Start()) << name;
        ExpectStartOrCleanEnd(h, false, name);
    }
}

TEST(HostileFiles, LengthsPromisingMoreThanTheAppendicesHoldAreRefused) {
    for (std::uint32_t promised : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 1000000u}) {
        AppHarness h;
        const bool started = StartDamaged(h, "enlen", [promised](const std::string& b) {
            std::string bytes = b;
            for (int i = 0; i < 4; ++i) {
                bytes[40 * 4 + static_cast<std::size_t>(i)] =
                    static_cast<char>((promised >> (8 * i)) & 0xFF);
            }
            return bytes;
        });
        EXPECT_FALSE(started) << promised;
        ExpectStartOrCleanEnd(h, started, std::to_string(promised));
        EXPECT_EQ(h.prompt.boxes.size(), 1u);
    }
}

TEST(HostileFiles, NotesNamingNoVerseAreRefused) {
    for (const char* file : {"ennst.txt", "ennfn.txt"}) {
        for (const char* key : {"200001", "000001", "001008", "114007", "-01001", "abcdef", ""}) {
            AppHarness h;
            const bool started = StartDamaged(h, file, [key](const std::string& b) {
                return std::string(key) + " a note naming no verse\r\n" + b;
            });
            const std::string label = std::string(file) + " " + key;
            EXPECT_FALSE(started) << label;
            ExpectStartOrCleanEnd(h, started, label);
            EXPECT_EQ(h.prompt.boxes.size(), 1u) << label;
        }
    }
}

// The reader on a real settings file.
struct SettingsFileStart {
    AppHarness h;
    std::unique_ptr<QtSettingsStore> store;

    explicit SettingsFileStart(const std::string& ini) {
        h.WriteDataSet();
        const QString path = QString::fromStdString(h.folder.Path() + "settings.ini");
        test::WriteFile(path.toStdString(), ini);
        store = std::make_unique<QtSettingsStore>(path);
        std::string fingerprint;
        ComputeFingerprint(h.folder.Path(), fingerprint);
        ApplicationConfig config;
        config.programFolder = h.folder.Path();
        config.expectedFingerprint = fingerprint;
        config.systemLanguageId = 1033;
        config.randomSeed = 99;
        h.app = std::make_unique<Application>(config, *store, h.prompt,
                                              [this](int code) { h.endCodes.push_back(code); });
    }
};

TEST(HostileFiles, BrokenSettingsFilesStartWithTheDefaults) {
    const Settings defaults = LoadSettings(test::MemorySettingsStore());
    std::string huge = "[G_SET]\nred=" + std::string(100000, '9') + "\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"garbage", RandomBytes(4096, 3)},
        {"no sections", "red=100\ngreen=100\nvw_fs=20\nlang=2\n"},
        {"empty sections", "[G_SET]\n[S_SET]\n[T_SET]\n[wp]\n[s_list]\n"},
        {"huge numbers",
         "[G_SET]\nred=1e308\ngreen=99999999999999999999\nblue=1e400\nvw_fs=4294967306\n"
         "lang=257\n[S_SET]\ns_vt=65537\ns_cap=1e30\n[wp]\nf1max=256\n"},
        {"negative numbers",
         "[G_SET]\nred=-1\ngreen=-1e308\nblue=-0\nvw_fs=-10\nlang=-1\n[S_SET]\ns_vt=-1\n"
         "[wp]\nf1max=-255\n"},
        // Text without digits reads as 0: the default of these, or out of their range.
        {"not numbers", "[G_SET]\nred=NaN\nblue=&H\nvw_fs=inf\nlang=\\x00\n[wp]\nf1max=x\n"},
        {"one huge value", huge},
    };
    for (const auto& [what, ini] : files) {
        SettingsFileStart s(ini);
        ASSERT_TRUE(s.h.Start()) << what;
        EXPECT_TRUE(s.h.endCodes.empty()) << what;
        EXPECT_EQ(s.h.app->State().startFinished, 1) << what;
        const Settings& read = s.h.app->State().settings;
        EXPECT_EQ(read.colour, defaults.colour) << what;
        EXPECT_EQ(read.fontPoints, defaults.fontPoints) << what;
        EXPECT_EQ(read.searchVerseText, defaults.searchVerseText) << what;
        EXPECT_EQ(read.compareMode, defaults.compareMode) << what;
        EXPECT_EQ(read.f1max, defaults.f1max) << what;
        EXPECT_EQ(read.language, 1) << what; // chosen from the system language
    }
}

} // namespace
} // namespace lumra
