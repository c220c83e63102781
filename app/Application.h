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
class Form8;
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

    // The program end: save the settings, then ask; true when the reader chose to stay.
    bool ConfirmClose();

private:
    void RunStartupWindow();
    void ShowStartupReminder();

    ApplicationConfig config_;
    SettingsStore& store_;
    Prompt& prompt_;
    std::function<void(int)> endProgram_;
    ReaderState state_;
    std::unique_ptr<KelvoLibrary> kelvo_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form8> form8_;
    bool ended_ = false;
};

} // namespace lumra
