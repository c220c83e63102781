#include "windows/SettingsDialog.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVariant>

#include "platform/Cp1252Qt.h"
#include "toolkit/Controls.h"
#include "toolkit/DesignTable.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowLayout.h"
#include "toolkit/WindowPaint.h"
#include "windows/FixedDialog.h"

namespace lumra {

namespace {

// Group boxes drawn by lines: left, right, top and bottom edges (design units).
struct Box {
    int left;
    int top;
    int right;
    int bottom;
};
constexpr Box kLanguageBox{8, 13, 256, 62};
constexpr Box kColourBox{8, 79, 256, 252};
constexpr Box kCopyBox{264, 13, 512, 104};
constexpr Box kPaneBox{264, 121, 512, 164};
constexpr Box kFontBox{264, 181, 512, 252};

// The four lines of a box: top (begins after the heading), left, right, bottom.
constexpr DesignControl Top(const char* name, const Box& b) {
    return {name, b.left, b.top, b.right - b.left + 1, 1, 10};
}
constexpr DesignControl Left(const char* name, const Box& b) {
    return {name, b.left, b.top, 1, b.bottom - b.top, 10};
}
constexpr DesignControl Right(const char* name, const Box& b) {
    return {name, b.right, b.top, 1, b.bottom - b.top, 10};
}
constexpr DesignControl Bottom(const char* name, const Box& b) {
    return {name, b.left, b.bottom, b.right - b.left + 1, 1, 10};
}

constexpr DesignControl kControls[] = {
    // Language.
    {"Label1_8", 16, 4, 80, 18, 10},
    {"Combo1_0", 20, 26, 224, 24, 10},
    Top("Line1_8", kLanguageBox),
    Left("Line1_5", kLanguageBox),
    Right("Line1_6", kLanguageBox),
    Bottom("Line1_7", kLanguageBox),
    // Colour: name, value and slider per component, then the preview.
    {"Label1_7", 16, 70, 80, 18, 10},
    {"Label1_4", 20, 94, 64, 20, 10},
    {"Label1_1", 86, 94, 36, 20, 10},
    {"HScroll1", 124, 95, 120, 18, 10},
    {"Label1_5", 20, 122, 64, 20, 10},
    {"Label1_2", 86, 122, 36, 20, 10},
    {"HScroll2", 124, 123, 120, 18, 10},
    {"Label1_6", 20, 150, 64, 20, 10},
    {"Label1_3", 86, 150, 36, 20, 10},
    {"HScroll3", 124, 151, 120, 18, 10},
    {"Label1_0", 20, 180, 224, 60, 10},
    Top("Line1_4", kColourBox),
    Left("Line1_1", kColourBox),
    Right("Line1_2", kColourBox),
    Bottom("Line1_3", kColourBox),
    // Copy.
    {"Label1_9", 272, 4, 80, 18, 10},
    {"Check1_0", 276, 26, 228, 22, 10},
    {"Check1_1", 276, 50, 228, 22, 10},
    {"Check1_2", 276, 74, 228, 22, 10},
    Top("Line1_14", kCopyBox),
    Left("Line1_11", kCopyBox),
    Right("Line1_12", kCopyBox),
    Bottom("Line1_13", kCopyBox),
    // Reading pane.
    {"Label1_10", 272, 112, 80, 18, 10},
    {"Check1_3", 276, 134, 228, 22, 10},
    Top("Line1_19", kPaneBox),
    Left("Line1_16", kPaneBox),
    Right("Line1_17", kPaneBox),
    Bottom("Line1_18", kPaneBox),
    // Font size: the value left of the slider.
    {"Label1_12", 272, 172, 80, 18, 10},
    {"Label1_11", 276, 206, 36, 20, 10},
    {"HScroll4", 316, 207, 188, 18, 10},
    Top("Line1_0", kFontBox),
    Left("Line1_9", kFontBox),
    Right("Line1_10", kFontBox),
    Bottom("Line1_15", kFontBox),
    // OK, default colour, close.
    {"Command2", 8, 264, 120, 28, 10},
    {"Command3", 200, 264, 120, 28, 10},
    {"Command1", 392, 264, 120, 28, 10},
};
constexpr DesignWindow kDesign{520, 300, kControls};

// The headings whose top line begins just after them: heading, line.
constexpr std::array<std::pair<int, int>, 5> kHeadingLines = {
    {{7, 4}, {8, 8}, {9, 14}, {10, 19}, {12, 0}}};
constexpr std::array<int, 5> kHeadings = {7, 8, 9, 10, 12};

constexpr std::array<std::pair<int, int>, 13> kLabelTexts = {{{4, 55},
                                                              {5, 56},
                                                              {6, 57},
                                                              {0, 58},
                                                              {7, 102},
                                                              {8, 103},
                                                              {9, 104},
                                                              {10, 109},
                                                              {12, 111},
                                                              {1, -1},
                                                              {2, -1},
                                                              {3, -1},
                                                              {11, -1}}};
constexpr std::array<int, 4> kCheckTexts = {106, 107, 105, 107};

QScrollBar* MakeSlider(QWidget* parent, const char* name, int minimum, int maximum) {
    auto* bar = MakeControl<QScrollBar>(parent, name, Qt::Horizontal);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(16);
    // In the tab order, so that Left/Right (a step), PageUp/PageDown (16) and Home/End (the
    // limits) set the value. A scroll bar's controls are inverted by default (Right would
    // lower it); these are sliders: Right and PageUp raise the value.
    bar->setFocusPolicy(Qt::TabFocus);
    bar->setInvertedControls(false);
    return bar;
}

// A value label shows the number after one space.
QString ValueCaption(int value) {
    return QLatin1Char(' ') + QString::number(value);
}

} // namespace

SettingsDialog::SettingsDialog(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form12"));
    CloseOnEscape();
    setWindowTitle(QStringLiteral("54"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = MakeLabel(this, IndexedName("Label1", i));
    }
    for (const auto& [label, text] : kLabelTexts) {
        if (text > 0) {
            Label1[static_cast<std::size_t>(label)]->setText(QString::number(text));
        }
    }
    for (int heading : kHeadings) {
        Label1[static_cast<std::size_t>(heading)]->setProperty(kAutoSizeProperty, true);
    }
    Label1[0]->setAlignment(Qt::AlignCenter);
    Label1[0]->setWordWrap(true);
    Combo1 = MakeControl<Chooser>(this, "Combo1_0");
    HScroll1 = MakeSlider(this, "HScroll1", 0, 192);
    HScroll2 = MakeSlider(this, "HScroll2", 0, 192);
    HScroll3 = MakeSlider(this, "HScroll3", 0, 192);
    HScroll4 = MakeSlider(this, "HScroll4", 8, 120);
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i] = MakeCheck(this, IndexedName("Check1", i), QString::number(kCheckTexts[i]));
    }
    Label1[8]->setBuddy(Combo1);
    Label1[4]->setBuddy(HScroll1);
    Label1[5]->setBuddy(HScroll2);
    Label1[6]->setBuddy(HScroll3);
    Label1[12]->setBuddy(HScroll4);
    // Copying and the reading pane both offer "With footnotes": each after its heading.
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        NameInGroup(*Check1[i], i < 3 ? 104 : 109);
    }
    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i] = MakeLine(this, IndexedName("Line1", i));
        Line1[i]->setAutoFillBackground(true);
    }
    Command2 = MakeButton(this, "Command2", "59");
    Command3 = MakeButton(this, "Command3", "60");
    Command1 = MakeButton(this, "Command1", "24");
    // Tab follows the boxes: language and colour on the left, then copy, pane and font size.
    setTabOrder(Check1.back(), HScroll4);
    setTabOrder(HScroll4, Command2);
    ApplyDesignWindow(*this, kDesign);
    setFixedSize(size());

    for (QScrollBar* bar : {HScroll1, HScroll2, HScroll3}) {
        connect(bar, &QScrollBar::valueChanged, this, &SettingsDialog::PreviewColour);
    }
    connect(HScroll4, &QScrollBar::valueChanged, this, &SettingsDialog::ShowPendingFontSize);
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        connect(Check1[i], &QCheckBox::toggled, this,
                [this, i] { Check1_Click(static_cast<int>(i)); });
    }
    connect(Command1, &QPushButton::clicked, this, &SettingsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SettingsDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SettingsDialog::Command3_Click);

    // Form_Load.
    auto& state = host_.State();
    ApplyColours();
    const WindowColour colour = state.settings.colour;
    HScroll1->setValue(colour.red);
    HScroll2->setValue(colour.green);
    HScroll3->setValue(colour.blue);
    PreviewColour(); // the labels and the preview, also for values the bars already held
    state.settings.fontPoints = static_cast<std::uint8_t>(state.settings.viewFontSize / 2);
    HScroll4->setValue(state.settings.fontPoints);
    ShowPendingFontSize();
    for (int row = 1; row <= kLanguageCount; ++row) {
        Combo1->addItem(
            QString::fromLatin1(kLanguages[static_cast<std::size_t>(row)].displayName).trimmed());
    }
    SelectCurrentLanguage();
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i]->setChecked(state.settings.viewOptions[i] == 1);
    }
    RefreshCaptions();
    LayOutFixedDialog(*this, host_);
    RefreshCaptions();
}

