#pragma once
// The application object: the reader's whole run-time state, its table of windows and the
// host the windows talk to. main() makes one; tests make their own with their own program
// folder, settings store and prompt.

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Prompt.h"
#include "companion/CompanionText.h"
#include "platform/QtTranslations.h"
#include "settings/SettingsStore.h"
#include "state/ReaderState.h"
#include "toolkit/Form.h"
#include "windows/WindowHost.h"

namespace lumra {

class KelvoLibrary;
class MainWindow;

struct ApplicationConfig {
    std::string programFolder;           // with a trailing separator
    std::string expectedFingerprint;     // of the data files in the program folder
    CompanionExpected companionExpected; // the digests of the original and transliteration
    QString kelvoPath;                   // empty: libkelvo.so in the program folder
    int systemLanguageId = 1033;         // the user's default language identifier
    unsigned randomSeed = 0;             // 0: seeded from the clock
};

class Application final : public WindowHost {
public:
    // endProgram ends the process at once; it is called with nothing saved.
    Application(ApplicationConfig config, SettingsStore& store, Prompt& prompt,
                std::function<void(int)> endProgram);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The main window's load: the whole start-up sequence. False when the program ended
    // during the start-up (a failed data-file check or corpus load).
    bool Start();

    // What the windows ask.
    ReaderState& State() override { return state_; }
    Prompt& Messages() override { return prompt_; }
    void ShowPosition(int position) override;
    void RenderingFollows(const std::string& footnoteCaptionCp1252) override;
    void RefreshMarkButtons() override;
    void Open(WindowRole role) override;
    void ShowVerseList(const std::string& captionCp1252, const std::string& rtf) override;
    std::string VerseListPlainText(const std::string& rtf) override;
    const CompanionText* Companion() override;
    // The language change: after the language index has changed, the data files are checked
    // again and the texts, the corpus and the captions of the new language are loaded.
    void ApplyLanguage() override;
    // The colour routines of the main, search, go-to, footnote, appendix, export, topics and
    // verse-list windows, in this order, then the help and companion windows'.
    void ApplyWindowColours() override;
    bool MainWindowVisible() const override;
    void LayOutLoadedWindows() override;
    void LayOutTextWindows() override;
    bool Ended() const override { return ended_; }
    // The program end: save the settings, then ask; true when the reader chose to stay.
    bool ConfirmClose() override;
    // The end that the session or the system asks for (a logout, a signal): the program end
    // without the question. Before the start-up has finished nothing is saved.
    void EndOnRequest();
    // The session's request to save: the settings as the program end saves them.
    void SaveOnRequest();

    const ReaderState& State() const { return state_; }
    SettingsStore& Store() { return store_; }
    const ApplicationConfig& Config() const { return config_; }
    MainWindow& Main();

    // The window of a role while it is loaded, else null. W is the window's class.
    template <class W> W* Loaded() const { return static_cast<W*>(Window(W::kRole)); }
    Form* Window(WindowRole role) const { return windows_[static_cast<std::size_t>(role)].get(); }
    // Loads (creates hidden) the window of a role unless it is loaded; a dialog is loaded for
    // each opening and unloaded when it closes.
    template <class W> W& Load() { return static_cast<W&>(Load(W::kRole)); }
    Form& Load(WindowRole role);
    void Unload(WindowRole role);

    // Fills the go-to dialog from the main scroll bar and shows it modally.
    void OpenGoToDialog();
    // A freshly loaded search dialog, shown modally.
    void OpenSearchDialog();
    // Title and topic name into the topics dialog, then shows it modally.
    void OpenTopicsDialog();
    void OpenSettingsDialog();
    void OpenExportDialog();
    // Loads the companion window on its first opening and shows it beside the main window.
    void OpenCompanionWindow();

    // The data-file error message, then the end of the program without saving.
    void DataFileError();
    // Ends the program at once and silently, without saving.
    void EndSilently();
    // The data-file check: true when the fingerprint of the data files is the expected one.
    bool CheckDataFiles();
    // Reads the interface texts of the current language, and Qt's own texts follow it.
    void LoadTexts();
    // Reads the corpus of the current language; on failure the data-file error message.
    bool LoadCorpusOfLanguage();
    // Caption refreshes of every window that is loaded.
    void RefreshAllCaptions();
    // The designed geometry of the main window and of every window loaded so far; a dialog
    // loaded later is recorded at its first layout.
    void RecordAllDesignGeometry();

private:
    void RunStartupWindow();
    void ShowStartupReminder();
    // The introduction: a message, then appendix texts 1 and 3 as notices in the help window.
    void RunIntroduction();
    void ShowNotice(int appendix);
    void PrepareHelpWindow();
    // The settings that only a loaded companion window can have changed.
    void SaveCompanionState();

    ApplicationConfig config_;
    SettingsStore& store_;
    Prompt& prompt_;
    std::function<void(int)> endProgram_;
    ReaderState state_;
    std::unique_ptr<KelvoLibrary> kelvo_;
    std::array<std::unique_ptr<Form>, kWindowRoleCount> windows_;
    QtTranslations qtTexts_;
    std::optional<CompanionText> companion_;
    bool companionRead_ = false;
    bool ended_ = false;
};

} // namespace lumra
