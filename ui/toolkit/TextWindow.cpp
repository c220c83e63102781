#include "toolkit/TextWindow.h"

#include <QPushButton>

#include "toolkit/Controls.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/WindowPaint.h"

namespace lumra {

TextWindow::TextWindow(const char* objectName, const DesignWindow& design) : design_(design) {
    setObjectName(QLatin1String(objectName));
    CloseOnEscape();
}

RichTextBox* TextWindow::AddPane(const char* name) {
    auto* pane = new RichTextBox(this, QLatin1String(name));
    panes_.push_back(pane);
    return pane;
}

void TextWindow::AddCloseButton() {
    Command1 = MakeButton(this, "Command1", "24");
    ApplyDesignWindow(*this, design_);
    connect(Command1, &QPushButton::clicked, this, &TextWindow::Command1_Click);
}

void TextWindow::Command1_Click() {
    close();
}

void TextWindow::SetCloseCaption(const QString& caption) {
    Command1->setText(caption);
}

void TextWindow::PaintPanes(const QColor& colour) {
    PaintWindow(*this, colour);
    for (RichTextBox* pane : panes_) {
        pane->SetBackgroundColor(colour);
    }
}

void TextWindow::PlaceCloseButton(float scale) {
    if (const DesignControl* d = FindDesign(design_, Command1->objectName())) {
        ApplyDesign(*Command1, *d, scale);
    }
}

void TextWindow::FitPane(RichTextBox& pane, int paneMargin) {
    FitPaneAndButton(*this, pane, paneMargin, *Command1);
}

void TextWindow::Form_Resize() {
    LayOut();
}

} // namespace lumra
