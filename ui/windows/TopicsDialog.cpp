#include "windows/TopicsDialog.h"
#include "toolkit/AccessibleNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include "corpus/LenientNumber.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "search/Topics.h"
#include "toolkit/Controls.h"
#include "toolkit/DesignTable.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"
#include "windows/FixedDialog.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"Text1", 12, 12, 260, 24, 10},        {"File1", 12, 44, 260, 200, 10},
    {"Command1_0", 284, 12, 134, 28, 10},  {"Command1_1", 284, 46, 134, 28, 10},
    {"Command1_2", 284, 80, 134, 28, 10},  {"Command1_3", 284, 114, 134, 28, 10},
    {"Command1_4", 284, 148, 134, 28, 10}, {"Command1_5", 284, 182, 134, 28, 10},
    {"Line1", 12, 254, 406, 1, 10},        {"Check1_0", 12, 266, 260, 22, 10},
    {"Check1_1", 12, 292, 260, 22, 10},    {"Command1_6", 284, 264, 134, 28, 10},
    {"Command1_7", 284, 298, 134, 28, 10},
};
constexpr DesignWindow kDesign{430, 338, kControls};

// Captions of the buttons, by index.
constexpr std::array<int, 8> kButtonTexts = {122, 123, 124, 125, 126, 127, 28, 24};
constexpr std::array<int, 2> kCheckTexts = {106, 107};

// Shows the busy pointer until it is restored or the scope ends.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { Restore(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    void Restore() {
        if (active_) {
            active_ = false;
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool active_ = true;
};

} // namespace

std::string UserTopicFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) {
        return {};
    }
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    return std::string(path.constData(), static_cast<std::size_t>(path.size())) + '/';
}

TopicsDialog::TopicsDialog(WindowHost& host) : host_(host) {
    setObjectName(QStringLiteral("Form9"));
    CloseOnEscape();
    setWindowTitle(QStringLiteral("145"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Text1 = MakeTextBox(this, "Text1");
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    File1 = MakeControl<QListWidget>(this, "File1");
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        Command1[i] =
            MakeButton(this, IndexedName("Command1", i), QString::number(kButtonTexts[i]));
    }
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i] = MakeCheck(this, IndexedName("Check1", i), QString::number(kCheckTexts[i]));
    }
    Line1 = MakeLine(this, "Line1");

    // Form_Load.
    RefreshFileList();
    ApplyColours();
    RefreshCaptions();
    ApplyDesignWindow(*this, kDesign);
    setFixedSize(size());
    const auto& options = host_.State().settings.topicListOptions;
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i]->setChecked(LenientInteger(options[i]) == 1);
    }

    for (std::size_t i = 0; i < Command1.size(); ++i) {
        connect(Command1[i], &QPushButton::clicked, this,
                [this, i] { Command1_Click(static_cast<int>(i)); });
    }
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        connect(Check1[i], &QCheckBox::toggled, this,
                [this, i] { Check1_Click(static_cast<int>(i)); });
    }
    // A click on the chosen file counts too, after the name box has been edited.
    connect(File1, &QListWidget::itemSelectionChanged, this, &TopicsDialog::File1_Click);
    connect(File1, &QListWidget::itemClicked, this, &TopicsDialog::File1_Click);
}

void TopicsDialog::ApplyColours() {
    const QColor colour = ToQColor(host_.State().settings.colour);
    PaintWindow(*this, colour);
    for (QCheckBox* box : Check1) {
        PaintIndicatorOnWindow(*box);
    }
    PaintField(*Text1, "QLineEdit");
    PaintField(*File1, "QListWidget");
    Line1->setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
}

void TopicsDialog::RefreshCaptions() {
    const auto& t = host_.State().texts;
    SetCaption(t[145]);
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        Command1[i]->setText(FromCp1252(t[kButtonTexts[i]]));
    }
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i]->setText(FromCp1252(t[kCheckTexts[i]]));
    }
    NameControlsFromCaptions(*this, host_.State().texts);
}

void TopicsDialog::SetCaption(const std::string& cp1252) {
    setWindowTitle(FromCp1252(cp1252));
}

void TopicsDialog::SetTopicName(const std::string& cp1252) {
    Text1->setText(FromCp1252(cp1252));
}

void TopicsDialog::RefreshFileList() {
    const QSignalBlocker quiet(File1);
    File1->clear();
    for (const std::string& name : ListTopicFiles(host_.State().topicFolder)) {
        File1->addItem(
            QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size()))));
    }
}

std::string TopicsDialog::TypedName() const {
    return ToCp1252(Text1->text());
}

void TopicsDialog::FocusName() {
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->selectAll();
}

void TopicsDialog::Command1_Click(int index) {
    auto& state = host_.State();
    Prompt& prompt = host_.Messages();
    switch (index) {
    case 0:
        OpenTopic(state, prompt, TypedName());
        break;
    case 1:
        if (SaveTopic(state, prompt, TypedName()) == TopicOutcome::FilesChanged) {
            RefreshFileList();
        }
        break;
    case 2:
        if (DeleteTopicFile(state, prompt, TypedName()) == TopicOutcome::FilesChanged) {
            RefreshFileList();
        }
        break;
    case 3:
        ClearTopic(state, prompt);
        break;
    case 4:
        CopyTopicList();
        break;
    case 5:
        ShowTopicList();
        return; // the focus stays where the verse-list window leaves it
    default:
        close();
        return;
    }
    FocusName();
}

void TopicsDialog::ShowTopicList() {
    BusyPointer busy;
    const auto list = BuildTopicList(host_.State(), host_.Messages());
    busy.Restore();
    if (!list) {
        FocusName();
        return;
    }
    host_.ShowVerseList(list->caption, list->document);
}

void TopicsDialog::CopyTopicList() {
    BusyPointer busy;
    const auto list = BuildTopicList(host_.State(), host_.Messages());
    if (!list) {
        return;
    }
    const std::string text = host_.VerseListPlainText(list->document);
    ClearClipboard();
    SetClipboardText(text);
    busy.Restore();
    ReportTopicListCopied(host_.State(), host_.Messages());
}

void TopicsDialog::Check1_Click(int index) {
    const auto i = static_cast<std::size_t>(index);
    host_.State().settings.topicListOptions[i] = std::string(1, Check1[i]->isChecked() ? '1' : '0');
}

void TopicsDialog::File1_Click() {
    const QList<QListWidgetItem*> chosen = File1->selectedItems();
    if (!chosen.isEmpty()) {
        Text1->setText(chosen.front()->text());
    }
}

void TopicsDialog::Form_Unload() {
    host_.RefreshMarkButtons();
}

bool TopicsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == Text1) {
        Text1->selectAll(); // Text1_GotFocus
    }
    return Form::eventFilter(watched, event);
}

void TopicsDialog::LayOut() {
    LayOutFixedDialog(*this, host_);
}

void TopicsDialog::Form_Activate() {
    FocusName();
}

} // namespace lumra
