#include "reading/AppendixWindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "Application.h"
#include "platform/AccessibleNames.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKeys.h"
#include "reading/DesignTable.h"
#include "reading/TextDocuments.h"
#include "reading/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"Combo1", 4, 4, 592, 24, 10},
    {"RTB1_0", 4, 32, 592, 364, 10},
    {"RTB1_1", 4, 32, 592, 364, 10},
    {"Command1", 250, 406, 100, 28, 10},
};
constexpr DesignWindow kDesign{600, 440, kControls};
constexpr int kLastItem = 40;

} // namespace

Form5::Form5(Application& app) : app_(app) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("29"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMaxVisibleItems(20);
    RTB1[0] = new RichTextBox(this, QStringLiteral("RTB1_0"));
    RTB1[1] = new RichTextBox(this, QStringLiteral("RTB1_1"));
    Command1 = new QPushButton(QStringLiteral("24"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFocusPolicy(Qt::TabFocus);
    ApplyDesignWindow(*this, kDesign);
    RTB1[app_.State().CurrentLanguage().plainAppendix == 1 ? 0 : 1]->hide();
    if (app_.State().settings.f5max == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form5::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::ApplyAppendixWindowColours() {
    const QColor colour = ToQColor(app_.State().settings.colour);
    PaintWindow(*this, colour);
    RTB1[0]->SetBackgroundColor(colour);
    RTB1[1]->SetBackgroundColor(colour);
    PaintField(*Combo1, "QComboBox");
}

void Form5::RefreshCaptions() {
    const auto& t = app_.State().texts;
    setWindowTitle(FromCp1252(t[29]));
    Command1->setText(FromCp1252(t[24]));
    NameControlsFromCaptions(*this);
}

void Form5::FillAppendixChooser() {
    // Refilling is no choice of the reader's: the chooser's click stays silent meanwhile.
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    for (const auto& item : app_.State().corpus.appendixItems) {
        Combo1->addItem(FromCp1252(item));
    }
    Combo1->setCurrentIndex(-1);
}

void Form5::SelectCurrentAppendix() {
    const int index = app_.State().currentAppendix - 1;
    if (index >= 0 && index < Combo1->count() && Combo1->currentIndex() != index) {
        Combo1->setCurrentIndex(index);
    }
}

void Form5::Open() {
    show();
    raise();
    activateWindow();
    // Activation may come later than the show; the chooser must not wait for it.
    SelectCurrentAppendix();
}

RichTextBox* Form5::PaneOfLanguage() const {
    return RTB1[app_.State().CurrentLanguage().plainAppendix == 1 ? 1 : 0];
}

void Form5::LayOut() {
    auto& state = app_.State();
    if (const DesignControl* d = FindDesign(kDesign, Command1->objectName())) {
        ApplyDesign(Command1, *d, state.layoutScale);
    }
    QFont font = Combo1->font();
    font.setPointSize(std::max(1, Scaled(10, std::max(1.0f, state.layoutScale))));
    Combo1->setFont(font);
    TrackMaximised(*this, state.settings.f5max);
    RichTextBox& pane = *PaneOfLanguage();
    const int width = this->width() - 8;
    if (width > 0) {
        Combo1->resize(width, Combo1->height());
    }
    pane.move(pane.x(), Combo1->height() + 8);
    FitPaneAndButton(*this, pane, 8, *Command1);
}

void Form5::Combo1_Click() {
    const int index = Combo1->currentIndex();
    if (index < 0) {
        return;
    }
    app_.State().currentAppendix = static_cast<std::uint8_t>(index + 1);
    ShowAppendix();
}

void Form5::Command1_Click() {
    close();
}

void Form5::ShowAppendix() {
    const auto& state = app_.State();
    const int shown = state.CurrentLanguage().plainAppendix == 1 ? 1 : 0;
    RichTextBox* pane = RTB1[shown];
    RichTextBox* other = RTB1[1 - shown];
    other->hide();
    pane->show();
    other->SetRtf(std::string());
    pane->SetRtf(AppendixDocument(state.corpus, state.CurrentLanguage(), state.currentAppendix));
}

void Form5::CopyAppendix() {
    ClearClipboard();
    if (app_.State().CurrentLanguage().plainAppendix == 1) {
        SetClipboardText(RTB1[1]->PlainText());
    } else {
        SetClipboardRtf(RTB1[0]->Rtf());
    }
}

int Form5::Form_KeyDown(int key, int shift) {
    if (key == 'C' && shift == kCtrlMask) {
        // The pane's own copy never runs: a beep, then the copy F10 makes.
        app_.Messages().Beep();
        key = vk::F(10);
    }
    const int index = Combo1->currentIndex();
    switch (key) {
    case vk::Escape:
        close();
        return 0;
    case vk::F(12):
        if (index < kLastItem && index + 1 < Combo1->count()) {
            Combo1->setCurrentIndex(index + 1);
        }
        return key;
    case vk::F(11):
        if (index > 0) {
            Combo1->setCurrentIndex(index - 1);
        }
        return key;
    case vk::F(10):
        CopyAppendix();
        return 0;
    default:
        return key;
    }
}

void Form5::Form_Activate() {
    LayOut();
    PaneOfLanguage()->setFocus();
    SelectCurrentAppendix();
}

void Form5::Form_Resize() {
    LayOut();
}

bool Form5::Form_QueryUnload() {
    hide();
    return true;
}

} // namespace lumra
