#include "reading/FootnoteWindow.h"

#include <QPushButton>

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
    {"RTB1", 4, 4, 472, 196, 10},
    {"Command1", 190, 206, 100, 28, 10},
};
constexpr DesignWindow kDesign{480, 240, kControls};

} // namespace

Form4::Form4(Application& app) : app_(app) {
    setObjectName(QStringLiteral("Form4"));
    RTB1 = new RichTextBox(this, QStringLiteral("RTB1"));
    Command1 = new QPushButton(QStringLiteral("24"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFocusPolicy(Qt::TabFocus);
    ApplyDesignWindow(*this, kDesign);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::ApplyFootnoteWindowColours() {
    const QColor colour = ToQColor(app_.State().settings.colour);
    PaintWindow(*this, colour);
    RTB1->SetBackgroundColor(colour);
}

void Form4::RefreshCaptions() {
    Command1->setText(FromCp1252(app_.State().texts[24]));
    NameControlsFromCaptions(*this);
}

void Form4::FillPane() {
    const auto& state = app_.State();
    RTB1->SetRtf(FootnoteDocument(state.footnoteRtf, state.settings.viewFontSize));
}

void Form4::FollowRendering(const std::string& captionCp1252) {
    setWindowTitle(FromCp1252(captionCp1252));
    if (app_.State().footnoteRtf.empty()) {
        RTB1->SetRtf(std::string());
    } else if (isVisible()) {
        FillPane();
    }
}

void Form4::Open() {
    FillPane();
    show();
    raise();
    activateWindow();
}

void Form4::LayOut() {
    if (const DesignControl* d = FindDesign(kDesign, Command1->objectName())) {
        ApplyDesign(Command1, *d, app_.State().layoutScale);
    }
    TrackMaximised(*this, app_.State().settings.f4max);
    FitPaneAndButton(*this, *RTB1, 8, *Command1);
}

void Form4::Command1_Click() {
    close();
}

void Form4::CopyFootnote(int position) {
    ClearClipboard();
    SetClipboardText(FootnoteClipText(app_.State().corpus, position));
}

int Form4::Form_KeyDown(int key, int shift) {
    switch (key) {
    case vk::Escape:
        close();
        return 0;
    case vk::F(10):
        CopyFootnote(app_.State().currentPosition);
        return key; // passed on
    case 'C':
        if (shift == kCtrlMask) {
            app_.Messages().Beep();
            CopyFootnote(app_.State().currentPosition);
            return 0;
        }
        return key;
    default:
        return key;
    }
}

void Form4::Form_Activate() {
    FillPane();
}

void Form4::Form_Resize() {
    LayOut();
}

bool Form4::Form_QueryUnload() {
    hide();
    return true;
}

} // namespace lumra
