#include "windows/SearchDialog.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Chooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Cp1252Qt.h"
#include "search/QueryHistory.h"
#include "toolkit/Controls.h"
#include "toolkit/DesignTable.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"
#include "windows/FixedDialog.h"

namespace lumra {

namespace {

// Check1 to Check3 lie inside Frame1, so their places are relative to it.
constexpr DesignControl kControls[] = {
    {"Label1", 12, 10, 396, 18, 9},     {"Combo1", 12, 30, 396, 24, 10},
    {"Frame1", 12, 64, 200, 100, 9},    {"Check2", 10, 22, 182, 22, 9},
    {"Check1", 10, 46, 182, 22, 9},     {"Check3", 10, 70, 182, 22, 9},
    {"Label2", 222, 64, 186, 104, 11},  {"Line1_0", 12, 174, 396, 1, 9},
    {"Check4", 12, 182, 396, 22, 9},    {"Check5", 12, 204, 396, 22, 9},
    {"Check6", 12, 226, 396, 22, 9},    {"Line1_1", 26, 250, 1, 86, 9},
    {"Check7_0", 36, 250, 372, 20, 9},  {"Check7_1", 36, 272, 372, 20, 9},
    {"Check7_2", 36, 294, 372, 20, 9},  {"Check7_3", 36, 316, 372, 20, 9},
    {"Line1_2", 26, 336, 8, 1, 9},      {"Line1_3", 12, 346, 396, 1, 9},
    {"Command1", 12, 356, 120, 28, 10}, {"Command2", 288, 356, 120, 28, 10},
};
constexpr DesignWindow kDesign{420, 396, kControls};

std::uint8_t Value(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

// Message boxes during a search show the normal pointer, not the busy one of the dialog.
class PointerFreePrompt final : public Prompt {
public:
    PointerFreePrompt(Prompt& inner, const bool& busy) : inner_(inner), busy_(busy) {}
    PromptAnswer Show(const std::string& message, const std::string& title, PromptIcon icon,
                      PromptButtons buttons) override {
        const bool busy = busy_;
        if (busy) {
            QApplication::restoreOverrideCursor();
        }
        const PromptAnswer answer = inner_.Show(message, title, icon, buttons);
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
        return answer;
    }
    void Beep() override { inner_.Beep(); }

private:
    Prompt& inner_;
    const bool& busy_;
};

} // namespace

SearchDialog::SearchDialog(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form2"));
    CloseOnEscape();
    setWindowTitle(QStringLiteral("13"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Label1 = MakeLabel(this, "Label1", "14");
    Combo1 = MakeControl<Chooser>(this, "Combo1");
    Label1->setBuddy(Combo1);
    Combo1->setEditable(true);
    NameByText(*Combo1->lineEdit(), 14);
    // The query is exactly what was typed: no completion, no items added by Enter.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(kHistorySlots);
    Combo1->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);

    Frame1 = MakeControl<QGroupBox>(this, "Frame1", QStringLiteral("15"));
    Check2 = MakeCheck(Frame1, "Check2", "16");
    Check1 = MakeCheck(Frame1, "Check1", "17");
    Check3 = MakeCheck(Frame1, "Check3", "18");
    Label2 = MakeLabel(this, "Label2", "22");
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setMargin(4);
    Check4 = MakeCheck(this, "Check4", "19");
    Check5 = MakeCheck(this, "Check5", "20");
    Check6 = MakeCheck(this, "Check6", "21");
    constexpr std::array<const char*, 4> kListCaptions = {"106", "107", "105", "108"};
    for (std::size_t i = 0; i < Check7.size(); ++i) {
        Check7[i] = MakeCheck(this, IndexedName("Check7", i), kListCaptions[i]);
        // Enabled only while the list option is on.
        Check7[i]->setEnabled(false);
    }
    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i] = MakeLine(this, IndexedName("Line1", i));
        Line1[i]->setAutoFillBackground(true);
    }
    Command1 = MakeButton(this, "Command1", "23");
    Command2 = MakeButton(this, "Command2", "24");

