#include "Application.h"

#include <QApplication>
#include <chrono>

#include "StartupWindow.h"
#include "corpus/CorpusLoader.h"
#include "corpus/DataFileCheck.h"
#include "export/ExportDialog.h"
#include "layout/WindowLayout.h"
#include "platform/KelvoLibrary.h"
#include "reading/AppendixWindow.h"
#include "reading/FootnoteWindow.h"
#include "reading/GoToDialog.h"
#include "reading/HelpWindow.h"
#include "reading/MainWindow.h"
#include "reading/RtfVocabulary.h"
#include "reading/TextDocuments.h"
#include "reading/VerseListWindow.h"
#include "search/SearchDialog.h"
#include "search/Topics.h"
#include "search/TopicsDialog.h"
#include "settings/Settings.h"
#include "settings/SettingsDialog.h"

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
    if (state_.startFinished == 1 && form11_) {
        form11_->SetContent(state_.corpus.helpText);
    }
    if (form5_) {
        form5_->FillAppendixChooser();
    }
    return true;
}

void Application::ApplyLanguage() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!CheckDataFiles()) {
        QApplication::restoreOverrideCursor();
        EndSilently();
        return;
    }
    LoadTexts();
    if (!LoadCorpusOfLanguage()) {
        QApplication::restoreOverrideCursor();
        return;
    }
    RefreshAllCaptions();
    form1_->RenderPosition(form1_->ScrollValue());
    state_.currentQuery = state_.texts[68];
    if (form3_) {
        LayOutDialog(*this, *form3_);
    }
    if (form5_) {
        form5_->LayOut();
        form5_->SelectCurrentAppendix();
    }
    QApplication::restoreOverrideCursor();
}

void Application::ApplyWindowColours() {
    form1_->ApplyMainWindowColours();
    if (form2_) {
        form2_->ApplySearchDialogColours();
    }
    if (form3_) {
        form3_->ApplyGoToDialogColours();
    }
    if (form4_) {
        form4_->ApplyFootnoteWindowColours();
    }
    if (form5_) {
        form5_->ApplyAppendixWindowColours();
    }
    if (form7_) {
        form7_->ApplyExportDialogColours();
    }
    if (form9_) {
        form9_->ApplyTopicsDialogColours();
    }
    if (form13_) {
        form13_->ApplyVerseListWindowColours();
    }
    // The help window stays open beside the main window and follows the colour too.
    if (form11_) {
        form11_->ApplyColours();
    }
}

Form12& Application::LoadSettingsDialog() {
    if (!form12_) {
        form12_ = std::make_unique<Form12>(*this);
    }
    return *form12_;
}

void Application::OpenSettingsDialog() {
    form12_.reset();
    LoadSettingsDialog().ShowModal();
    form12_.reset();
}

void Application::RefreshAllCaptions() {
    if (form4_) {
        form4_->RefreshCaptions();
    }
    if (form5_) {
        form5_->RefreshCaptions();
    }
    if (form8_) {
        form8_->RefreshCaptions();
    }
    if (form11_) {
        form11_->RefreshCaptions();
    }
    if (form3_) {
        form3_->RefreshCaptions();
    }
    if (form7_) {
        form7_->RefreshCaptions();
    }
    if (form9_) {
        form9_->RefreshCaptions();
    }
    if (form2_) {
        form2_->RefreshCaptions();
    }
    if (form12_) {
        form12_->RefreshCaptions();
    }
    if (form13_) {
        form13_->RefreshCaptions();
    }
    form1_->RefreshCaptions();
}

Form7& Application::LoadExportDialog() {
    if (!form7_) {
        form7_ = std::make_unique<Form7>(*this);
    }
    return *form7_;
}

void Application::UnloadExportDialog() {
    form7_.reset();
}

Form3& Application::LoadGoToDialog() {
    if (!form3_) {
        form3_ = std::make_unique<Form3>(*this);
    }
    return *form3_;
}

void Application::OpenGoToDialog() {
    LoadGoToDialog().Fill(form1_->ScrollValue());
    LayOutDialog(*this, *form3_);
    form3_->ShowModal();
    form3_.reset();
}

Form2& Application::LoadSearchDialog() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this);
    }
    return *form2_;
}

void Application::OpenSearchDialog() {
    // Loaded afresh, so that it shows the query and options as they are now.
    form2_.reset();
    LayOutDialog(*this, LoadSearchDialog());
    form2_->ShowModal();
    form2_.reset();
}

Form9& Application::LoadTopicsDialog() {
    if (!form9_) {
        form9_ = std::make_unique<Form9>(*this);
    }
    return *form9_;
}

