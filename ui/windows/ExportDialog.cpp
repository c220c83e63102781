#include "windows/ExportDialog.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Chooser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>

#include "export/ExportChecks.h"
#include "export/ExportWriters.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/Controls.h"
#include "toolkit/DesignTable.h"
#include "toolkit/FolderList.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"
#include "windows/FixedDialog.h"

namespace lumra {

namespace {

// Every control in the font size of the other windows, whatever the system font.
constexpr DesignControl kControls[] = {
    {"Label7", 8, 8, 224, 18, 10},        {"Drive1", 8, 28, 224, 24, 10},
    {"Dir1", 8, 56, 224, 182, 10},        {"Label8", 8, 244, 224, 18, 10},
    {"Text5", 8, 264, 224, 24, 10},       {"Label1", 248, 8, 148, 18, 10},
    {"Label2", 404, 8, 148, 18, 10},      {"Label4", 248, 30, 48, 24, 10},
    {"Text1", 298, 30, 48, 24, 10},       {"Label3", 248, 58, 48, 24, 10},
    {"Text2", 298, 58, 48, 24, 10},       {"Label11", 350, 58, 50, 24, 10},
    {"Label6", 404, 30, 48, 24, 10},      {"Text3", 454, 30, 48, 24, 10},
    {"Label5", 404, 58, 48, 24, 10},      {"Text4", 454, 58, 48, 24, 10},
    {"Label12", 506, 58, 50, 24, 10},     {"Label9", 248, 92, 304, 58, 10},
    {"Check1", 248, 158, 304, 22, 10},    {"Label10", 248, 188, 304, 18, 10},
    {"Option1_0", 264, 208, 288, 22, 10}, {"Option1_1", 264, 230, 288, 22, 10},
    {"Command1", 352, 262, 96, 28, 10},   {"Command2", 456, 262, 96, 28, 10},
};
constexpr DesignWindow kDesign{560, 298, kControls};

QString ColourSheet(int red, int green, int blue) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(red).arg(green).arg(blue);
}

} // namespace

ExportDialog::ExportDialog(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form7"));
    CloseOnEscape();
    setWindowTitle(QStringLiteral("38"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);

    Label7 = MakeLabel(this, "Label7", "39");
    Drive1 = MakeControl<Chooser>(this, "Drive1");
    Dir1 = new FolderList(this, QStringLiteral("Dir1"));
    Label8 = MakeLabel(this, "Label8", "40");
    Text5 = MakeTextBox(this, "Text5", "46");
    Label1 = MakeLabel(this, "Label1", "41");
    Label2 = MakeLabel(this, "Label2", "42");
    Label4 = MakeLabel(this, "Label4", "26");
    Label6 = MakeLabel(this, "Label6", "26");
    Label3 = MakeLabel(this, "Label3", "27");
    Label5 = MakeLabel(this, "Label5", "27");
    Text1 = MakeTextBox(this, "Text1", "1");
    Text2 = MakeTextBox(this, "Text2", "1");
    Text3 = MakeTextBox(this, "Text3", "114");
    Text4 = MakeTextBox(this, "Text4", "6");
    Label11 = MakeLabel(this, "Label11", "");
    Label12 = MakeLabel(this, "Label12", "");
    Label9 = MakeLabel(this, "Label9", "43");
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignCenter);
    Label9->setMargin(4);
    Check1 = MakeCheck(this, "Check1", "105");
    Label10 = MakeLabel(this, "Label10", "112");
    Option1[0] = MakeControl<QRadioButton>(this, "Option1_0");
    Option1[0]->setText(QStringLiteral("113"));
    Option1[1] = MakeControl<QRadioButton>(this, "Option1_1");
    Option1[1]->setText(QStringLiteral("114"));
    Option1[0]->setChecked(true);
    Command1 = MakeControl<QPushButton>(this, "Command1");
    Command1->setText(QStringLiteral("44"));
    Command2 = MakeControl<QPushButton>(this, "Command2");
    Command2->setText(QStringLiteral("24"));
    // A focused button answers Enter, which is where Enter in the file-name box leads.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6}) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        box->setAlignment(Qt::AlignRight);
    }

    // The range boxes after their column's heading: "From: Sura", "To: Verse".
    const std::pair<QLabel*, QWidget*> buddies[] = {{Label7, Drive1}, {Label8, Text5},
                                                    {Label4, Text1},  {Label3, Text2},
                                                    {Label6, Text3},  {Label5, Text4}};
    for (const auto& [label, control] : buddies) {
        label->setBuddy(control);
    }
    NameByText(*Dir1, 39);
    NameInGroup(*Text1, 41);
    NameInGroup(*Text2, 41);
    NameInGroup(*Text3, 42);
    NameInGroup(*Text4, 42);
    NameInGroup(*Option1[0], 112);
    NameInGroup(*Option1[1], 112);

    PlaceControls();
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Drive1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Text5);
    setTabOrder(Text5, Check1);
    setTabOrder(Check1, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], Command1);
    setTabOrder(Command1, Command2);

    // The load sequence: colours, captions, layout, the inline reference option.
    ApplyColours();
    RefreshCaptions();
    Check1->setChecked(host_.State().settings.inlineReference == 1);
    FillDriveList();
    RefreshExportRangeLabels(false);

    connect(Command1, &QPushButton::clicked, this, &ExportDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ExportDialog::Command2_Click);
    connect(Check1, &QCheckBox::clicked, this, &ExportDialog::Check1_Click);
    connect(Drive1, &QComboBox::activated, this, &ExportDialog::Drive1_Change);
}