    setTabOrder(Combo1, Check2);
    setTabOrder(Check2, Check1);
    setTabOrder(Check1, Check3);
    setTabOrder(Check3, Check4);
    setTabOrder(Check4, Check5);
    setTabOrder(Check5, Check6);
    setTabOrder(Check6, Check7[0]);
    for (std::size_t i = 1; i < Check7.size(); ++i) {
        setTabOrder(Check7[i - 1], Check7[i]);
    }
    setTabOrder(Check7[3], Command1);
    setTabOrder(Command1, Command2);

    // A box set from code runs its rule as a click does, so the options follow the boxes.
    connect(Check1, &QCheckBox::toggled, this, &SearchDialog::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &SearchDialog::Check2_Click);
    connect(Check3, &QCheckBox::toggled, this, &SearchDialog::Check3_Click);
    connect(Check4, &QCheckBox::toggled, this, &SearchDialog::Check4_Click);
    connect(Check5, &QCheckBox::toggled, this, &SearchDialog::Check5_Click);
    connect(Check6, &QCheckBox::toggled, this, &SearchDialog::Check6_Click);
    for (std::size_t i = 0; i < Check7.size(); ++i) {
        connect(Check7[i], &QCheckBox::toggled, this,
                [this, i] { Check7_Click(static_cast<int>(i)); });
    }
    connect(Combo1, &QComboBox::activated, this, &SearchDialog::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &SearchDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SearchDialog::Command2_Click);

    PrepareSearchDialog();
    // The query box has the focus once the dialog is shown.
    Combo1->setFocus(Qt::OtherFocusReason);
}

SearchDialog::~SearchDialog() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

void SearchDialog::PrepareSearchDialog() {
    const auto s = host_.State().settings;
    Check1->setChecked(s.searchSubtitles == 1);
    Check2->setChecked(s.searchVerseText == 1);
    Check3->setChecked(s.searchFootnotes == 1);
    Check4->setChecked(s.compareMode == 0);
    Check5->setChecked(s.wholeWords == 1);
    Check6->setChecked(s.listAllHits == 1);
    const auto& history = host_.State().settings.queryHistory;
    FillQueryBox(history[0].empty() ? host_.State().currentQuery : history[0],
                 HistoryItems(history));
    for (std::size_t i = 0; i < Check7.size(); ++i) {
        Check7[i]->setChecked(s.listOptions[i] == 1);
    }
    ApplyDesignWindow(*this, kDesign);
    setFixedSize(size());
    ApplyColours();
    RefreshCaptions();
}

void SearchDialog::ApplyColours() {
    const QColor colour = ToQColor(host_.State().settings.colour);
    const QString c = colour.name(QColor::HexRgb);
    PaintWindow(*this, colour);
    PaintOnWindow(*Label1, colour);
    Frame1->setStyleSheet(
        QStringLiteral("QGroupBox { background-color: %1; color: #FFFFFF; border: 1px solid "
                       "#FFFFFF; margin-top: 9px; padding-top: 4px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; "
                       "color: #FFFFFF; }")
            .arg(c));
    for (QCheckBox* box : {Check1, Check2, Check3, Check4, Check5, Check6}) {
        PaintIndicatorOnWindow(*box);
    }
    for (QCheckBox* box : Check7) {
        PaintIndicatorOnWindow(*box);
    }
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }").arg(c));
    PaintField(*Combo1, "QComboBox");
    PaintOnWindow(*Label2, QColor(119, 0, 0));
    for (QFrame* line : Line1) {
        line->setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
    }
}

void SearchDialog::LayOut() {
    LayOutFixedDialog(*this, host_);
}

void SearchDialog::RefreshCaptions() {
    const auto& t = host_.State().texts;
    auto text = [&](int n) { return FromCp1252(t[n]); };
    setWindowTitle(text(13));
    Label1->setText(text(14));
    Frame1->setTitle(text(15));
    Check1->setText(text(17));
    Check2->setText(text(16));
    Check3->setText(text(18));
    Check4->setText(text(19));
    Check5->setText(text(20));
    Check6->setText(text(21));
    Label2->setText(text(22));
    Command1->setText(text(23));
    Command2->setText(text(24));
    constexpr std::array<int, 4> kListTexts = {106, 107, 105, 108};
    for (std::size_t i = 0; i < Check7.size(); ++i) {
        Check7[i]->setText(text(kListTexts[i]));
    }
    NameControlsFromCaptions(*this, host_.State().texts);
}

