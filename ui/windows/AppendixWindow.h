#pragma once
// AppendixWindow: the chooser of the 41 appendix texts and two panes, one for
// texts kept as plain text (framed as rich text) and one for texts kept as rich text. The
// language's plain-appendix flag chooses the pane.

#include "toolkit/TextWindow.h"
#include "windows/WindowHost.h"

class QComboBox;

namespace lumra {

class AppendixWindow final : public TextWindow {
    Q_OBJECT
public:
    // Loading applies the window state kept under f5max.
    static constexpr WindowRole kRole = WindowRole::Appendix;

    explicit AppendixWindow(WindowHost& host);

    void ApplyColours() override;
    // Title text 29, close button text 24.
    void RefreshCaptions() override;
    // Refills the chooser from the corpus; nothing is selected afterwards.
    void FillAppendixChooser();
    // Selects the current appendix again; a changed selection shows it.
    void SelectCurrentAppendix();
    // Shows the window (the main window's appendix button).
    void Open();
    void LayOut() override;

    void Combo1_Click();
    // Shows the current appendix in the pane of the current language.
    void ShowAppendix();
    // The shown appendix on the clipboard: plain text from the plain pane, rich text otherwise.
    void CopyAppendix();

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    bool Form_QueryUnload() override;

private:
    RichTextBox* PaneOfLanguage() const;

    WindowHost& host_;
    QComboBox* Combo1;
    RichTextBox* RTB1[2];
};

} // namespace lumra
