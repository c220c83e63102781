#pragma once
// Form11, the help window. At start-up it also shows the introductory notices, and until the
// start-up has finished closing it really closes it; afterwards a close only hides it.

#include <string>

#include "platform/Form.h"

class QPushButton;

namespace lumra {

class Application;
class RichTextBox;

class Form11 final : public Form {
    Q_OBJECT
public:
    explicit Form11(Application& app);

    // The window colour on the window and its pane.
    void ApplyColours();
    // Title text 53, close button text 24.
    void RefreshCaptions();
    void SetCaption(const std::string& cp1252);
    void SetCloseCaption(const std::string& cp1252);
    // The pane's whole content, as rich text.
    void SetContent(const std::string& rtf);
    // The help text at the reading font size, shown beside the main window.
    void OpenWithHelpText();
    // Keeps the window maximised with the pane filling it.
    void LayOut();

    void Command1_Click();

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

private:
    Application& app_;
    RichTextBox* RichTextBox1;
    QPushButton* Command1;
};

} // namespace lumra
