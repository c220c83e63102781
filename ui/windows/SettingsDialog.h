#pragma once
// SettingsDialog, the settings dialog: the window colour by three sliders with a preview, the
// language, the reading font size and the four display options. It always shows the default
// green, whatever the window colour. It is loaded for each opening and unloaded on close.

#include <array>

#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace lumra {

class SettingsDialog final : public Form {
    Q_OBJECT
public:
    // Loading: colours, sliders, language chooser, option boxes, captions and layout.
    static constexpr WindowRole kRole = WindowRole::Settings;

    explicit SettingsDialog(WindowHost& host);

    void ApplyColours() override;
    // Captions, then the frame lines moved to just after their headings.
    void RefreshCaptions() override;
    // The designed layout at the current scale, the frame lines fitted to it.
    void LayOut() override;

    // The value labels and the preview follow the colour sliders; nothing else changes.
    void PreviewColour();
    // The pending font size follows its slider; the reading pane waits for OK.
    void ShowPendingFontSize();
    // OK: colour, language and font size into effect everywhere, then the dialog closes.
    void ApplySettings();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Check1_Click(int index);

protected:
    int Form_KeyDown(int key, int shift) override;
    void Form_Activate() override;

private:
    void PlaceFrameLines();
    void SelectCurrentLanguage();

    WindowHost& host_;
    std::array<QLabel*, 13> Label1{};
    QComboBox* Combo1; // item 0 of its control array: objectName "Combo1_0"
    QScrollBar* HScroll1;
    QScrollBar* HScroll2;
    QScrollBar* HScroll3;
    QScrollBar* HScroll4;
    std::array<QCheckBox*, 4> Check1{};
    std::array<QFrame*, 20> Line1{};
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};

} // namespace lumra