void SettingsDialog::ApplyColours() {
    // Always the default green, so the dialog reads the same whatever colour is chosen.
    const QColor green = ToQColor(kDefaultWindowColour);
    PaintWindow(*this, green);
    for (std::size_t i = 1; i < Label1.size(); ++i) {
        PaintOnWindow(*Label1[i], green);
    }
    for (QCheckBox* box : Check1) {
        PaintIndicatorOnWindow(*box);
    }
    PaintField(*Combo1, "QComboBox");
    for (QFrame* line : Line1) {
        line->setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
    }
}

void SettingsDialog::RefreshCaptions() {
    const auto& t = host_.State().texts;
    setWindowTitle(FromCp1252(t[54]));
    for (const auto& [label, text] : kLabelTexts) {
        if (text > 0) {
            Label1[static_cast<std::size_t>(label)]->setText(FromCp1252(t[text]));
        }
    }
    Command2->setText(FromCp1252(t[59]));
    Command3->setText(FromCp1252(t[60]));
    Command1->setText(FromCp1252(t[24]));
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i]->setText(FromCp1252(t[kCheckTexts[i]]));
    }
    PlaceFrameLines();
    NameControlsFromCaptions(*this, host_.State().texts);
}

void SettingsDialog::PlaceFrameLines() {
    const float scale = host_.State().layoutScale;
    for (const auto& [heading, line] : kHeadingLines) {
        QLabel* label = Label1[static_cast<std::size_t>(heading)];
        label->adjustSize();
        QFrame* l = Line1[static_cast<std::size_t>(line)];
        // The line keeps its right end; its start moves to just after the heading.
        const int right = l->x() + l->width();
        const int begin = label->x() + label->width() + ScaledValue(4, AppliedScale(scale));
        l->setGeometry(begin, l->y(), std::max(1, right - begin), l->height());
    }
}

