#pragma once
// Form4, the footnote window: the footnote of the current position, beside the main window.
// Every rendering sets its caption and, while it is visible, its pane.

#include <string>

#include "platform/Form.h"

class QPushButton;

namespace lumra {

class Application;
class RichTextBox;

class Form4 final : public Form {
    Q_OBJECT
public:
    explicit Form4(Application& app);

    void ApplyFootnoteWindowColours();
    // Close button text 24; the title follows the renderings.
    void RefreshCaptions();
    // Called by each rendering with the new caption: the pane shows the footnote body of the
    // rendering while the window is visible, and is emptied when the position has none.
    void FollowRendering(const std::string& captionCp1252);
    // Shows the window with the current footnote (the main window's footnote button).
    void Open();
    void LayOut();

    void Command1_Click();
    // The footnote of the position, as plain text on the clipboard.
    void CopyFootnote(int position);

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

private:
    void FillPane();

    Application& app_;
    RichTextBox* RTB1;
    QPushButton* Command1;
};

} // namespace lumra
