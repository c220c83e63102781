#include "windows/HelpWindow.h"

#include "documents/RtfVocabulary.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"RichTextBox1", 0, 0, 639, 436, 10},
    {"Command1", 270, 446, 100, 28, 10},
};
constexpr DesignWindow kDesign{640, 480, kControls};

} // namespace

HelpWindow::HelpWindow(WindowHost& host) : TextWindow("Form11", kDesign), host_(host) {
    setWindowTitle(QStringLiteral("53"));
    RichTextBox1 = AddPane("RichTextBox1");
    AddCloseButton();
}

void HelpWindow::ApplyColours() {
    PaintPanes(ToQColor(host_.State().settings.colour));
}

void HelpWindow::RefreshCaptions() {
    const auto& t = host_.State().texts;
    SetCaption(t[53]);
    SetCloseCaption(t[24]);
    NameControlsFromCaptions(*this, host_.State().texts);
}

void HelpWindow::SetCaption(const std::string& cp1252) {
    setWindowTitle(FromCp1252(cp1252));
}

void HelpWindow::SetCloseCaption(const std::string& cp1252) {
    TextWindow::SetCloseCaption(FromCp1252(cp1252));
}

void HelpWindow::SetContent(const std::string& rtf) {
    RichTextBox1->SetRtf(rtf);
}

void HelpWindow::OpenWithHelpText() {
    const auto& state = host_.State();
    SetContent(rtf::WithFontSize(state.corpus.helpText, state.settings.viewFontSize));
    ShowInFront();
}

void HelpWindow::LayOut() {
    if (!isMaximized() && !isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    }
    PlaceCloseButton(host_.State().layoutScale);
    FitPane(*RichTextBox1, 1);
}

int HelpWindow::Form_KeyDown(int key, int shift) {
    if (key == 'C' && shift == kCtrlMask) {
        // The pane's own copy never runs: a beep, then the copy F10 makes.
        host_.Messages().Beep();
        key = vk::F(10);
    }
    if (key == vk::F(10)) {
        ClearClipboard();
        SetClipboardRtf(RichTextBox1->Rtf());
        return 0;
    }
    return key;
}

void HelpWindow::Form_Activate() {
    if (host_.State().startFinished == 1) {
        LayOut();
    }
}

void HelpWindow::Form_Resize() {
    if (host_.State().startFinished == 1) {
        LayOut();
    }
}

bool HelpWindow::Form_QueryUnload() {
    if (host_.State().startFinished != 1) {
        return false; // the start-up notices really close
    }
    hide();
    return true;
}

} // namespace lumra
