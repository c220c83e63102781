#pragma once
// HelpWindow: the help text, maximised beside the main window. At start-up it also shows the
// introductory notices, and until the start-up has finished closing it really closes it;
// afterwards a close only hides it.

#include <string>

#include "toolkit/TextWindow.h"
#include "windows/WindowHost.h"

namespace lumra {

class HelpWindow final : public TextWindow {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::Help;

    explicit HelpWindow(WindowHost& host);

    // The window colour on the window and its pane.
    void ApplyColours() override;
    // Title text 53, close button text 24.
    void RefreshCaptions() override;
    void SetCaption(const std::string& cp1252);
    void SetCloseCaption(const std::string& cp1252);
    // The pane's whole content, as rich text.
    void SetContent(const std::string& rtf);
    // The help text at the reading font size, shown beside the main window.
    void OpenWithHelpText();
    // Keeps the window maximised with the pane filling it.
    void LayOut() override;

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

private:
    WindowHost& host_;
    RichTextBox* RichTextBox1;
};

} // namespace lumra
