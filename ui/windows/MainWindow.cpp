#include "windows/MainWindow.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Chooser.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "reading/PageRenderer.h"
#include "reading/ReadingCommands.h"
#include "toolkit/Controls.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowLayout.h"
#include "toolkit/WindowPaint.h"

namespace lumra {

namespace {

// The pane is shorter in marking mode, where the two topic buttons sit below it.
constexpr int kPaneHeight = 239;
constexpr int kMarkingPaneHeight = 209;

constexpr int kRow1 = 337;
constexpr int kRow2 = 369;
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 26;
constexpr int Column(int k) {
    return 8 + k * (kButtonWidth + 6);
}

constexpr DesignControl kControls[] = {
    {"Combo1", 8, 8, 300, 24, 10},
    {"Label8", 316, 8, 100, 24, 14},
    {"Label10", 424, 8, 128, 24, 14},
    {"Label3", 8, 38, 60, 20, 10},
    {"Label4", 74, 38, 40, 20, 10},
    {"Label7", 200, 38, 100, 20, 10},
    {"Label5", 380, 38, 110, 20, 10},
    {"Label1", 496, 38, 12, 20, 10},
    {"Label6", 514, 38, 38, 20, 10},
    {"RTB1", 8, 64, 544, kPaneHeight, 10},
    {"Command9", 8, 64 + kMarkingPaneHeight + 6, 268, 24, 10},
    {"Command10", 284, 64 + kMarkingPaneHeight + 6, 268, 24, 10},
    {"HScroll1", 8, 311, 544, 18, 10},
    {"Command2", Column(0), kRow1, kButtonWidth, kButtonHeight, 10},
    {"Command3", Column(1), kRow1, kButtonWidth, kButtonHeight, 10},
    {"Command5", Column(2), kRow1, kButtonWidth, kButtonHeight, 10},
    {"Command7", Column(3), kRow1, kButtonWidth, kButtonHeight, 10},
    {"Command4", Column(4), kRow1, kButtonWidth, kButtonHeight, 10},
    {"Command6", Column(0), kRow2, kButtonWidth, kButtonHeight, 10},
    {"Command8", Column(1), kRow2, kButtonWidth, kButtonHeight, 10},
    {"Command11", Column(2), kRow2, kButtonWidth, kButtonHeight, 10},
    {"Command1", Column(4), kRow2, kButtonWidth, kButtonHeight, 10},
};
constexpr DesignWindow kDesign{560, 403, kControls};

// The reading pane's height at a scale: in marking mode it ends above the topic buttons.
int PaneHeight(bool marking, float scale) {
    return ScaledValue(marking ? kMarkingPaneHeight : kPaneHeight, scale);
}

// Keeps a layout from running again inside itself (a state change resizes the window).
class Reentry {
public:
    explicit Reentry(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
    ~Reentry() {
        if (entered_) {
            busy_ = false;
        }
    }
    Reentry(const Reentry&) = delete;
    Reentry& operator=(const Reentry&) = delete;
    bool Entered() const { return entered_; }

private:
    bool& busy_;
    bool entered_;
};

} // namespace

const DesignWindow& MainWindow::Design() {
    return kDesign;
}

DesignGeometry MainWindow::RecordDesign() const {
    // The info row is re-arranged with its captions; the table is the design.
    return RecordDesignGeometry(kDesign);
}

void MainWindow::LayOut() {
    auto& state = host_.State();
    const DesignGeometry* design = state.layout.Find(objectName().toStdString());
    if (design == nullptr) {
        return; // not recorded yet: the start-up has not come so far
    }
    const Reentry guard(state.layout.layingOut);
    if (!guard.Entered() || isMinimized()) {
        return;
    }
    if (StepMaximisedFlag(isMaximized() ? WindowShow::Maximised : WindowShow::Normal,
                          state.settings.f1max)) {
        CentreOnScreen(*this);
    }
    const float scale = MainWindowScale(width(), height(), *design);
    if (!(scale >= 1.0f)) {
        state.layoutScale = 1.0f;
        if (isMaximized()) {
            setWindowState(windowState() & ~Qt::WindowMaximized);
        }
        return;
    }
    state.layoutScale = scale;
    ApplyDesignGeometry(*this, *design, scale, CentringOffset(width(), height(), *design, scale));
    if (state.markMode == 1) {
        RTB1->resize(RTB1->width(), PaneHeight(true, scale));
    }
    RefreshCaptions();
    if (IsValidPosition(state.currentPosition)) {
        RenderPosition(state.currentPosition);
    }
    host_.LayOutLoadedWindows();
}

MainWindow::MainWindow(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("1+45+100+49+100+36"));

