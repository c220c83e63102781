#pragma once
// SearchDialog, the search dialog: the query box with the recent queries, the search options and
// the start and close buttons. It is loaded for each opening, shown modally and unloaded on close.

#include <array>

#include "search/RunSearch.h"
#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lumra {

class SearchDialog final : public Form, private SearchHost {
    Q_OBJECT
public:
    // Loading prepares the boxes, the query box, the colours, the captions and the layout.
    static constexpr WindowRole kRole = WindowRole::Search;

    explicit SearchDialog(WindowHost& host);
    ~SearchDialog() override;

    void ApplyColours() override;
    void RefreshCaptions() override;
    // At the designed size times the layout scale.
    void LayOut() override;
    // Selects the whole text of the query box.
    void SelectAllText();

    void Command1_Click();
    void Command2_Click();
    void Combo1_Click(int index);
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check6_Click();
    void Check7_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    int Form_KeyDown(int key, int shift) override;
    int Control_KeyDown(QObject* control, int key, int shift) override;
    int Control_KeyPress(QObject* control, int ascii) override;
    void Form_Activate() override;

private:
    void PrepareSearchDialog();
    void FillQueryBox(const std::string& text, const std::vector<std::string>& items);

    // What the search asks of the windows.
    void ShowBusyPointer() override;
    void ShowDefaultPointer() override;
    void RefillQueryBox(const std::string& text, const std::vector<std::string>& items) override;
    void RenderPosition(int position) override;
    void ShowVerseList(const std::string& caption, const std::string& document) override;

    WindowHost& host_;
    bool busy_ = false;
    QLabel* Label1;
    QComboBox* Combo1;
    QGroupBox* Frame1;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QLabel* Label2;
    QCheckBox* Check4;
    QCheckBox* Check5;
    QCheckBox* Check6;
    std::array<QCheckBox*, 4> Check7{};
    std::array<QFrame*, 4> Line1{};
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace lumra
