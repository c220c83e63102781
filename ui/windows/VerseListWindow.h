#pragma once
// VerseListWindow: a list of verses (search hits or a topic), shown modally and built afresh
// for each list.

#include <string>

#include "toolkit/TextWindow.h"
#include "windows/WindowHost.h"

namespace lumra {

class VerseListWindow final : public TextWindow {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::VerseList;

    // Loading applies the window state kept under f13max, the captions and the colours.
    explicit VerseListWindow(WindowHost& host);

    void ApplyColours() override;
    // Title text 61, close button text 24.
    void RefreshCaptions() override;
    void SetCaption(const std::string& cp1252);
    // The list as a whole rich-text document.
    void SetContent(const std::string& rtf);
    // The text of a document as the pane would show it, without showing it; the pane is
    // empty afterwards.
    std::string PlainTextOf(const std::string& rtf);
    void LayOut() override;

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;

private:
    WindowHost& host_;
    RichTextBox* RTB1;
};

} // namespace lumra
