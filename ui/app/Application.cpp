#include "app/Application.h"

#include <QApplication>
#include <QScreen>
#include <chrono>
#include <span>

#include "corpus/CorpusLoader.h"
#include "corpus/DataFileCheck.h"
#include "corpus/LanguageData.h"
#include "documents/RtfVocabulary.h"
#include "documents/TextDocuments.h"
#include "layout/WindowPlacement.h"
#include "platform/Cp1252Qt.h"
#include "platform/KelvoLibrary.h"
#include "search/Topics.h"
#include "settings/Settings.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/FirstPaint.h"
#include "windows/AppendixWindow.h"
#include "windows/CompanionWindow.h"
#include "windows/ExportDialog.h"
#include "windows/FootnoteWindow.h"
#include "windows/GoToDialog.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"
#include "windows/SettingsDialog.h"
#include "windows/StartupWindow.h"
#include "windows/TopicsDialog.h"
#include "windows/VerseListWindow.h"

namespace lumra {

namespace {

using Role = WindowRole;
using Order = std::span<const Role>;

// The steps that run over every loaded window, each in its own order.
constexpr Role kCaptionOrder[] = {Role::Footnote, Role::Appendix,  Role::Startup,   Role::Help,
                                  Role::GoTo,     Role::Export,    Role::Topics,    Role::Search,
                                  Role::Settings, Role::VerseList, Role::Companion, Role::Main};
constexpr Role kColourOrder[] = {Role::Main,     Role::Search,   Role::GoTo,   Role::Footnote,
                                 Role::Appendix, Role::Export,   Role::Topics, Role::VerseList,
                                 Role::Help,     Role::Companion};
constexpr Role kStartupColourOrder[] = {Role::Main,     Role::Search,   Role::GoTo,
                                        Role::Footnote, Role::Appendix, Role::Topics,
                                        Role::Settings, Role::VerseList};
constexpr Role kDesignOrder[] = {Role::Main,     Role::Search,   Role::GoTo,   Role::Footnote,
                                 Role::Appendix, Role::Export,   Role::Topics, Role::Help,
                                 Role::Settings, Role::VerseList};
constexpr Role kLayoutOrder[] = {Role::Search,   Role::GoTo,      Role::Footnote,
                                 Role::Appendix, Role::Export,    Role::Topics,
                                 Role::Settings, Role::VerseList, Role::Companion};
constexpr Role kTextWindowOrder[] = {Role::Footnote, Role::Appendix, Role::VerseList,
                                     Role::Companion};
// Loaded hidden at start-up, before the captions.
constexpr Role kStartupWindows[] = {Role::Footnote, Role::Appendix, Role::Startup, Role::Help};

std::unique_ptr<Form> MakeWindow(Role role, WindowHost& host) {
    switch (role) {
    case Role::Main:
        return std::make_unique<MainWindow>(host);
    case Role::Search:
        return std::make_unique<SearchDialog>(host);
    case Role::GoTo:
        return std::make_unique<GoToDialog>(host);
    case Role::Footnote:
        return std::make_unique<FootnoteWindow>(host);
    case Role::Appendix:
        return std::make_unique<AppendixWindow>(host);
    case Role::Export:
        return std::make_unique<ExportDialog>(host);
    case Role::Startup:
        return std::make_unique<StartupWindow>(host);
    case Role::Topics:
        return std::make_unique<TopicsDialog>(host);
    case Role::Help:
        return std::make_unique<HelpWindow>(host);
    case Role::Settings:
        return std::make_unique<SettingsDialog>(host);
    case Role::VerseList:
        return std::make_unique<VerseListWindow>(host);
    case Role::Companion:
        return std::make_unique<CompanionWindow>(host);
    }
    return nullptr;
}

} // namespace

Application::Application(ApplicationConfig config, SettingsStore& store, Prompt& prompt,
                         std::function<void(int)> endProgram)
    : config_(std::move(config)), store_(store), prompt_(prompt),
      endProgram_(std::move(endProgram)) {
    InstallWindowRoles();
    if (config_.kelvoPath.isEmpty()) {
        config_.kelvoPath =
            QString::fromStdString(config_.programFolder) + QStringLiteral("libkelvo.so");
    }
}

Application::~Application() {
    // The dialogs go first, the main window last, as the windows were loaded.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        it->reset();
    }
}