void Application::UnloadTopicsDialog() {
    if (form9_) {
        form9_->Form_Unload();
        form9_.reset();
    }
}

void Application::OpenTopicsDialog() {
    Form9& dialog = LoadTopicsDialog();
    LayOutDialog(*this, dialog);
    dialog.SetCaption(state_.texts[145]);
    if (!state_.currentTopicName.empty()) {
        dialog.SetTopicName(state_.currentTopicName);
    }
    dialog.ShowModal();
    UnloadTopicsDialog();
}

Form13& Application::LoadVerseListWindow() {
    if (!form13_) {
        form13_ = std::make_unique<Form13>(*this);
    }
    return *form13_;
}

void Application::ShowVerseList(const std::string& captionCp1252, const std::string& rtf) {
    form13_.reset();
    Form13& list = LoadVerseListWindow();
    list.SetCaption(captionCp1252);
    list.SetContent(rtf);
    list.ShowModal();
    form13_.reset();
}

std::string Application::VerseListPlainText(const std::string& rtf) {
    return LoadVerseListWindow().PlainTextOf(rtf);
}

bool Application::Start() {
    form1_ = std::make_unique<Form1>(*this);

    // 1. The program folder, ending with a separator.
    state_.programFolder = config_.programFolder;
    if (state_.programFolder.empty() || state_.programFolder.back() != '/') {
        state_.programFolder += '/';
    }
    // An installed copy cannot write its program folder; its topics go to the user's folder.
    state_.topicFolder = ChooseTopicFolder(state_.programFolder, UserTopicFolder());
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
    form4_ = std::make_unique<Form4>(*this);
    form5_ = std::make_unique<Form5>(*this);
    form8_ = std::make_unique<Form8>(*this);
    form11_ = std::make_unique<Form11>(*this);
    RefreshAllCaptions();
    // 8. The designed geometry of every window, before any is shown or resized.
    RecordAllDesignGeometry(*this);
    // 9. Layout starts at the designed size.
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
    // The drive the export dialog selects when it loads, without building the dialog for it.
    state_.startupDrive = Form7::DriveOfCurrentFolder();
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
    if (form2_) {
        form2_->ApplySearchDialogColours();
    }
    if (form3_) {
        form3_->ApplyGoToDialogColours();
    }
    form4_->ApplyFootnoteWindowColours();
    form5_->ApplyAppendixWindowColours();
    if (form9_) {
        form9_->ApplyTopicsDialogColours();
    }
    if (form12_) {
        form12_->ApplySettingsDialogColours();
    }
    if (form13_) {
        form13_->ApplyVerseListWindowColours();
    }
    // 18. A random start verse.
    std::uniform_int_distribution<int> pick(1, kPositionCount);
    form1_->SetScrollValue(pick(state_.random));
    // 19. The start-up window.
    RunStartupWindow();
    // 20. The introduction, when it was accepted.
    if (state_.introductionFlag == 1) {
        RunIntroduction();
    }
    // 21. The help window, ready for later.
    PrepareHelpWindow();
    // 22. The reminder.
    ShowStartupReminder();
    // 23.
    state_.startFinished = 1;
    return true;
}

void Application::RunStartupWindow() {
    form8_->exec();
}

void Application::RunIntroduction() {
    prompt_.Show(state_.texts[67], std::string(), PromptIcon::None, PromptButtons::Ok);
    ShowNotice(1);
    ShowNotice(3);
}

void Application::ShowNotice(int appendix) {
    if (!form11_) {
        form11_ = std::make_unique<Form11>(*this);
    }
    form11_->SetCaption(std::string());
    form11_->ApplyColours();
    form11_->SetCloseCaption(state_.texts[24]);
    form11_->SetContent(AppendixDocument(state_.corpus, state_.CurrentLanguage(), appendix));
    form11_->ShowModal();
    // Until the start-up has finished, closing the window unloads it.
    form11_.reset();
}

void Application::PrepareHelpWindow() {
    if (!form11_) {
        form11_ = std::make_unique<Form11>(*this);
    }
    form11_->ApplyColours();
    form11_->RefreshCaptions();
    form11_->SetContent(state_.corpus.helpText);
    form11_->setWindowState(form11_->windowState() | Qt::WindowMaximized);
    form11_->LayOut();
}

void Application::ShowStartupReminder() {
    const auto p = PositionOf(16, 98);
    prompt_.Show(
        std::string("[16:98]\r\n").append(state_.corpus.verseText[static_cast<std::size_t>(p)]),
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