    Combo1 = MakeControl<Chooser>(this, "Combo1");
    Combo1->setMaxVisibleItems(20);

    Label8 = MakeLabel(this, "Label8", "2698*");
    Label10 = MakeLabel(this, "Label10", "118123*");
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label10->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3 = MakeLabel(this, "Label3", "2");
    Label4 = MakeLabel(this, "Label4", "AAA");
    Label7 = MakeLabel(this, "Label7", "3");
    Label5 = MakeLabel(this, "Label5", "4");
    Label1 = MakeLabel(this, "Label1", "=");
    Label6 = MakeLabel(this, "Label6", "OOO");

    RTB1 = new RichTextBox(this, QStringLiteral("RTB1"));

    Command9 = MakeButton(this, "Command9", "115");
    Command10 = MakeButton(this, "Command10", "116");
    Command9->hide();
    Command10->hide();

    HScroll1 = MakeControl<QScrollBar>(this, "HScroll1", Qt::Horizontal);
    HScroll1->setRange(1, kPositionCount);
    HScroll1->setPageStep(19);
    HScroll1->setSingleStep(1);
    // The window's map takes the keys first; the bar itself only adds Up and Down.
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    Command2 = MakeButton(this, "Command2", "7");
    Command3 = MakeButton(this, "Command3", "11");
    Command5 = MakeButton(this, "Command5", "5");
    Command7 = MakeButton(this, "Command7", "8");
    Command4 = MakeButton(this, "Command4", "6");
    Command6 = MakeButton(this, "Command6", "9");
    Command8 = MakeButton(this, "Command8", "10");
    Command11 = MakeButton(this, "Command11", "120");
    Command1 = MakeButton(this, "Command1", "12");

    // The chooser, the pane and the bar have no label of their own.
    NameByText(*Combo1, 26);
    NameByText(*RTB1, 109);
    NameByText(*HScroll1, 27);

    ApplyDesignWindow(*this, kDesign);
    RTB1->setFocus();

    connect(HScroll1, &QScrollBar::valueChanged, this, &MainWindow::HScroll1_Change);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &MainWindow::Combo1_Click);
    const std::pair<QPushButton*, void (MainWindow::*)()> clicks[] = {
        {Command1, &MainWindow::Command1_Click},   {Command2, &MainWindow::Command2_Click},
        {Command3, &MainWindow::Command3_Click},   {Command4, &MainWindow::Command4_Click},
        {Command5, &MainWindow::Command5_Click},   {Command6, &MainWindow::Command6_Click},
        {Command7, &MainWindow::Command7_Click},   {Command8, &MainWindow::Command8_Click},
        {Command9, &MainWindow::Command9_Click},   {Command10, &MainWindow::Command10_Click},
        {Command11, &MainWindow::Command11_Click},
    };
    for (const auto& [button, handler] : clicks) {
        connect(button, &QPushButton::clicked, this, handler);
    }
}

void MainWindow::FillSuraChooser() {
    const auto& items = host_.State().corpus.suraItems;
    host_.State().suraChooserArmed = 0;
    Combo1->clear();
    for (const auto& item : items) {
        Combo1->addItem(FromCp1252(item));
    }
    host_.State().suraChooserArmed = 1;
}

void MainWindow::RefreshCaptions() {
    const auto& t = host_.State().texts;
    setWindowTitle(FromCp1252(JoinTexts(t, {1, 45, 100, 49, 100, 36})));
    Label3->setText(FromCp1252(t[2]));
    Label7->setText(FromCp1252(t[3]));
    Label5->setText(FromCp1252(t[4]));
    Command5->setText(FromCp1252(t[5]));
    Command4->setText(FromCp1252(t[6]));
    Command2->setText(FromCp1252(t[7]));
    Command7->setText(FromCp1252(t[8]));
    Command6->setText(FromCp1252(t[9]));
    Command8->setText(FromCp1252(t[10]));
    Command3->setText(FromCp1252(t[11]));
    Command1->setText(FromCp1252(t[12]));
    Command11->setText(FromCp1252(t[120]));
    // Outside marking mode the hidden topic buttons still say what they are.
    Command9->setText(FromCp1252(t[115]));
    Command10->setText(FromCp1252(t[116]).trimmed());
    RefreshMarkButtons();
    ArrangeInfoRow();
    NameControlsFromCaptions(*this, host_.State().texts);
}