MainWindow& Application::Main() {
    return Load<MainWindow>();
}

Form& Application::Load(WindowRole role) {
    auto& slot = windows_[static_cast<std::size_t>(role)];
    if (!slot) {
        slot = MakeWindow(role, *this);
    }
    return *slot;
}

void Application::Unload(WindowRole role) {
    auto& slot = windows_[static_cast<std::size_t>(role)];
    if (slot) {
        slot->Form_Unload();
        slot.reset();
    }
}

namespace {

template <class Step> void ForEachLoaded(const Application& app, Order order, Step step) {
    for (const Role role : order) {
        if (Form* window = app.Window(role)) {
            step(*window);
        }
    }
}

} // namespace

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
    LoadInterfaceTexts(state_.texts,
                       InterfaceTextsPath(state_.programFolder, state_.LanguageCode()));
    // The standard buttons that have a caption among the interface texts show it.
    QtTranslations::Captions captions;
    for (const auto& [source, text] : {std::pair{"OK", 28}, std::pair{"&OK", 28},
                                       std::pair{"Close", 24}, std::pair{"&Close", 24}}) {
        if (!state_.texts[text].empty()) {
            captions.emplace(QString::fromLatin1(source), FromCp1252(state_.texts[text]));
        }
    }
    qtTexts_.Use(state_.LanguageCode(), std::move(captions));
}

