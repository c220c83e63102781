#pragma once
// MainWindow, the reading window: one verse position at a time, with the sura chooser, the
// position scroll bar, the fact labels, the command buttons and the keyboard map.

#include "toolkit/DesignTable.h"
#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace lumra {

class RichTextBox;
struct FigureLabel;

class MainWindow final : public Form {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::Main;

    explicit MainWindow(WindowHost& host);

    // The designed client area and the geometry of every control, in design units.
    static const DesignWindow& Design();
    DesignGeometry RecordDesign() const override;
    // The controls at the scale the window's size gives, then every loaded window after them.
    void LayOut() override;

    void FillSuraChooser();
    void RefreshCaptions() override;
    void ApplyColours() override;
    void ApplyWindowState();
    // Sets the scroll bar, which shows the position through HScroll1_Change; a position the
    // bar already holds is shown all the same.
    void SetScrollValue(int position);
    int ScrollValue() const;

    // Shows a position 1..6346 with everything that follows it; beeps at any other.
    void RenderPosition(int position);

    void HScroll1_Change();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();

    // The keyboard map: 0 for a handled key, the key unchanged otherwise.
    int HandleMainKey(int key, int shift);
    int StepToHit(int start, int step);
    int StepToMark(int start, int step);
    void ChangeFontSize(int delta);
    void CopyVerse(int position);
    void ToggleMarkMode();
    void RefreshMarkButtons();

    // The windows opened from here.
    void OpenSearchDialog();
    void OpenGoToDialog();
    void OpenHelpWindow();
    void OpenFootnoteWindow();
    void OpenAppendixWindow();
    void OpenCompanionWindow();
    void OpenExportDialog();
    void OpenSettingsDialog();
    void OpenTopicsDialog();

protected:
    int Form_KeyDown(int key, int shift) override;
    int Control_KeyDown(QObject* control, int key, int shift) override;
    void Form_Activate() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

private:
    int RTB1_KeyDown(int key, int shift);
    int HScroll1_KeyDown(int key, int shift);
    void ArrangeInfoRow();
    void ShowSura(int sura);
    void ToggleCurrentMark();
    void SetFigureLabel(QLabel* label, const FigureLabel& figure);

    WindowHost& host_;
    QComboBox* Combo1;
    QScrollBar* HScroll1;
    RichTextBox* RTB1;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label10;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QPushButton* Command11;
};

} // namespace lumra