void MainWindow::ArrangeInfoRow() {
    // The static captions take the width of their text, which changes with the language.
    for (QLabel* l : {Label3, Label5, Label7}) {
        l->resize(l->sizeHint().width(), l->height());
    }
    const int g = ScaledValue(6, AppliedScale(host_.State().layoutScale));
    Label4->move(Label3->x() + Label3->width() + g, Label4->y());
    Label5->move(Label1->x() - g - Label5->width(), Label5->y());
    Label6->move(Label1->x() + Label1->width() + g, Label6->y());
    Label7->move((Label4->width() + Label4->x() + Label5->x()) / 2 - Label7->width() / 2,
                 Label7->y());
}

void MainWindow::ApplyColours() {
    const QColor colour = ToQColor(host_.State().settings.colour);
    PaintWindow(*this, colour);
    RTB1->SetBackgroundColor(colour);
    for (QLabel* l : {Label1, Label3, Label4, Label5, Label6, Label7, Label8, Label10}) {
        PaintOnWindow(*l, colour);
    }
    PaintField(*Combo1, "QComboBox");
}

void MainWindow::ApplyWindowState() {
    if (host_.State().settings.f1max == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
}

void MainWindow::SetScrollValue(int position) {
    if (HScroll1->value() == position) {
        HScroll1_Change(); // no change event for an unchanged value, but the page must show
    } else {
        HScroll1->setValue(position);
    }
}

int MainWindow::ScrollValue() const {
    return HScroll1->value();
}

void MainWindow::HScroll1_Change() {
    host_.State().currentPosition = static_cast<std::int16_t>(HScroll1->value());
    RenderPosition(host_.State().currentPosition);
}

void MainWindow::Combo1_Click() {
    auto& state = host_.State();
    if (state.suraChooserArmed != 1 || Combo1->currentIndex() < 0) {
        return;
    }
    ShowSura(Combo1->currentIndex() + 1);
}

void MainWindow::ShowSura(int sura) {
    const auto s = static_cast<std::int16_t>(sura);
    RenderPosition(PositionOf(s, kSuras.HasOpening[static_cast<std::size_t>(s)] == 1 ? 0 : 1));
}

void MainWindow::SetFigureLabel(QLabel* label, const FigureLabel& figure) {
    QFont font = label->font();
    font.setPointSizeF(figure.fontSize);
    label->setFont(font);
    label->setText(FromCp1252(figure.caption));
}

void MainWindow::RenderPosition(int position) {
    auto& state = host_.State();
    if (!IsValidPosition(position)) {
        host_.Messages().Beep();
        return;
    }
    // The scroll bar's own change event would render the same page once more; it is kept
    // quiet and the position recorded here instead.
    if (HScroll1->value() != position) {
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setValue(position);
    }
    state.currentPosition = static_cast<std::int16_t>(position);

    const RenderedPage page = RenderPage(state, position);
    state.suraChooserArmed = 0;
    if (Combo1->currentIndex() != page.sura - 1) {
        Combo1->setCurrentIndex(page.sura - 1);
    }
    state.suraChooserArmed = 1;
    Label7->setText(FromCp1252(page.initialLetters));
    Command5->setEnabled(page.hasFootnote);
    Label4->setText(QString::fromStdString(page.verseCount));
    Label6->setText(QString::fromStdString(page.revelationOrder));
    if (state.markMode == 1) {
        RefreshMarkButtons();
    }
    SetFigureLabel(Label8, page.firstFigure);
    SetFigureLabel(Label10, page.secondFigure);

    state.footnoteRtf = page.footnoteRtf;
    state.inlineFootnoteRtf = page.inlineFootnoteRtf;
    host_.RenderingFollows(page.footnoteCaption);
    RTB1->SetRtf(page.pageRtf);
}

void MainWindow::Command1_Click() {
    close();
}

void MainWindow::Command2_Click() {
    OpenSearchDialog();
}

void MainWindow::Command3_Click() {
    OpenGoToDialog();
}

void MainWindow::Command4_Click() {
    OpenHelpWindow();
}

void MainWindow::Command5_Click() {
    OpenFootnoteWindow();
}

void MainWindow::Command6_Click() {
    OpenExportDialog();
}

void MainWindow::Command7_Click() {
    OpenAppendixWindow();
}

void MainWindow::Command8_Click() {
    OpenSettingsDialog();
}

void MainWindow::Command9_Click() {
    OpenTopicsDialog();
}

void MainWindow::Command10_Click() {
    ToggleCurrentMark();
}

void MainWindow::Command11_Click() {
    ToggleMarkMode();
}

int MainWindow::Form_KeyDown(int key, int shift) {
    return HandleMainKey(key, shift);
}

int MainWindow::Control_KeyDown(QObject* control, int key, int shift) {
    if (control == RTB1) {
        return RTB1_KeyDown(key, shift);
    }
    if (control == HScroll1) {
        return HScroll1_KeyDown(key, shift);
    }
    return key;
}

int MainWindow::HScroll1_KeyDown(int key, int shift) {
    // A focused bar steps one position for Up and Down, Up towards the start like Left.
    if ((key == vk::Up || key == vk::Down) && shift == 0) {
        return HandleMainKey(key == vk::Up ? vk::Left : vk::Right, shift);
    }
    // The position moves only by the map: what the map passed on (a modified arrow) must not
    // step the bar by its own keys, which would move it the other way.
    switch (key) {
    case vk::Left:
    case vk::Right:
    case vk::Up:
    case vk::Down:
    case vk::Home:
    case vk::End:
    case vk::PageUp:
    case vk::PageDown:
        return 0;
    default:
        return key;
    }
}

int MainWindow::RTB1_KeyDown(int key, int shift) {
    if (key == vk::Up || key == vk::Down) {
        return key; // the pane scrolls
    }
    return HandleMainKey(key, shift);
}

int MainWindow::HandleMainKey(int key, int shift) {
    if (key == 0) {
        return 0;
    }
    auto& state = host_.State();
    const bool none = shift == 0;
    const bool ctrl = shift == kCtrlMask;
    const int value = HScroll1->value();
    const int original = key;
    bool handled = true;

    if (key == vk::F(11) && none) {
        const int i = Combo1->currentIndex();
        if (i > 0) {
            ShowSura(i);
        }
    } else if (key == vk::F(12) && none) {
        const int i = Combo1->currentIndex();
        if (i >= 0 && i < kSuraCount - 1) {
            ShowSura(i + 2);
        }
    } else if (key == vk::Escape) {
        Command1_Click();
    } else if ((key == vk::F(7) && none) || key == vk::Subtract) {
        RenderPosition(StepToHit(value, -1));
    } else if ((key == vk::F(8) && none) || key == vk::Add) {
        RenderPosition(StepToHit(value, +1));
    } else if (key == vk::F(10)) {
        CopyVerse(state.currentPosition);
    } else if (key == vk::F(6)) {
        OpenGoToDialog();
    } else if (key == vk::F(2)) {
        OpenSearchDialog();
    } else if (key == vk::Right && none) {
        if (value < kPositionCount) {
            HScroll1->setValue(value + 1);
        }
    } else if (key == vk::Left && none) {
        if (value >= 2) {
            HScroll1->setValue(value - 1);
        }
    } else if (key == vk::Home) {
        HScroll1->setValue(1);
    } else if (key == vk::End) {
        HScroll1->setValue(kPositionCount);
    } else if (key == vk::PageDown) {
        HScroll1->setValue(value <= kPositionCount - 19 ? value + 19 : kPositionCount);
    } else if (key == vk::PageUp) {
        HScroll1->setValue(value < 20 ? 1 : value - 19);
    } else if (key == 'L') {
        state.settings.language = state.settings.language == 1 ? 2 : 1;
        host_.ApplyLanguage();
    } else if (key == vk::F(1)) {
        OpenHelpWindow();
    } else if (key == vk::F(3)) {
        OpenAppendixWindow();
    } else if (key == vk::F(4)) {
        OpenExportDialog();
    } else if (key == vk::F(5)) {
        OpenSettingsDialog();
    } else if (key == vk::F(9)) {
        if (Command5->isEnabled()) {
            OpenFootnoteWindow();
        }
    } else if (key == 'C' && ctrl) {
        // The pane's own copy never runs here.
        host_.Messages().Beep();
        host_.Messages().Show(state.texts[62], state.texts[45], PromptIcon::Information,
                              PromptButtons::Ok);
    } else if (key == 'Z') {
        ChangeFontSize(+2);
    } else if (key == 'X') {
        ChangeFontSize(-2);
    } else if (key == 'T') {
        ToggleMarkMode();
    } else if (key == 'O') {
        OpenCompanionWindow();
    } else {
        handled = false;
    }
    if (handled) {
        key = 0;
    }

    // Whatever row acted, the marking-mode keys come next.
    if (state.markMode == 1) {
        if (original == vk::Insert) {
            ToggleCurrentMark();
            key = 0;
        } else if (original == 'M') {
            OpenTopicsDialog();
            key = 0;
        } else if (original == vk::Right && ctrl) {
            RenderPosition(StepToMark(state.currentPosition, +1));
            key = 0;
        } else if (original == vk::Left && ctrl) {
            RenderPosition(StepToMark(state.currentPosition, -1));
            key = 0;
        }
    }
    return key;
}

int MainWindow::StepToHit(int start, int step) {
    const auto& state = host_.State();
    if (state.search.termCount == 0) {
        host_.Messages().Show(state.texts[93], state.texts[45], PromptIcon::None,
                              PromptButtons::Ok);
        return 0; // rendering position 0 beeps and nothing moves
    }
    const int p = FindHit(state.search, start, step);
    if (p == 0) {
        host_.Messages().Beep();
        return start;
    }
    return p;
}

int MainWindow::StepToMark(int start, int step) {
    const int p = FindMark(host_.State().topicMarks, start, step);
    if (p == 0) {
        host_.Messages().Beep();
        return start;
    }
    return p;
}

void MainWindow::ChangeFontSize(int delta) {
    auto& settings = host_.State().settings;
    const FontSizeStep next = StepFontSize(settings.viewFontSize, delta);
    settings.viewFontSize = next.viewFontSize;
    if (!next.render) {
        return;
    }
    settings.fontPoints = static_cast<std::uint8_t>(settings.viewFontSize / 2);
    RenderPosition(host_.State().currentPosition);
}

void MainWindow::CopyVerse(int position) {
    const auto& state = host_.State();
    ClearClipboard();
    SetClipboardText(VerseClipText(state.corpus, state.settings.viewOptions, position));
}

void MainWindow::ToggleCurrentMark() {
    auto& state = host_.State();
    const int p = state.currentPosition;
    if (p >= 0 && static_cast<std::size_t>(p) < state.topicMarks.size()) {
        auto& mark = state.topicMarks[static_cast<std::size_t>(p)];
        mark = mark == 0 ? 1 : 0;
    }
    RefreshMarkButtons();
}

void MainWindow::ToggleMarkMode() {
    auto& state = host_.State();
    state.markMode = state.markMode == 1 ? 0 : 1;
    const bool on = state.markMode == 1;
    Command9->setVisible(on);
    Command10->setVisible(on);
    RTB1->resize(RTB1->width(), PaneHeight(on, AppliedScale(state.layoutScale)));
    RefreshMarkButtons();
}

void MainWindow::RefreshMarkButtons() {
    const auto& state = host_.State();
    if (state.markMode != 1) {
        return;
    }
    const int p = state.currentPosition;
    const bool marked = p >= 0 && static_cast<std::size_t>(p) < state.topicMarks.size() &&
                        state.topicMarks[static_cast<std::size_t>(p)] == 1;
    Command9->setText(FromCp1252(state.texts[115]));
    Command10->setText(FromCp1252(state.texts[116] + state.texts[marked ? 118 : 119]));
}

void MainWindow::OpenSearchDialog() {
    host_.Open(WindowRole::Search);
}

void MainWindow::OpenGoToDialog() {
    host_.Open(WindowRole::GoTo);
}

void MainWindow::OpenHelpWindow() {
    host_.Open(WindowRole::Help);
}

void MainWindow::OpenFootnoteWindow() {
    host_.Open(WindowRole::Footnote);
}

void MainWindow::OpenCompanionWindow() {
    host_.Open(WindowRole::Companion);
}

void MainWindow::OpenAppendixWindow() {
    host_.Open(WindowRole::Appendix);
}

void MainWindow::OpenExportDialog() {
    host_.Open(WindowRole::Export);
}

void MainWindow::OpenSettingsDialog() {
    host_.Open(WindowRole::Settings);
}

void MainWindow::OpenTopicsDialog() {
    host_.Open(WindowRole::Topics);
}

void MainWindow::Form_Activate() {
    // The activation steps: the keys go to the position bar once the start-up has finished,
    // and the text windows follow the layout. The dialogs are loaded when they open.
    if (host_.State().startFinished == 1) {
        HScroll1->setFocus(Qt::ActiveWindowFocusReason);
    }
    host_.LayOutTextWindows();
}

void MainWindow::Form_Resize() {
    LayOut();
}

bool MainWindow::Form_QueryUnload() {
    if (host_.Ended()) {
        return false;
    }
    return host_.ConfirmClose();
}

} // namespace lumra
