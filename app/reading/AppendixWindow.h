#pragma once
// Form5, the appendix window: the chooser of the 41 appendix texts and two panes, one for
// texts kept as plain text (framed as rich text) and one for texts kept as rich text. The
// language's plain-appendix flag chooses the pane.

#include "platform/Form.h"

class QComboBox;
class QPushButton;

namespace lumra {

class Application;
class RichTextBox;

class Form5 final : public Form {
    Q_OBJECT
public:
    // Loading applies the window state kept under f5max.
    explicit Form5(Application& app);

    void ApplyAppendixWindowColours();
    // Title text 29, close button text 24.
    void RefreshCaptions();
    // Refills the chooser from the corpus; nothing is selected afterwards.
    void FillAppendixChooser();
    // Selects the current appendix again; a changed selection shows it.
    void SelectCurrentAppendix();
    // Shows the window (the main window's appendix button).
    void Open();
    void LayOut();

    void Combo1_Click();
    void Command1_Click();
    // Shows the current appendix in the pane of the current language.
    void ShowAppendix();
    // The shown appendix on the clipboard: plain text from the plain pane, rich text otherwise.
    void CopyAppendix();

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

private:
    RichTextBox* PaneOfLanguage() const;

    Application& app_;
    QComboBox* Combo1;
    RichTextBox* RTB1[2];
    QPushButton* Command1;
};

} // namespace lumra
