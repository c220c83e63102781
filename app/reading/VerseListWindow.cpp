#include "reading/VerseListWindow.h"

#include <QPushButton>

#include "Application.h"
#include "platform/AccessibleNames.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKeys.h"
#include "reading/DesignTable.h"
#include "reading/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"RTB1", 4, 4, 592, 392, 10},
    {"Command1", 250, 406, 100, 28, 10},
};
constexpr DesignWindow kDesign{600, 440, kControls};

} // namespace

Form13::Form13(Application& app) : app_(app) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("61"));
    RTB1 = new RichTextBox(this, QStringLiteral("RTB1"));
    Command1 = new QPushButton(QStringLiteral("24"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFocusPolicy(Qt::TabFocus);
    ApplyDesignWindow(*this, kDesign);
    if (app_.State().settings.f13max == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    RefreshCaptions();
    ApplyVerseListWindowColours();
    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
}

void Form13::ApplyVerseListWindowColours() {
    const QColor colour = ToQColor(app_.State().settings.colour);
    PaintWindow(*this, colour);
    RTB1->SetBackgroundColor(colour);
}

void Form13::RefreshCaptions() {
    const auto& t = app_.State().texts;
    SetCaption(t[61]);
    Command1->setText(FromCp1252(t[24]));
    NameControlsFromCaptions(*this);
}

void Form13::SetCaption(const std::string& cp1252) {
    setWindowTitle(FromCp1252(cp1252));
}

void Form13::SetContent(const std::string& rtf) {
    RTB1->SetRtf(rtf);
}

std::string Form13::PlainTextOf(const std::string& rtf) {
    RTB1->SetRtf(rtf);
    std::string text = RTB1->PlainText();
    RTB1->SetRtf(std::string());
    return text;
}

void Form13::LayOut() {
    if (const DesignControl* d = FindDesign(kDesign, Command1->objectName())) {
        ApplyDesign(Command1, *d, app_.State().layoutScale);
    }
    TrackMaximised(*this, app_.State().settings.f13max);
    FitPaneAndButton(*this, *RTB1, 8, *Command1);
}

void Form13::Command1_Click() {
    close();
}

int Form13::Form_KeyDown(int key, int shift) {
    switch (key) {
    case vk::Escape:
        close();
        return 0;
    case vk::F(10):
        ClearClipboard();
        SetClipboardText(RTB1->PlainText());
        return 0;
    case 'C':
        if (shift == kCtrlMask) {
            const auto& t = app_.State().texts;
            app_.Messages().Beep();
            app_.Messages().Show(t[62], t[45], PromptIcon::Information, PromptButtons::Ok);
            return 0;
        }
        return key;
    default:
        return key;
    }
}

void Form13::Form_Activate() {
    RTB1->setFocus();
}

void Form13::Form_Resize() {
    LayOut();
}

} // namespace lumra
