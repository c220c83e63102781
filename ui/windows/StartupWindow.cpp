#include "windows/StartupWindow.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/Cp1252Qt.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Controls.h"
#include "toolkit/VirtualKeys.h"

namespace lumra {

namespace {

constexpr int kButtonWidth = 130;
constexpr int kButtonGap = 20;

// A centred label at its place, in its font size.
QLabel* MakeCentredLabel(QWidget* parent, const char* name, QRect geometry, int pointSize) {
    auto* label = MakeLabel(parent, name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

} // namespace

StartupWindow::StartupWindow(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form8"));
    setFixedSize(420, 220);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    Label2 = MakeCentredLabel(this, "Label2", {10, 16, 400, 40}, 20);
    Label4 = MakeCentredLabel(this, "Label4", {10, 60, 400, 24}, 10);
    Label1 = MakeCentredLabel(this, "Label1", {10, 96, 400, 60}, 10);
    Label1->setWordWrap(true);
    Command1 = MakeControl<QPushButton>(this, "Command1");
    Command2 = MakeControl<QPushButton>(this, "Command2");
    for (QPushButton* button : {Command1, Command2}) {
        QFont font = button->font();
        font.setPointSize(10);
        button->setFont(font);
        button->setGeometry(0, 170, kButtonWidth, 30);
    }
    connect(Command1, &QPushButton::clicked, this, &StartupWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &StartupWindow::Command2_Click);
}

void StartupWindow::CentreLabel(QLabel* label) {
    if (!label->wordWrap()) {
        label->adjustSize();
    }
    label->move(width() / 2 - label->width() / 2, label->y());
}

void StartupWindow::RefreshCaptions() {
    const auto& t = host_.State().texts;
    Label2->setText(FromCp1252(t[45]));
    Label4->setText(FromCp1252(JoinTexts(t, {48, 49})));
    Label1->setText(FromCp1252(t[50]));
    Command1->setText(FromCp1252(t[51]));
    Command2->setText(FromCp1252(t[52]));
    setWindowTitle(FromCp1252(t[45]));
    CentreLabel(Label1);
    CentreLabel(Label2);
    CentreLabel(Label4);
    FitAttribution();
    NameControlsFromCaptions(*this, host_.State().texts);
}

void StartupWindow::FitAttribution() {
    // The attribution must be read whole in every language: the window grows below it.
    const int height = std::max(60, Label1->heightForWidth(Label1->width()));
    Label1->resize(Label1->width(), height);
    const int buttonsTop = Label1->y() + height + 14;
    // Both buttons as wide as the wider caption needs, side by side in the middle.
    const int buttonWidth =
        std::max({kButtonWidth, Command1->sizeHint().width(), Command2->sizeHint().width()});
    const int left = width() / 2 - buttonWidth - kButtonGap / 2;
    Command1->setGeometry(left, buttonsTop, buttonWidth, Command1->height());
    Command2->setGeometry(left + buttonWidth + kButtonGap, buttonsTop, buttonWidth,
                          Command2->height());
    setFixedSize(width(), buttonsTop + Command1->height() + 20);
}

void StartupWindow::Form_Activate() {
    setFocus();
}

void StartupWindow::Command1_Click() {
    host_.State().introductionFlag = 1;
    close();
}

void StartupWindow::Command2_Click() {
    close();
}

int StartupWindow::Control_KeyPress(QObject*, int ascii) {
    if (ascii == vk::Escape) {
        close();
    } else {
        Command1_Click();
    }
    return 0;
}

} // namespace lumra
