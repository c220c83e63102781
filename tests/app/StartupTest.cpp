#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <set>

#include "AppHarness.h"
#include "Fingerprint.h"
#include "windows/MainWindow.h"
#include "windows/StartupWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

int ScrollValue(Application& app) {
    return app.Main().findChild<QScrollBar*>(QStringLiteral("HScroll1"))->value();
}

TEST(Startup, OpensOnARandomVerseAndShowsTheReminder) {
    AppHarness h;
    auto& app = h.StartDefault();
    ASSERT_TRUE(h.endCodes.empty());
    const auto& s = app.State();
    EXPECT_EQ(s.settings.language, 1);
    EXPECT_EQ(s.startFinished, 1);
    EXPECT_EQ(s.introductionFlag, 0);
    EXPECT_EQ(s.layoutScale, 1.0f);
    EXPECT_EQ(s.currentQuery, SyntheticDataSet::InterfaceText("en", 68));
    const int p = ScrollValue(app);
    EXPECT_GE(p, 1);
    EXPECT_LE(p, kPositionCount);
    EXPECT_EQ(s.currentPosition, p);
    ASSERT_FALSE(h.prompt.boxes.empty());
    const auto& reminder = h.prompt.boxes.back();
    EXPECT_EQ(reminder.message, "[16:98]\r\n" + SyntheticDataSet::VerseText("en", 2011));
    EXPECT_EQ(reminder.title, SyntheticDataSet::InterfaceText("en", 63));
    EXPECT_EQ(reminder.icon, PromptIcon::Information);
    EXPECT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_TRUE(h.store.writes.empty());
}

TEST(Startup, StartVersesDifferFromRunToRun) {
    std::set<int> seen;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        AppHarness h;
        h.WriteDataSet();
        auto& app = h.Create();
        ApplicationConfig config = app.Config();
        config.randomSeed = seed * 7919;
        h.app = std::make_unique<Application>(config, h.store, h.prompt, [](int) {});
        ASSERT_TRUE(h.Start());
        seen.insert(ScrollValue(*h.app));
    }
    EXPECT_GE(seen.size(), 3u);
}

TEST(Startup, TheSystemLanguageChoosesOnlyWhenNoneIsStored) {
    struct Case {
        int systemId;
        const char* stored;
        int expected;
    };
    for (const Case c :
         {Case{1053, nullptr, 2}, Case{2077, nullptr, 2}, Case{1033, nullptr, 1},
          Case{1031, nullptr, 1}, Case{1053, "1", 1}, Case{1033, "2", 2}, Case{1053, "7", 2}}) {
        AppHarness h;
        h.WriteDataSet();
        if (c.stored != nullptr) {
            h.store.Set("G_SET", "lang", c.stored);
        }
        h.Create(c.systemId);
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.app->State().settings.language, c.expected) << c.systemId;
        const std::string code = c.expected == 2 ? "sv" : "en";
        EXPECT_EQ(h.app->State().texts[45], SyntheticDataSet::InterfaceText(code, 45));
        EXPECT_EQ(h.app->State().corpus.verseText[1], SyntheticDataSet::VerseText(code, 1));
    }
}

TEST(Startup, AcceptingTheIntroductionSetsItsFlag) {
    AppHarness h;
    h.WriteDataSet();
    h.Create();
    ASSERT_TRUE(h.Start(/*acceptIntroduction=*/true));
    EXPECT_EQ(h.app->State().introductionFlag, 1);
}

TEST(Startup, StartupWindowShowsItsCaptionsAndClosesOnEsc) {
    AppHarness h;
    h.WriteDataSet();
    h.Create();
    QString label1;
    QString command1;
    bool visibleBefore = false;
    h.OnNextModal([&](QWidget* w) {
        visibleBefore = w->isVisible();
        label1 = w->findChild<QWidget*>(QStringLiteral("Label1"))->property("text").toString();
        command1 = w->findChild<QWidget*>(QStringLiteral("Command1"))->property("text").toString();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    ASSERT_TRUE(h.app->Start());
    EXPECT_TRUE(visibleBefore);
    EXPECT_EQ(label1, QStringLiteral("en#50"));
    EXPECT_EQ(command1, QStringLiteral("en#51"));
    EXPECT_EQ(h.app->State().introductionFlag, 0);
    EXPECT_FALSE(h.app->Loaded<StartupWindow>()->isVisible());
}

TEST(Startup, AlteredOrMissingDataFilesEndSilently) {
    for (const std::string name : {"enkvt.txt", "svnfn.txt", "Ocf", "svift.txt"}) {
        for (bool remove : {false, true}) {
            AppHarness h;
            h.WriteDataSet();
            std::string fingerprint;
            ASSERT_EQ(ComputeFingerprint(h.folder.Path(), fingerprint), 0);
            const auto path = h.folder.Path() + name;
            if (remove) {
                std::filesystem::remove(path);
            } else {
                auto bytes = test::ReadFile(path);
                bytes[bytes.size() / 2] ^= 0x01;
                test::WriteFile(path, bytes);
            }
            h.Create(1033, fingerprint);
            EXPECT_FALSE(h.Start()) << name;
            EXPECT_EQ(h.endCodes.size(), 1u) << name;
            EXPECT_TRUE(h.prompt.boxes.empty()) << name;
            EXPECT_EQ(h.prompt.beeps, 0);
            EXPECT_TRUE(h.store.writes.empty());
        }
    }
}

TEST(Startup, AMissingLibraryEndsSilently) {
    AppHarness h;
    h.WriteDataSet();
    std::string fingerprint;
    ComputeFingerprint(h.folder.Path(), fingerprint);
    std::filesystem::remove(h.folder.Path() + "libkelvo.so");
    h.Create(1033, fingerprint);
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.endCodes.size(), 1u);
    EXPECT_TRUE(h.prompt.boxes.empty());
}

TEST(Startup, AnUnreadableCorpusShowsTheDataFileErrorAndSavesNothing) {
    AppHarness h;
    h.WriteDataSet();
    std::string apt;
    for (int k = 1; k <= 40; ++k) {
        apt += "title\r\n";
    }
    test::WriteFile(h.folder.Path() + "enapt.txt", apt);
    h.Create(); // the fingerprint matches the broken file: only the loader can refuse it
    EXPECT_FALSE(h.Start());
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 99));
    EXPECT_EQ(h.prompt.boxes[0].title, SyntheticDataSet::InterfaceText("en", 71));
    EXPECT_EQ(h.prompt.boxes[0].icon, PromptIcon::Critical);
    EXPECT_EQ(h.prompt.events.front(), "beep");
    EXPECT_EQ(h.endCodes.size(), 1u);
    EXPECT_TRUE(h.store.writes.empty());
}