void SearchDialog::SelectAllText() {
    Combo1->lineEdit()->selectAll();
}

void SearchDialog::FillQueryBox(const std::string& text, const std::vector<std::string>& items) {
    Combo1->clear();
    for (const auto& item : items) {
        Combo1->addItem(FromCp1252(item));
    }
    Combo1->setEditText(FromCp1252(text));
}

void SearchDialog::Command1_Click() {
    auto& state = host_.State();
    state.currentQuery = ToCp1252(Combo1->currentText());
    if (state.currentQuery.empty()) {
        const auto& t = state.texts;
        host_.Messages().Beep();
        host_.Messages().Show(t[70], t[71], PromptIcon::Critical, PromptButtons::Ok);
        Combo1->setFocus(Qt::OtherFocusReason);
        return;
    }
    PointerFreePrompt prompt(host_.Messages(), busy_);
    if (RunSearch(state, prompt, *this) == SearchOutcome::CloseDialog) {
        close();
        return;
    }
    Combo1->setFocus(Qt::OtherFocusReason);
    SelectAllText();
}

void SearchDialog::Command2_Click() {
    close();
}

void SearchDialog::Combo1_Click(int index) {
    const auto& history = host_.State().settings.queryHistory;
    if (index >= 0 && static_cast<std::size_t>(index) < history.size()) {
        Combo1->setEditText(FromCp1252(history[static_cast<std::size_t>(index)]));
    }
}

void SearchDialog::Check1_Click() {
    host_.State().settings.searchSubtitles = Value(Check1);
}

void SearchDialog::Check2_Click() {
    auto& s = host_.State().settings;
    s.searchVerseText = Value(Check2);
    if (s.searchVerseText == 0) {
        Check6->setChecked(false);
        s.listAllHits = 0;
    }
}

void SearchDialog::Check3_Click() {
    host_.State().settings.searchFootnotes = Value(Check3);
}

void SearchDialog::Check4_Click() {
    // Ticked means that case must match.
    host_.State().settings.compareMode = Check4->isChecked() ? 0 : 1;
}

void SearchDialog::Check5_Click() {
    host_.State().settings.wholeWords = Value(Check5);
}

void SearchDialog::Check6_Click() {
    auto& s = host_.State().settings;
    s.listAllHits = Value(Check6);
    if (s.listAllHits == 1) {
        Check2->setChecked(true);
        s.searchVerseText = 1;
    }
    for (QCheckBox* box : Check7) {
        box->setEnabled(s.listAllHits == 1);
    }
}

void SearchDialog::Check7_Click(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < Check7.size()) {
        host_.State().settings.listOptions[static_cast<std::size_t>(index)] =
            Value(Check7[static_cast<std::size_t>(index)]);
    }
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == Combo1) {
        SelectAllText();
    }
    // The open list of the query box takes its own keys: Enter chooses, Esc closes the list.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const QWidget* list = Combo1->view()->window();
        if (list != this && static_cast<QWidget*>(watched)->window() == list) {
            return false;
        }
    }
    return Form::eventFilter(watched, event);
}

int SearchDialog::Form_KeyDown(int key, int) {
    switch (key) {
    case vk::Return:
        // The dialog sees Enter before the query box does: one search.
        Command1_Click();
        return 0;
    default:
        return key;
    }
}

int SearchDialog::Control_KeyDown(QObject* control, int key, int) {
    if (control == Combo1 && key == vk::Return) {
        Command1_Click();
        return 0;
    }
    return key;
}

int SearchDialog::Control_KeyPress(QObject* control, int ascii) {
    // Esc neither changes the query box nor beeps.
    return control == Combo1 && ascii == vk::Escape ? 0 : ascii;
}

void SearchDialog::Form_Activate() {
    Combo1->setFocus(Qt::ActiveWindowFocusReason);
}

void SearchDialog::ShowBusyPointer() {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }
}

void SearchDialog::ShowDefaultPointer() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

void SearchDialog::RefillQueryBox(const std::string& text, const std::vector<std::string>& items) {
    FillQueryBox(text, items);
}

void SearchDialog::RenderPosition(int position) {
    host_.ShowPosition(position);
}

void SearchDialog::ShowVerseList(const std::string& caption, const std::string& document) {
    host_.ShowVerseList(caption, document);
}

} // namespace lumra