// At the designed size: LayOutDialog records it from here and scales it.
void ExportDialog::PlaceControls() {
    ApplyDesignWindow(*this, kDesign);
    setFixedSize(kDesign.clientWidth, kDesign.clientHeight);
}

void ExportDialog::RefreshCaptions() {
    const auto& t = host_.State().texts;
    setWindowTitle(FromCp1252(t[38]));
    Label7->setText(FromCp1252(t[39]));
    Label8->setText(FromCp1252(t[40]));
    Label1->setText(FromCp1252(t[41]));
    Label2->setText(FromCp1252(t[42]));
    Label4->setText(FromCp1252(t[26]));
    Label6->setText(FromCp1252(t[26]));
    Label3->setText(FromCp1252(t[27]));
    Label5->setText(FromCp1252(t[27]));
    Label9->setText(FromCp1252(t[43]));
    Command1->setText(FromCp1252(t[44]));
    Text5->setText(FromCp1252(t[46]));
    Command2->setText(FromCp1252(t[24]));
    Check1->setText(FromCp1252(t[105]));
    Label10->setText(FromCp1252(t[112]));
    Option1[0]->setText(FromCp1252(t[113]));
    Option1[1]->setText(FromCp1252(t[114]));
    NameControlsFromCaptions(*this, host_.State().texts);
}

void ExportDialog::ApplyColours() {
    const auto& c = host_.State().settings.colour;
    const QString window = ColourSheet(c.red, c.green, c.blue);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
    setPalette(p);
    const QString onWindow = QStringLiteral("background-color: %1; color: #FFFFFF;").arg(window);
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label10,
                      Label11, Label12}) {
        l->setStyleSheet(onWindow);
    }
    for (QWidget* box : std::initializer_list<QWidget*>{Check1, Option1[0], Option1[1]}) {
        PaintIndicatorOnWindow(*box);
    }
    Drive1->setStyleSheet(
        QStringLiteral("QComboBox { background-color: %1; color: #FFFFFF; }"
                       "QComboBox QAbstractItemView { background-color: %1; color: #FFFFFF; }")
            .arg(window));
    Dir1->setStyleSheet(
        QStringLiteral("QListWidget { background-color: %1; color: #FFFFFF; }").arg(window));
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5}) {
        box->setStyleSheet(
            QStringLiteral("QLineEdit { background-color: #D0D0D0; color: #000000; }"));
    }
    Label9->setStyleSheet(QStringLiteral("background-color: rgb(119,0,0); color: #FFFFFF;"));
}

void ExportDialog::FillDriveList() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Single files mounted into the tree are no drives.
        if (volume.isValid() && QFileInfo(root).isDir() && !roots.contains(root)) {
            roots.push_back(root);
        }
    }
    const QString current = QDir::currentPath();
    const QString currentRoot = RootOf(current);
    if (!roots.contains(currentRoot)) {
        roots.push_back(currentRoot);
    }
    roots.sort();
    Drive1->clear();
    for (const QString& root : roots) {
        Drive1->addItem(root, root);
    }
    Drive1->setCurrentIndex(static_cast<int>(roots.indexOf(currentRoot)));
    Dir1->SetPath(current, currentRoot);
}

QString ExportDialog::RootOf(const QString& folder) {
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

std::string ExportDialog::DriveOfCurrentFolder() {
    return QFile::encodeName(RootOf(QDir::currentPath())).toStdString();
}

std::string ExportDialog::CurrentDrive() const {
    return QFile::encodeName(Drive1->currentData().toString()).toStdString();
}

void ExportDialog::Drive1_Change() {
    const QString root = Drive1->currentData().toString();
    const QStorageInfo volume(root);
    const bool readable =
        volume.isValid() && volume.isReady() && QFileInfo(root).isDir() && QDir(root).isReadable();
    const QString startup =
        QFile::decodeName(QByteArray::fromStdString(host_.State().startupDrive));
    if (!readable && root != startup) {
        // Back to the drive of the start-up, silently.
        const int index = Drive1->findData(startup);
        if (index >= 0) {
            Drive1->setCurrentIndex(index);
            Drive1_Change();
        }
        return;
    }
    // A drive's current folder: the program's, when it lies on that drive, else its root.
    const QString current = QDir::currentPath();
    Dir1->SetPath(QStorageInfo(current).rootPath() == root ? current : root, root);
}

void ExportDialog::RefreshExportRangeLabels(bool select) {
    if (const auto caption = VerseCountCaption(ToCp1252(Text1->text()))) {
        Label11->setText(FromCp1252(*caption));
    }
    if (const auto caption = VerseCountCaption(ToCp1252(Text3->text()))) {
        Label12->setText(FromCp1252(*caption));
    }
    if (!select) {
        return;
    }
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5}) {
        if (box->hasFocus()) {
            box->setSelection(0, static_cast<int>(box->text().size()));
        }
    }
}

