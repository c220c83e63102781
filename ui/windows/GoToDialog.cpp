#include "windows/GoToDialog.h"
#include "toolkit/AccessibleNames.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Cp1252Qt.h"
#include "reading/GoToCheck.h"
#include "toolkit/Controls.h"
#include "toolkit/DesignTable.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"
#include "windows/FixedDialog.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"Label1", 12, 16, 92, 20, 10},  {"Text1", 108, 14, 60, 24, 10},
    {"Label3", 176, 16, 76, 20, 10}, {"Label2", 12, 48, 92, 20, 10},
    {"Text2", 108, 46, 60, 24, 10},  {"Command1", 80, 82, 100, 28, 10},
};
constexpr DesignWindow kDesign{260, 120, kControls};

// A box for a number: short, without the edit menu.
QLineEdit* MakeNumberBox(QWidget* parent, const char* name) {
    auto* box = MakeTextBox(parent, name);
    box->setMaxLength(16);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    return box;
}

bool PassesKeyFilter(int ascii) {
    return (ascii >= '0' && ascii <= '9') || ascii == '.' || ascii == vk::Back;
}

} // namespace

GoToDialog::GoToDialog(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form3"));
    CloseOnEscape();
    setWindowTitle(QStringLiteral("25"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Label1 = MakeLabel(this, "Label1", "26");
    Text1 = MakeNumberBox(this, "Text1");
    Label3 = MakeLabel(this, "Label3", "(786)");
    Label2 = MakeLabel(this, "Label2", "27");
    Text2 = MakeNumberBox(this, "Text2");
    Command1 = MakeButton(this, "Command1", "28");
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    ApplyColours();
    RefreshCaptions();
    ApplyDesignWindow(*this, kDesign);
    connect(Command1, &QPushButton::clicked, this, &GoToDialog::Command1_Click);
}

void GoToDialog::ApplyColours() {
    const QColor colour = ToQColor(host_.State().settings.colour);
    PaintWindow(*this, colour);
    for (QLabel* label : {Label1, Label2, Label3}) {
        PaintOnWindow(*label, colour);
    }
    PaintField(*Text1, "QLineEdit");
    PaintField(*Text2, "QLineEdit");
}

void GoToDialog::RefreshCaptions() {
    const auto& t = host_.State().texts;
    setWindowTitle(FromCp1252(t[25]));
    Label1->setText(FromCp1252(t[26]));
    Label2->setText(FromCp1252(t[27]));
    Command1->setText(FromCp1252(t[28]));
    NameControlsFromCaptions(*this, host_.State().texts);
}

void GoToDialog::Fill(int position) {
    const auto p = static_cast<std::int16_t>(position);
    Text1->setText(QString::number(SuraOfPosition(p)));
    Text2->setText(QString::number(VerseOfPosition(p)));
    if (const int sura = SuraInBox(ToCp1252(Text1->text())); sura != 0) {
        Label3->setText(QString::fromStdString(VerseCountLabel(sura)));
    }
    Text1->setFocus();
}

void GoToDialog::RefreshGoToLabel(QLineEdit* focused) {
    if (const int sura = SuraInBox(ToCp1252(Text1->text())); sura != 0) {
        Label3->setText(QString::fromStdString(VerseCountLabel(sura)));
    }
    if (focused != nullptr) {
        focused->setSelection(0, static_cast<int>(focused->text().size()));
    }
}

void GoToDialog::FocusBox(QLineEdit* box) {
    // The focus event refreshes the label when the focus moves; a box that keeps the focus
    // is refreshed here.
    const bool hadFocus = box->hasFocus();
    box->setFocus(Qt::OtherFocusReason);
    if (hadFocus || !box->hasFocus()) {
        RefreshGoToLabel(box);
    }
}

void GoToDialog::Refuse(int text, QLineEdit* box) {
    const auto& t = host_.State().texts;
    host_.Messages().Beep();
    host_.Messages().Show(t[text], t[71], PromptIcon::Critical, PromptButtons::Ok);
    FocusBox(box);
}

void GoToDialog::LeaveSuraBox() {
    if (SuraInBox(ToCp1252(Text1->text())) != 0) {
        FocusBox(Text2);
    } else {
        Refuse(72, Text1);
    }
}

void GoToDialog::Go() {
    const GoToCheckResult result = CheckGoTo(ToCp1252(Text1->text()), ToCp1252(Text2->text()));
    switch (result.verdict) {
    case GoToVerdict::NoSuchSura:
        Refuse(72, Text1);
        return;
    case GoToVerdict::NoSuchVerse:
        Refuse(73, Text2);
        return;
    case GoToVerdict::Go:
        host_.ShowPosition(result.position);
        close();
        return;
    }
}

void GoToDialog::Command1_Click() {
    Go();
}

bool GoToDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == Text1 || watched == Text2)) {
        RefreshGoToLabel(static_cast<QLineEdit*>(watched));
    }
    return Form::eventFilter(watched, event);
}

void GoToDialog::LayOut() {
    LayOutFixedDialog(*this, host_);
}

int GoToDialog::Control_KeyPress(QObject* control, int ascii) {
    if (control != Text1 && control != Text2) {
        return ascii;
    }
    if (ascii == vk::Return) {
        if (control == Text1) {
            LeaveSuraBox();
        } else {
            Go();
        }
        return 0;
    }
    if (ascii == vk::Tab && control == Text1) {
        LeaveSuraBox();
        return 0;
    }
    return PassesKeyFilter(ascii) ? ascii : 0;
}

void GoToDialog::Form_Activate() {
    Text1->setFocus(Qt::OtherFocusReason);
}

} // namespace lumra
