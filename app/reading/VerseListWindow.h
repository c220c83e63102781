#pragma once
// Form13, the verse-list window: a list of verses (search hits or a topic), shown modally and
// built afresh for each list.

#include <string>

#include "platform/Form.h"

class QPushButton;

namespace lumra {

class Application;
class RichTextBox;

class Form13 final : public Form {
    Q_OBJECT
public:
    // Loading applies the window state kept under f13max, the captions and the colours.
    explicit Form13(Application& app);

    void ApplyVerseListWindowColours();
    // Title text 61, close button text 24.
    void RefreshCaptions();
    void SetCaption(const std::string& cp1252);
    // The list as a whole rich-text document.
    void SetContent(const std::string& rtf);
    // The text of a document as the pane would show it, without showing it; the pane is
    // empty afterwards.
    std::string PlainTextOf(const std::string& rtf);
    void LayOut();

    void Command1_Click();

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    void Form_Resize() override;

private:
    Application& app_;
    RichTextBox* RTB1;
    QPushButton* Command1;
};

} // namespace lumra
