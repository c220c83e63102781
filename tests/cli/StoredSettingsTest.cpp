// The subcommands read the reader's settings file without Qt: what the reader's store wrote
// reads back the same.

#include <gtest/gtest.h>

#include "SyntheticDataSet.h"
#include "cli/StoredSettings.h"
#include "platform/QtSettingsStore.h"
#include "settings/Settings.h"

namespace lumra {
namespace {

TEST(StoredSettings, ReadsWhatTheReadersStoreWrote) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "ZOR.ini";
    Settings s = LoadSettings(cli::StoredSettings(path)); // no file: every default
    EXPECT_EQ(s, LoadSettings(QtSettingsStore(QString::fromStdString(path))));
    s.language = 2;
    s.viewOptions = {0, 1, 0, 1};
    s.compareMode = 0;
    s.listOptions = {0, 1, 0, 0};
    s.inlineReference = 0;
    s.colour = {12, 34, 56};
    const char* queries[] = {"mercy", "\xE5r \xC5", " +a, \"b\"; c=d ", "@home", "back\\slash",
                             "100%",  "[x]"};
    for (std::size_t i = 0; i < std::size(queries); ++i) {
        s.queryHistory[i] = queries[i];
    }
    {
        QtSettingsStore store(QString::fromStdString(path));
        SaveSettings(store, s);
        store.Flush();
    }
    EXPECT_EQ(LoadSettings(cli::StoredSettings(path)), s);
}

TEST(StoredSettings, TheLocaleChoosesSwedishOnlyForSwedish) {
    struct Case {
        const char *all, *messages, *lang, *language;
        int id;
    };
    for (const Case c :
         {Case{"", "", "sv_SE.UTF-8", "", 1053}, Case{"", "", "sv_FI", "", 2077},
          Case{"C", "", "sv_SE.UTF-8", "", 1033}, Case{"", "en_US.UTF-8", "sv_SE.UTF-8", "", 1033},
          Case{"", "", "en_GB.UTF-8", "sv", 1053}, Case{"", "", "", "sv", 1033},
          Case{"", "", "de_DE", "", 1033}}) {
        EXPECT_EQ(cli::LanguageIdFromLocale(c.all, c.messages, c.lang, c.language), c.id)
            << c.all << "|" << c.messages << "|" << c.lang << "|" << c.language;
    }
}

} // namespace
} // namespace lumra
