#include "windows/AppendixWindow.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "documents/TextDocuments.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Chooser.h"
#include "toolkit/Controls.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"

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

AppendixWindow::AppendixWindow(WindowHost& host) : TextWindow("Form5", kDesign), host_(host) {
    setWindowTitle(QStringLiteral("29"));
    Combo1 = MakeControl<Chooser>(this, "Combo1");
    NameByText(*Combo1, 29);
    Combo1->setMaxVisibleItems(20);
    RTB1[0] = AddPane("RTB1_0");
    RTB1[1] = AddPane("RTB1_1");
    AddCloseButton();
    RTB1[host_.State().CurrentLanguage().plainAppendix == 1 ? 0 : 1]->hide();
    if (host_.State().settings.f5max == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &AppendixWindow::Combo1_Click);
}

void AppendixWindow::ApplyColours() {
    PaintPanes(ToQColor(host_.State().settings.colour));
    PaintField(*Combo1, "QComboBox");
}

void AppendixWindow::RefreshCaptions() {
    const auto& t = host_.State().texts;
    setWindowTitle(FromCp1252(t[29]));
    SetCloseCaption(FromCp1252(t[24]));
    NameControlsFromCaptions(*this, host_.State().texts);
}

void AppendixWindow::FillAppendixChooser() {
    // Refilling is no choice of the reader's: the chooser's click stays silent meanwhile.
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    for (const auto& item : host_.State().corpus.appendixItems) {
        Combo1->addItem(FromCp1252(item));
    }
    Combo1->setCurrentIndex(-1);
}

void AppendixWindow::SelectCurrentAppendix() {
    const int index = host_.State().currentAppendix - 1;
    if (index >= 0 && index < Combo1->count() && Combo1->currentIndex() != index) {
        Combo1->setCurrentIndex(index);
    }
}

void AppendixWindow::Open() {
    ShowInFront();
    // Activation may come later than the show; the chooser must not wait for it.
    SelectCurrentAppendix();
}

RichTextBox* AppendixWindow::PaneOfLanguage() const {
    return RTB1[host_.State().CurrentLanguage().plainAppendix == 1 ? 1 : 0];
}

void AppendixWindow::LayOut() {
    auto& state = host_.State();
    PlaceCloseButton(state.layoutScale);
    QFont font = Combo1->font();
    font.setPointSize(std::max(1, ScaledValue(10, AppliedScale(state.layoutScale))));
    Combo1->setFont(font);
    TrackMaximised(*this, state.settings.f5max);
    RichTextBox& pane = *PaneOfLanguage();
    const int width = this->width() - 8;
    if (width > 0) {
        Combo1->resize(width, Combo1->height());
    }
    pane.move(pane.x(), Combo1->height() + 8);
    FitPane(pane, 8);
}

void AppendixWindow::Combo1_Click() {
    const int index = Combo1->currentIndex();
    if (index < 0) {
        return;
    }
    host_.State().currentAppendix = static_cast<std::uint8_t>(index + 1);
    ShowAppendix();
}

void AppendixWindow::ShowAppendix() {
    const auto& state = host_.State();
    const int shown = state.CurrentLanguage().plainAppendix == 1 ? 1 : 0;
    RichTextBox* pane = RTB1[shown];
    RichTextBox* other = RTB1[1 - shown];
    other->hide();
    pane->show();
    other->SetRtf(std::string());
    pane->SetRtf(AppendixDocument(state.corpus, state.CurrentLanguage(), state.currentAppendix));
}

void AppendixWindow::CopyAppendix() {
    ClearClipboard();
    if (host_.State().CurrentLanguage().plainAppendix == 1) {
        SetClipboardText(RTB1[1]->PlainText());
    } else {
        SetClipboardRtf(RTB1[0]->Rtf());
    }
}

int AppendixWindow::Form_KeyDown(int key, int shift) {
    if (key == 'C' && shift == kCtrlMask) {
        // The pane's own copy never runs: a beep, then the copy F10 makes.
        host_.Messages().Beep();
        key = vk::F(10);
    }
    const int index = Combo1->currentIndex();
    switch (key) {
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

void AppendixWindow::Form_Activate() {
    LayOut();
    PaneOfLanguage()->setFocus();
    SelectCurrentAppendix();
}

bool AppendixWindow::Form_QueryUnload() {
    hide();
    return true;
}

} // namespace lumra