bool Application::LoadCorpusOfLanguage() {
    auto result = LoadCorpus(state_.programFolder, state_.LanguageCode(), state_.texts);
    if (!result.ok()) {
        DataFileError();
        return false;
    }
    state_.corpus = std::move(*result.corpus);
    Main().FillSuraChooser();
    if (auto* help = Loaded<HelpWindow>(); help != nullptr && state_.startFinished == 1) {
        help->SetContent(state_.corpus.helpText);
    }
    if (auto* appendices = Loaded<AppendixWindow>()) {
        appendices->FillAppendixChooser();
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
    Main().RenderPosition(Main().ScrollValue());
    state_.currentQuery = state_.texts[68];
    if (auto* goTo = Loaded<GoToDialog>()) {
        goTo->LayOut();
    }
    if (auto* appendices = Loaded<AppendixWindow>()) {
        appendices->LayOut();
        appendices->SelectCurrentAppendix();
    }
    QApplication::restoreOverrideCursor();
}

void Application::ApplyWindowColours() {
    ForEachLoaded(*this, kColourOrder, [](Form& w) { w.ApplyColours(); });
}

void Application::RefreshAllCaptions() {
    ForEachLoaded(*this, kCaptionOrder, [](Form& w) { w.RefreshCaptions(); });
}

void Application::RecordAllDesignGeometry() {
    LayoutState& layout = state_.layout;
    ForEachLoaded(*this, kDesignOrder, [&layout](Form& w) {
        layout.designs[w.objectName().toStdString()] = w.RecordDesign();
    });
    // A dialog not loaded yet is recorded when it is first laid out: until then it keeps its
    // designed geometry, and building every dialog here would slow the start.
}

bool Application::MainWindowVisible() const {
    const Form* main = Window(Role::Main);
    return main != nullptr && main->isVisible();
}

void Application::LayOutLoadedWindows() {
    ForEachLoaded(*this, kLayoutOrder, [](Form& w) { w.LayOut(); });
}

void Application::LayOutTextWindows() {
    ForEachLoaded(*this, kTextWindowOrder, [](Form& w) { w.LayOut(); });
}

void Application::ShowPosition(int position) {
    Main().RenderPosition(position);
}

void Application::RenderingFollows(const std::string& footnoteCaptionCp1252) {
    if (auto* footnotes = Loaded<FootnoteWindow>()) {
        footnotes->FollowRendering(footnoteCaptionCp1252);
    }
    if (auto* companion = Loaded<CompanionWindow>()) {
        companion->FollowRendering();
    }
}

const CompanionText* Application::Companion() {
    if (!companionRead_) {
        companionRead_ = true;
        companion_ = LoadCompanionText(state_.programFolder, config_.companionExpected);
    }
    return companion_ ? &*companion_ : nullptr;
}

void Application::RefreshMarkButtons() {
    Main().RefreshMarkButtons();
}

void Application::Open(WindowRole role) {
    switch (role) {
    case Role::Search:
        OpenSearchDialog();
        break;
    case Role::GoTo:
        OpenGoToDialog();
        break;
    case Role::Help:
        if (auto* help = Loaded<HelpWindow>()) {
            help->OpenWithHelpText();
        }
        break;
    case Role::Footnote:
        if (auto* footnotes = Loaded<FootnoteWindow>()) {
            footnotes->Open();
        }
        break;
    case Role::Appendix:
        if (auto* appendices = Loaded<AppendixWindow>()) {
            appendices->Open();
        }
        break;
    case Role::Export:
        OpenExportDialog();
        break;
    case Role::Companion:
        OpenCompanionWindow();
        break;
    case Role::Settings:
        OpenSettingsDialog();
        break;
    case Role::Topics:
        OpenTopicsDialog();
        break;
    case Role::Main:
    case Role::Startup:
    case Role::VerseList:
        break; // shown by the start-up and by ShowVerseList
    }
}

namespace {

WindowRect FrameOf(const QWidget& window) {
    const QRect r = window.frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

void Application::OpenCompanionWindow() {
    const bool first = Window(Role::Companion) == nullptr;
    CompanionWindow& companion = Load<CompanionWindow>();
    if (first) {
        const float scale = AppliedScale(state_.layoutScale);
        companion.resize(ScaledValue(companion.width(), scale),
                         ScaledValue(companion.height(), scale));
        companion.LayOut();
        MainWindow& main = Main();
        if (const QScreen* screen = main.screen()) {
            const QRect area = screen->availableGeometry();
            WindowRect footnote;
            if (const auto* footnotes = Loaded<FootnoteWindow>();
                footnotes != nullptr && footnotes->isVisible()) {
                footnote = FrameOf(*footnotes);
            }
            // Before its first show the frame is not known yet: the title bar is allowed for.
            const QSize decoration(8, 32);
            const QSize frame = companion.size() + decoration;
            const WindowRect place =
                PlaceBeside({area.x(), area.y(), area.width(), area.height()}, FrameOf(main),
                            footnote, frame.width(), frame.height(), frame.width() * 3 / 5);
            companion.resize(place.width - decoration.width(), companion.height());
            companion.move(place.left, place.top);
        }
    }
    companion.Open();
}

void Application::SaveCompanionState() {
    // A run that never opened the window leaves its settings as they were.
    if (const auto* companion = Loaded<CompanionWindow>()) {
        state_.companion.open = companion->isVisible() ? 1 : 0;
        SaveCompanionSettings(store_, state_.companion);
    }
}

void Application::OpenSettingsDialog() {
    Unload(Role::Settings);
    Load<SettingsDialog>().ShowModal();
    Unload(Role::Settings);
}

void Application::OpenExportDialog() {
    ExportDialog& dialog = Load<ExportDialog>();
    dialog.LayOut();
    dialog.Open();
    Unload(Role::Export);
}

void Application::OpenGoToDialog() {
    GoToDialog& dialog = Load<GoToDialog>();
    dialog.Fill(Main().ScrollValue());
    dialog.LayOut();
    dialog.ShowModal();
    Unload(Role::GoTo);
}

void Application::OpenSearchDialog() {
    // Loaded afresh, so that it shows the query and options as they are now.
    Unload(Role::Search);
    SearchDialog& dialog = Load<SearchDialog>();
    dialog.LayOut();
    dialog.ShowModal();
    Unload(Role::Search);
}

void Application::OpenTopicsDialog() {
    TopicsDialog& dialog = Load<TopicsDialog>();
    dialog.LayOut();
    dialog.SetCaption(state_.texts[145]);
    if (!state_.currentTopicName.empty()) {
        dialog.SetTopicName(state_.currentTopicName);
    }
    dialog.ShowModal();
    Unload(Role::Topics);
}

void Application::ShowVerseList(const std::string& captionCp1252, const std::string& rtf) {
    Unload(Role::VerseList);
    VerseListWindow& list = Load<VerseListWindow>();
    list.SetCaption(captionCp1252);
    list.SetContent(rtf);
    list.ShowModal();
    Unload(Role::VerseList);
}

std::string Application::VerseListPlainText(const std::string& rtf) {
    return Load<VerseListWindow>().PlainTextOf(rtf);
}

bool Application::Start() {
    Load(Role::Main);

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
    state_.companion = LoadCompanionSettings(store_);
    // 5. A language not chosen yet follows the system's.
    state_.settings.language = ChooseLanguage(state_.settings.language, config_.systemLanguageId);
    // 6. Interface texts.
    LoadTexts();
    // 7. Captions of the windows loaded so far.
    for (const Role role : kStartupWindows) {
        Load(role);
    }
    RefreshAllCaptions();
    // 8. The designed geometry of every window, before any is shown or resized.
    RecordAllDesignGeometry();
    // 9. Layout starts at the designed size.
    state_.layoutScale = 1.0f;
    // 10. Window state of the main window.
    Main().ApplyWindowState();
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
    state_.startupDrive = ExportDialog::DriveOfCurrentFolder();
    // 14. The sura table is a compile-time constant (kSuras).
    // 15. The corpus.
    if (!LoadCorpusOfLanguage()) {
        return false;
    }
    // 16. Initial values.
    state_.currentQuery = state_.texts[68];
    state_.styles = StartupHighlightStyles();
    // 17. Colours.
    ForEachLoaded(*this, kStartupColourOrder, [](Form& w) { w.ApplyColours(); });
    // 18. A random start verse.
    std::uniform_int_distribution<int> pick(1, kPositionCount);
    Main().SetScrollValue(pick(state_.random));
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
    // The companion window open at the last end opens again once the reader is on the screen.
    if (state_.companion.open == 1) {
        AfterFirstPaint(Main(), [this] {
            if (!ended_) {
                OpenCompanionWindow();
            }
        });
    }
    return true;
}

void Application::RunStartupWindow() {
    Load<StartupWindow>().exec();
}

void Application::RunIntroduction() {
    prompt_.Show(state_.texts[67], std::string(), PromptIcon::None, PromptButtons::Ok);
    ShowNotice(1);
    ShowNotice(3);
}

void Application::ShowNotice(int appendix) {
    HelpWindow& help = Load<HelpWindow>();
    help.SetCaption(std::string());
    help.ApplyColours();
    help.SetCloseCaption(state_.texts[24]);
    help.SetContent(AppendixDocument(state_.corpus, state_.CurrentLanguage(), appendix));
    help.ShowModal();
    // Until the start-up has finished, closing the window unloads it.
    Unload(Role::Help);
}

void Application::PrepareHelpWindow() {
    HelpWindow& help = Load<HelpWindow>();
    help.ApplyColours();
    help.RefreshCaptions();
    help.SetContent(state_.corpus.helpText);
    help.setWindowState(help.windowState() | Qt::WindowMaximized);
    help.LayOut();
}

void Application::ShowStartupReminder() {
    const auto p = PositionOf(16, 98);
    prompt_.Show(
        std::string("[16:98]\r\n").append(state_.corpus.verseText[static_cast<std::size_t>(p)]),
        state_.texts[63], PromptIcon::Information, PromptButtons::Ok);
}

bool Application::ConfirmClose() {
    SaveCompanionState();
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

void Application::EndOnRequest() {
    if (ended_) {
        return;
    }
    SaveOnRequest();
    ended_ = true;
    endProgram_(0);
}

void Application::SaveOnRequest() {
    if (state_.startFinished == 1 && !ended_) {
        SaveCompanionState();
        SaveSettings(store_, state_.settings);
    }
}

} // namespace lumra
