#pragma once
// Form1, the reading window: one verse position at a time, with the sura chooser, the
// position scroll bar, the fact labels and the command buttons.

#include "platform/Form.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace lumra {

class Application;
class RichTextBox;

class Form1 final : public Form {
    Q_OBJECT
public:
    explicit Form1(Application& app);

    void FillSuraChooser();
    void RefreshCaptions();
    void ApplyMainWindowColours();
    void ApplyWindowState();
    // Sets the scroll bar, which shows the position through HScroll1_Change.
    void SetScrollValue(int position);
    int ScrollValue() const;

    void RenderPosition(int position);

    void HScroll1_Change();
    void Combo1_Click();

protected:
    bool Form_QueryUnload() override;

private:
    void ArrangeInfoRow();

    Application& app_;
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
