#include "windows/VerseListWindow.h"

#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"RTB1", 4, 4, 592, 392, 10},
    {"Command1", 250, 406, 100, 28, 10},
};
constexpr DesignWindow kDesign{600, 440, kControls};

} // namespace

VerseListWindow::VerseListWindow(WindowHost& host) : TextWindow("Form13", kDesign), host_(host) {
    setWindowTitle(QStringLiteral("61"));
    RTB1 = AddPane("RTB1");
    AddCloseButton();
    if (host_.State().settings.f13max == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    RefreshCaptions();
    ApplyColours();
}

void VerseListWindow::ApplyColours() {
    PaintPanes(ToQColor(host_.State().settings.colour));
}

void VerseListWindow::RefreshCaptions() {
    const auto& t = host_.State().texts;
    SetCaption(t[61]);
    SetCloseCaption(FromCp1252(t[24]));
    NameControlsFromCaptions(*this, host_.State().texts);
}

void VerseListWindow::SetCaption(const std::string& cp1252) {
    setWindowTitle(FromCp1252(cp1252));
}

void VerseListWindow::SetContent(const std::string& rtf) {
    RTB1->SetRtf(rtf);
}

std::string VerseListWindow::PlainTextOf(const std::string& rtf) {
    RTB1->SetRtf(rtf);
    std::string text = RTB1->PlainText();
    RTB1->SetRtf(std::string());
    return text;
}

void VerseListWindow::LayOut() {
    PlaceCloseButton(host_.State().layoutScale);
    TrackMaximised(*this, host_.State().settings.f13max);
    FitPane(*RTB1, 8);
}

int VerseListWindow::Form_KeyDown(int key, int shift) {
    switch (key) {
    case vk::F(10):
        ClearClipboard();
        SetClipboardText(RTB1->PlainText());
        return 0;
    case 'C':
        if (shift == kCtrlMask) {
            const auto& t = host_.State().texts;
            host_.Messages().Beep();
            host_.Messages().Show(t[62], t[45], PromptIcon::Information, PromptButtons::Ok);
            return 0;
        }
        return key;
    default:
        return key;
    }
}

void VerseListWindow::Form_Activate() {
    RTB1->setFocus();
}

} // namespace lumra
