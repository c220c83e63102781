#include "reading/HelpWindow.h"

#include <QPushButton>

#include "Application.h"
#include "platform/AccessibleNames.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKeys.h"
#include "reading/DesignTable.h"
#include "reading/RtfVocabulary.h"
#include "reading/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"RichTextBox1", 0, 0, 639, 436, 10},
    {"Command1", 270, 446, 100, 28, 10},
};
constexpr DesignWindow kDesign{640, 480, kControls};

} // namespace

Form11::Form11(Application& app) : app_(app) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("53"));
    RichTextBox1 = new RichTextBox(this, QStringLiteral("RichTextBox1"));
    Command1 = new QPushButton(QStringLiteral("24"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFocusPolicy(Qt::TabFocus);
    ApplyDesignWindow(*this, kDesign);
    connect(Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
}

void Form11::ApplyColours() {
    const QColor colour = ToQColor(app_.State().settings.colour);
    PaintWindow(*this, colour);
    RichTextBox1->SetBackgroundColor(colour);
}

void Form11::RefreshCaptions() {
    const auto& t = app_.State().texts;
    SetCaption(t[53]);
    SetCloseCaption(t[24]);
    NameControlsFromCaptions(*this);
}

void Form11::SetCaption(const std::string& cp1252) {
    setWindowTitle(FromCp1252(cp1252));
}

void Form11::SetCloseCaption(const std::string& cp1252) {
    Command1->setText(FromCp1252(cp1252));
}

void Form11::SetContent(const std::string& rtf) {
    RichTextBox1->SetRtf(rtf);
}

void Form11::OpenWithHelpText() {
    const auto& state = app_.State();
    SetContent(rtf::WithFontSize(state.corpus.helpText, state.settings.viewFontSize));
    show();
    raise();
    activateWindow();
}

void Form11::LayOut() {
    if (!isMaximized() && !isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    }
    if (const DesignControl* d = FindDesign(kDesign, Command1->objectName())) {
        ApplyDesign(Command1, *d, app_.State().layoutScale);
    }
    FitPaneAndButton(*this, *RichTextBox1, 1, *Command1);
}

void Form11::Command1_Click() {
    close();
}

int Form11::Form_KeyDown(int key, int shift) {
    if (key == 'C' && shift == kCtrlMask) {
        // The pane's own copy never runs: a beep, then the copy F10 makes.
        app_.Messages().Beep();
        key = vk::F(10);
    }
    switch (key) {
    case vk::Escape:
        close();
        return 0;
    case vk::F(10):
        ClearClipboard();
        SetClipboardRtf(RichTextBox1->Rtf());
        return 0;
    default:
        return key;
    }
}

void Form11::Form_Activate() {
    if (app_.State().startFinished == 1) {
        LayOut();
    }
}

void Form11::Form_Resize() {
    if (app_.State().startFinished == 1) {
        LayOut();
    }
}

bool Form11::Form_QueryUnload() {
    if (app_.State().startFinished != 1) {
        return false; // the start-up notices really close
    }
    hide();
    return true;
}

} // namespace lumra
