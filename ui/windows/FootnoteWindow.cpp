#include "windows/FootnoteWindow.h"

#include "documents/TextDocuments.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"RTB1", 4, 4, 472, 196, 10},
    {"Command1", 190, 206, 100, 28, 10},
};
constexpr DesignWindow kDesign{480, 240, kControls};

} // namespace

FootnoteWindow::FootnoteWindow(WindowHost& host) : TextWindow("Form4", kDesign), host_(host) {
    RTB1 = AddPane("RTB1");
    AddCloseButton();
}

void FootnoteWindow::ApplyColours() {
    PaintPanes(ToQColor(host_.State().settings.colour));
}

void FootnoteWindow::RefreshCaptions() {
    SetCloseCaption(FromCp1252(host_.State().texts[24]));
    NameControlsFromCaptions(*this, host_.State().texts);
}

void FootnoteWindow::FillPane() {
    const auto& state = host_.State();
    RTB1->SetRtf(FootnoteDocument(state.footnoteRtf, state.settings.viewFontSize));
}

void FootnoteWindow::FollowRendering(const std::string& captionCp1252) {
    setWindowTitle(FromCp1252(captionCp1252));
    if (host_.State().footnoteRtf.empty()) {
        RTB1->SetRtf(std::string());
    } else if (isVisible()) {
        FillPane();
    }
}

void FootnoteWindow::Open() {
    FillPane();
    ShowInFront();
}

void FootnoteWindow::LayOut() {
    PlaceCloseButton(host_.State().layoutScale);
    TrackMaximised(*this, host_.State().settings.f4max);
    FitPane(*RTB1, 8);
}

void FootnoteWindow::CopyFootnote(int position) {
    ClearClipboard();
    SetClipboardText(FootnoteClipText(host_.State().corpus, position));
}

int FootnoteWindow::Form_KeyDown(int key, int shift) {
    switch (key) {
    case vk::F(10):
        CopyFootnote(host_.State().currentPosition);
        return key; // passed on
    case 'C':
        if (shift == kCtrlMask) {
            host_.Messages().Beep();
            CopyFootnote(host_.State().currentPosition);
            return 0;
        }
        return key;
    default:
        return key;
    }
}

void FootnoteWindow::Form_Activate() {
    FillPane();
}

bool FootnoteWindow::Form_QueryUnload() {
    hide();
    return true;
}

} // namespace lumra
