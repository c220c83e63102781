#pragma once
// GoToDialog, the go-to dialog: a sura and a verse number, checked against the sura table. It is
// loaded for each opening and shown modally.

#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumra {

class GoToDialog final : public Form {
    Q_OBJECT
public:
    // Loading applies the colours, the captions and the designed layout.
    static constexpr WindowRole kRole = WindowRole::GoTo;

    explicit GoToDialog(WindowHost& host);

    void ApplyColours() override;
    // Title text 25, labels 26 and 27, go button 28.
    void RefreshCaptions() override;
    // At the designed size times the layout scale.
    void LayOut() override;
    // Both boxes from a position, and the sura's verse count beside them.
    void Fill(int position);

    void Command1_Click();
    // The verse count of the sura in Text1 (when it is one), and the focused box selected.
    void RefreshGoToLabel(QLineEdit* focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    int Control_KeyPress(QObject* control, int ascii) override;
    void Form_Activate() override;

private:
    // Enter or Tab in the sura box.
    void LeaveSuraBox();
    // The go step: check both boxes, show the position and close.
    void Go();
    void Refuse(int text, QLineEdit* box);
    void FocusBox(QLineEdit* box);

    WindowHost& host_;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command1;
};

} // namespace lumra
