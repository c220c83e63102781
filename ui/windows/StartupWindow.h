#pragma once
// The start-up window: offers the introduction before the reader starts.

#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QLabel;
class QPushButton;

namespace lumra {

class StartupWindow final : public Form {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::Startup;

    explicit StartupWindow(WindowHost& host);
    void RefreshCaptions() override;
    void exec() { ShowModal(); }

    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Activate() override;
    int Control_KeyPress(QObject* control, int ascii) override;

private:
    void CentreLabel(QLabel* label);
    void FitAttribution();

    WindowHost& host_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace lumra
