#pragma once
// FootnoteWindow: the footnote of the current position, beside the main window. Every
// rendering sets its caption and, while it is visible, its pane.

#include <string>

#include "toolkit/TextWindow.h"
#include "windows/WindowHost.h"

namespace lumra {

class FootnoteWindow final : public TextWindow {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::Footnote;

    explicit FootnoteWindow(WindowHost& host);

    void ApplyColours() override;
    // Close button text 24; the title follows the renderings.
    void RefreshCaptions() override;
    // Called by each rendering with the new caption: the pane shows the footnote body of the
    // rendering while the window is visible, and is emptied when the position has none.
    void FollowRendering(const std::string& captionCp1252);
    // Shows the window with the current footnote (the main window's footnote button).
    void Open();
    void LayOut() override;

    // The footnote of the position, as plain text on the clipboard.
    void CopyFootnote(int position);

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    bool Form_QueryUnload() override;

private:
    void FillPane();

    WindowHost& host_;
    RichTextBox* RTB1;
};

} // namespace lumra