void ExportDialog::Open() {
    RefreshExportRangeLabels(false);
    Text1->setFocus();
    Text1->selectAll();
    ShowModal();
}

void ExportDialog::FocusBox(ExportBox box) {
    QLineEdit* target = nullptr;
    switch (box) {
    case ExportBox::FromSura:
        target = Text1;
        break;
    case ExportBox::FromVerse:
        target = Text2;
        break;
    case ExportBox::ToSura:
        target = Text3;
        break;
    case ExportBox::ToVerse:
        target = Text4;
        break;
    case ExportBox::FileName:
        target = Text5;
        break;
    case ExportBox::None:
        return;
    }
    target->setFocus(Qt::OtherFocusReason);
    RefreshExportRangeLabels(true);
}

QLineEdit* ExportDialog::RangeBox(QObject* control) const {
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        if (control == box) {
            return box;
        }
    }
    return nullptr;
}

void ExportDialog::RangeBox_Leave(ExportBox box) {
    const bool from = box == ExportBox::FromSura || box == ExportBox::FromVerse;
    const auto step = CheckRangeBox(box, ToCp1252((from ? Text1 : Text3)->text()),
                                    ToCp1252((from ? Text2 : Text4)->text()));
    if (step.message != 0) {
        const auto& t = host_.State().texts;
        host_.Messages().Beep();
        host_.Messages().Show(t[step.message], t[71], PromptIcon::Critical, PromptButtons::Ok);
    }
    FocusBox(step.focus);
}

void ExportDialog::LayOut() {
    LayOutFixedDialog(*this, host_);
}

int ExportDialog::Control_KeyDown(QObject* control, int key, int shift) {
    // Backwards with Shift+Tab needs no check: the checks guide the way forward.
    if (key == vk::Tab && (shift & kShiftMask) != 0 && RangeBox(control) != nullptr) {
        focusPreviousChild();
        return 0;
    }
    return key;
}

int ExportDialog::Control_KeyPress(QObject* control, int ascii) {
    if (QLineEdit* box = RangeBox(control)) {
        if ((ascii >= '0' && ascii <= '9') || ascii == '.' || ascii == vk::Back) {
            return ascii;
        }
        if (ascii == vk::Return || ascii == vk::Tab) {
            const ExportBox which = box == Text1   ? ExportBox::FromSura
                                    : box == Text2 ? ExportBox::FromVerse
                                    : box == Text3 ? ExportBox::ToSura
                                                   : ExportBox::ToVerse;
            RangeBox_Leave(which);
        }
        return 0;
    }
    if (control == Text5 && ascii == vk::Return) {
        Command1->setFocus(Qt::OtherFocusReason);
        return 0;
    }
    return ascii;
}

bool ExportDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (RangeBox(watched) != nullptr || watched == Text5)) {
        RefreshExportRangeLabels(true);
    }
    return Form::eventFilter(watched, event);
}

void ExportDialog::Command1_Click() {
    auto& state = host_.State();
    ExportRequest request;
    request.fromSura = ToCp1252(Text1->text());
    request.fromVerse = ToCp1252(Text2->text());
    request.toSura = ToCp1252(Text3->text());
    request.toVerse = ToCp1252(Text4->text());
    request.fileName = ToCp1252(Text5->text());
    request.folder = QFile::encodeName(Dir1->Path()).toStdString();
    request.richText = Option1[0]->isChecked();

    const ExportCheck check = ValidateExportRequest(request, state.texts, host_.Messages());
    if (check.failed != 0) {
        ReportExportCheck(check, state.texts, host_.Messages());
        FocusBox(check.focus);
        return;
    }
    const ExportRange range = RangeOfRequest(request);
    const ExportEnvironment environment{
        {state.corpus, state.texts, state.settings.inlineReference}, host_.Messages(), [](bool on) {
            if (on) {
                QApplication::setOverrideCursor(Qt::WaitCursor);
            } else {
                QApplication::restoreOverrideCursor();
            }
        }};
    ExportVerseRange(request, range.start, range.end, request.richText, environment);
}

void ExportDialog::Command2_Click() {
    close();
}

void ExportDialog::Check1_Click() {
    host_.State().settings.inlineReference = Check1->isChecked() ? 1 : 0;
}

} // namespace lumra
