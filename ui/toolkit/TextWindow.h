#pragma once
// A text window: one or more rich-text panes and a close button centred below them. Esc and
// the button close it; a resize lays it out again.

#include <QColor>
#include <vector>

#include "toolkit/DesignTable.h"
#include "toolkit/Form.h"
#include "toolkit/WindowLayout.h"

class QPushButton;

namespace lumra {

class RichTextBox;

class TextWindow : public Form {
    Q_OBJECT
public:
    void Command1_Click();

protected:
    // design: the window's table, which also names its panes and the close button Command1.
    TextWindow(const char* objectName, const DesignWindow& design);

    // The controls in their tab order: first what the window adds before its panes, then the
    // panes, then the close button, which places every control at its design.
    RichTextBox* AddPane(const char* name);
    void AddCloseButton();

    void SetCloseCaption(const QString& caption);
    // The window and its panes in the window colour.
    void PaintPanes(const QColor& colour);
    // The close button at its design times the scale, and the pane reaching down to it.
    void PlaceCloseButton(float scale);
    void FitPane(RichTextBox& pane, int paneMargin);

    void Form_Resize() override;

    QPushButton* Command1 = nullptr;

private:
    const DesignWindow& design_;
    std::vector<RichTextBox*> panes_;
};

} // namespace lumra
