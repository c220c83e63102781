#include "Application.h"

#include <QApplication>
#include <chrono>

#include "StartupWindow.h"
#include "corpus/CorpusLoader.h"
#include "corpus/DataFileCheck.h"
#include "platform/KelvoLibrary.h"
#include "reading/MainWindow.h"
#include "reading/RtfVocabulary.h"
#include "settings/Settings.h"

namespace lumra {

Application::Application(ApplicationConfig config, SettingsStore& store, Prompt& prompt,
                         std::function<void(int)> endProgram)
    : config_(std::move(config)), store_(store), prompt_(prompt),
      endProgram_(std::move(endProgram)) {
    if (config_.kelvoPath.isEmpty()) {
        config_.kelvoPath =
            QString::fromStdString(config_.programFolder) + QStringLiteral("libkelvo.so");
    }
}

Application::~Application() = default;

void Application::EndSilently() {
    ended_ = true;
    endProgram_(2);
}

void Application::DataFileError() {
    prompt_.Beep();
    prompt_.Show(state_.texts[99], state_.texts[71], PromptIcon::Critical, PromptButtons::Ok);
    ended_ = true;
    endProgram_(1);
}

bool Application::CheckDataFiles() {
    if (!kelvo_) {
        kelvo_ = std::make_unique<KelvoLibrary>(config_.kelvoPath);
    }
    return FingerprintMatches(kelvo_->Fingerprint(), config_.expectedFingerprint);
}

void Application::LoadTexts() {
    LoadInterfaceTexts(state_.texts, state_.programFolder + state_.LanguageCode() + "ift.txt");
}

bool Application::LoadCorpusOfLanguage() {
    auto result = LoadCorpus(state_.programFolder, state_.LanguageCode(), state_.texts);
    if (!result.ok()) {
        DataFileError();
        return false;
    }
    state_.corpus = std::move(*result.corpus);
    form1_->FillSuraChooser();
    return true;
}

void Application::RefreshAllCaptions() {
    if (form8_) {
        form8_->RefreshCaptions();
    }
    form1_->RefreshCaptions();
}

bool Application::Start() {
    form1_ = std::make_unique<Form1>(*this);

    // 1. The program folder, ending with a separator.
    state_.programFolder = config_.programFolder;
    if (state_.programFolder.empty() || state_.programFolder.back() != '/') {
        state_.programFolder += '/';
    }
    // 2. The random start verse differs from run to run.
    state_.random.seed(
        config_.randomSeed != 0
            ? config_.randomSeed
            : static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                    std::chrono::system_clock::now().time_since_epoch().count()));
    // 3. The language table is compiled in (kLanguages).
    // 4. Settings.
    state_.settings = LoadSettings(store_);
    // 5. A language not chosen yet follows the system's.
    if (state_.settings.language == 0) {
        state_.settings.language = LanguageFromSystemId(config_.systemLanguageId);
    }
    // 6. Interface texts.
    LoadTexts();
    // 7. Captions of the windows loaded so far.
    form8_ = std::make_unique<Form8>(*this);
    RefreshAllCaptions();
    // 8, 9. Layout starts at the designed size.
    state_.layoutScale = 1.0f;
    // 10. Window state of the main window.
    form1_->ApplyWindowState();
    // 11. The data files must be the shipped ones.
    if (!CheckDataFiles()) {
        EndSilently();
        return false;
    }
    // 12. Let pending window events run.
    QApplication::processEvents();
    // 13.
    state_.introductionFlag = 0;
    state_.currentAppendix = 1;
    // 14. The sura table is a compile-time constant (kSuras).
    // 15. The corpus.
    if (!LoadCorpusOfLanguage()) {
        return false;
    }
    // 16. Initial values.
    state_.currentQuery = state_.texts[68];
    state_.styles = StartupHighlightStyles();
    // 17. Colours.
    form1_->ApplyMainWindowColours();
    // 18. A random start verse.
    std::uniform_int_distribution<int> pick(1, kPositionCount);
    form1_->SetScrollValue(pick(state_.random));
    // 19. The start-up window.
    RunStartupWindow();
    // 22. The reminder.
    ShowStartupReminder();
    // 23.
    state_.startFinished = 1;
    return true;
}

void Application::RunStartupWindow() {
    form8_->exec();
}

void Application::ShowStartupReminder() {
    const auto p = PositionOf(16, 98);
    prompt_.Show("[16:98]\r\n" + state_.corpus.verseText[static_cast<std::size_t>(p)],
                 state_.texts[63], PromptIcon::Information, PromptButtons::Ok);
}

bool Application::ConfirmClose() {
    SaveSettings(store_, state_.settings);
    QApplication::processEvents();
    const auto answer = prompt_.Show(state_.texts[64], state_.texts[45], PromptIcon::Question,
                                     PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes) {
        return true;
    }
    ended_ = true;
    endProgram_(0);
    return false;
}

} // namespace lumra