void SettingsDialog::LayOut() {
    LayOutFixedDialog(*this, host_);
    PlaceFrameLines();
}

void SettingsDialog::SelectCurrentLanguage() {
    const int row = host_.State().settings.language;
    if (row >= 1 && row <= Combo1->count()) {
        Combo1->setCurrentIndex(row - 1);
    }
}

void SettingsDialog::PreviewColour() {
    Label1[1]->setText(ValueCaption(HScroll1->value()));
    Label1[2]->setText(ValueCaption(HScroll2->value()));
    Label1[3]->setText(ValueCaption(HScroll3->value()));
    const QColor mixed(HScroll1->value(), HScroll2->value(), HScroll3->value());
    PaintOnWindow(*Label1[0], mixed);
}

void SettingsDialog::ShowPendingFontSize() {
    host_.State().settings.fontPoints = static_cast<std::uint8_t>(HScroll4->value());
    Label1[11]->setText(ValueCaption(HScroll4->value()));
}

void SettingsDialog::ApplySettings() {
    auto& state = host_.State();
    state.settings.colour = WindowColour{static_cast<std::uint8_t>(HScroll1->value()),
                                         static_cast<std::uint8_t>(HScroll2->value()),
                                         static_cast<std::uint8_t>(HScroll3->value())};
    host_.ApplyWindowColours();
    const int row = Combo1->currentIndex() + 1;
    if (IsLanguageIndex(row) && row != state.settings.language) {
        state.settings.language = static_cast<std::uint8_t>(row);
        host_.ApplyLanguage();
        if (host_.Ended()) {
            return;
        }
    }
    state.settings.viewFontSize = 2 * state.settings.fontPoints;
    host_.ShowPosition(state.currentPosition);
    close();
}

void SettingsDialog::Command1_Click() {
    close();
}

void SettingsDialog::Command2_Click() {
    ApplySettings();
}

void SettingsDialog::Command3_Click() {
    HScroll1->setValue(kDefaultWindowColour.red);
    HScroll2->setValue(kDefaultWindowColour.green);
    HScroll3->setValue(kDefaultWindowColour.blue);
}

void SettingsDialog::Check1_Click(int index) {
    host_.State().settings.viewOptions[static_cast<std::size_t>(index)] =
        Check1[static_cast<std::size_t>(index)]->isChecked() ? 1 : 0;
}

int SettingsDialog::Form_KeyDown(int key, int) {
    switch (key) {
    case vk::Return:
        ApplySettings();
        return 0;
    case vk::F(5):
        Command3_Click();
        return 0;
    default:
        return key;
    }
}

void SettingsDialog::Form_Activate() {
    SelectCurrentLanguage();
    auto& settings = host_.State().settings;
    settings.fontPoints = static_cast<std::uint8_t>(settings.viewFontSize / 2);
    HScroll4->setValue(settings.fontPoints);
    ShowPendingFontSize();
}

} // namespace lumra
