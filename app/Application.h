#pragma once
// The application object: the reader's whole run-time state and its windows. main() makes one;
// tests make their own with their own program folder, settings store and prompt.

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "ReaderState.h"
#include "platform/Prompt.h"
#include "settings/SettingsStore.h"

namespace lumra {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form7;
class Form8;
class Form9;
class Form11;
class Form12;
class Form13;
class KelvoLibrary;

struct ApplicationConfig {
    std::string programFolder;       // with a trailing separator
    std::string expectedFingerprint; // of the data files in the program folder
    QString kelvoPath;               // empty: libkelvo.so in the program folder
    int systemLanguageId = 1033;     // the user's default language identifier
    unsigned randomSeed = 0;         // 0: seeded from the clock
};

class Application {
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

    ReaderState& State() { return state_; }
    const ReaderState& State() const { return state_; }
    Prompt& Messages() { return prompt_; }
    SettingsStore& Store() { return store_; }
    Form1& MainWindow() { return *form1_; }
    Form8* StartupWindow() { return form8_.get(); }
    // The export dialog: loaded (created hidden) for each opening, unloaded when it closes.
    Form7& LoadExportDialog();
    void UnloadExportDialog();
    Form7* ExportDialog() { return form7_.get(); }
    // The footnote, appendix and help windows: loaded hidden at start-up; once the start-up
    // has finished a close only hides them.
    Form4* FootnoteWindow() { return form4_.get(); }
    Form5* AppendixWindow() { return form5_.get(); }
    Form11* HelpWindow() { return form11_.get(); }
    // The go-to dialog: loaded (created hidden) for each opening, unloaded when it closes.
    Form3& LoadGoToDialog();
    Form3* GoToDialog() { return form3_.get(); }
    // Fills the go-to dialog from the main scroll bar and shows it modally.
    void OpenGoToDialog();
    // The search dialog: loaded (created hidden) for each opening, unloaded when it closes.
    Form2& LoadSearchDialog();
    Form2* SearchDialog() { return form2_.get(); }
    // A freshly loaded search dialog, shown modally.
    void OpenSearchDialog();
    // The verse-list window: built afresh for each list and shown modally.
    // The topics dialog: loaded (created hidden) for each opening, unloaded when it closes.
    Form9& LoadTopicsDialog();
    void UnloadTopicsDialog();
    Form9* TopicsDialog() { return form9_.get(); }
    // Title and topic name into the topics dialog, then shows it modally.
    void OpenTopicsDialog();
    // The settings dialog: loaded (created hidden) for each opening, unloaded when it closes.
    Form12& LoadSettingsDialog();
    Form12* SettingsDialog() { return form12_.get(); }
    void OpenSettingsDialog();
    // The colour routines of the main, search, go-to, footnote, appendix, export, topics and
    // verse-list windows, in this order, and the help window's.
    void ApplyWindowColours();
    Form13& LoadVerseListWindow();
    Form13* VerseListWindow() { return form13_.get(); }
    void ShowVerseList(const std::string& captionCp1252, const std::string& rtf);
    // The text of a list document as the verse-list window shows it, without showing it.
    std::string VerseListPlainText(const std::string& rtf);
    const ApplicationConfig& Config() const { return config_; }
    bool Ended() const { return ended_; }

    // The data-file error message, then the end of the program without saving.
    void DataFileError();
    // Ends the program at once and silently, without saving.
    void EndSilently();

    // The data-file check: true when the fingerprint of the data files is the expected one.
    bool CheckDataFiles();
    // Reads the interface texts of the current language.
    void LoadTexts();
    // Reads the corpus of the current language; on failure the data-file error message.
    bool LoadCorpusOfLanguage();
    // Caption refreshes of every window that is loaded.
    void RefreshAllCaptions();
    // The language change: after the language index has changed, the data files are checked
    // again and the texts, the corpus and the captions of the new language are loaded.
    void ApplyLanguage();

    // The program end: save the settings, then ask; true when the reader chose to stay.
    bool ConfirmClose();

private:
    void RunStartupWindow();
    void ShowStartupReminder();
    // The introduction: a message, then appendix texts 1 and 3 as notices in the help window.
    void RunIntroduction();
    void ShowNotice(int appendix);
    void PrepareHelpWindow();

    ApplicationConfig config_;
    SettingsStore& store_;
    Prompt& prompt_;
    std::function<void(int)> endProgram_;
    ReaderState state_;
    std::unique_ptr<KelvoLibrary> kelvo_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form11> form11_;
    std::unique_ptr<Form13> form13_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form9> form9_;
    std::unique_ptr<Form12> form12_;
    bool ended_ = false;
};

} // namespace lumra
