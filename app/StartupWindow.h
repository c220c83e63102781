#pragma once
// The start-up window: offers the introduction before the reader starts.

#include "platform/Form.h"

class QLabel;
class QPushButton;

namespace lumra {

class Application;

class Form8 final : public Form {
    Q_OBJECT
public:
    explicit Form8(Application& app);
    void RefreshCaptions();
    void exec() { ShowModal(); }

    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Activate() override;
    int Control_KeyPress(QObject* control, int ascii) override;

private:
    void CentreLabel(QLabel* label);
    void FitAttribution();

    Application& app_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace lumra