TEST(Startup, ClosingSavesFirstAndNoKeepsTheWindow) {
    AppHarness h;
    auto& app = h.StartDefault();
    app.Main().show();
    h.prompt.boxes.clear();
    h.prompt.Answer(PromptAnswer::No);
    app.State().settings.fontPoints = 14;
    EXPECT_FALSE(app.Main().close());
    EXPECT_TRUE(app.Main().isVisible());
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 64));
    EXPECT_EQ(h.prompt.boxes[0].title, SyntheticDataSet::InterfaceText("en", 45));
    EXPECT_EQ(h.prompt.boxes[0].icon, PromptIcon::Question);
    EXPECT_EQ(h.prompt.boxes[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(h.store.Get("G_SET", "vw_fs"), "14");
    EXPECT_EQ(h.store.Get("G_SET", "lang"), "1");
    EXPECT_TRUE(h.endCodes.empty());

    h.prompt.Answer(PromptAnswer::Yes);
    app.Main().close();
    EXPECT_EQ(h.endCodes, std::vector<int>{0});
}

TEST(MainWindow, CaptionsComeFromTheInterfaceTexts) {
    AppHarness h;
    auto& app = h.StartDefault();
    const auto title = app.Main().windowTitle();
    EXPECT_EQ(title, QStringLiteral("en#1en#45en#100en#49en#100") +
                         QString::fromLatin1(kWebAddress.data(), kWebAddress.size()));
    auto text = [&](const char* name) {
        return app.Main()
            .findChild<QWidget*>(QString::fromLatin1(name))
            ->property("text")
            .toString();
    };
    EXPECT_EQ(text("Command2"), QStringLiteral("en#7"));
    EXPECT_EQ(text("Command11"), QStringLiteral("en#120"));
    EXPECT_EQ(text("Label3"), QStringLiteral("en#2"));
    EXPECT_EQ(text("Label1"), QStringLiteral("="));
}

} // namespace
} // namespace lumra

namespace lumra {
namespace {

// What a screen reader hears is what the window shows, at once: captions, labels whose text
// changes at run time (the initial letters, the facts) and the go-to dialog's verse count.
TEST(Accessibility, NamesFollowTheShownTextAtOnce) {
    test::AppHarness h;
    auto& app = h.StartDefault();
    const auto heard = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a != nullptr ? a->text(QAccessible::Name) : QStringLiteral("<none>");
    };
    std::vector<QWidget*> windows = {&app.Main()};
    if (app.Loaded<StartupWindow>() != nullptr) {
        windows.push_back(app.Loaded<StartupWindow>());
    }
    int named = 0;
    for (QWidget* window : windows) {
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            if (!button->text().isEmpty()) {
                EXPECT_EQ(heard(button), button->text()) << button->objectName().toStdString();
                ++named;
            }
        }
    }
    EXPECT_GE(named, 10);
    // Every position changes the fact labels; each is heard as it now reads.
    for (int position : {1, 8, 2011}) {
        app.Main().RenderPosition(position);
        for (auto* label : app.Main().findChildren<QLabel*>()) {
            EXPECT_EQ(heard(label), label->text()) << label->objectName().toStdString();
        }
    }
    bool checked = false;
    h.OnNextModal([&](QWidget* dialog) {
        auto* count = dialog->findChild<QLabel*>(QStringLiteral("Label3"));
        auto* sura = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
        sura->setText(QStringLiteral("2"));
        QTest::keyClick(sura, Qt::Key_Return);
        EXPECT_EQ(count->text(), QStringLiteral("(286)"));
        EXPECT_EQ(heard(count), count->text());
        checked = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(&app.Main(), Qt::Key_F6);
    EXPECT_TRUE(checked);
}

} // namespace
} // namespace lumra
