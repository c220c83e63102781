#include "reading/MainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "Application.h"
#include "platform/Cp1252Qt.h"
#include "platform/RichTextBox.h"
#include "reading/RtfVocabulary.h"

namespace lumra {

namespace {

// The designed client area; the layout scales it to the window.
constexpr int kDesignWidth = 560;
constexpr int kDesignHeight = 392;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QString ColourSheet(const WindowColour& c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace

Form1::Form1(Application& app) : app_(app) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("1+45+100+49+100+36"));
    resize(kDesignWidth, kDesignHeight);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(8, 8, 300, 24);
    Combo1->setMaxVisibleItems(20);

    Label8 = MakeLabel(this, "Label8", "2698*", {330, 8, 90, 24});
    Label10 = MakeLabel(this, "Label10", "118123*", {430, 8, 122, 24});
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label10->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label3 = MakeLabel(this, "Label3", "2", {8, 38, 60, 20});
    Label4 = MakeLabel(this, "Label4", "AAA", {74, 38, 40, 20});
    Label7 = MakeLabel(this, "Label7", "3", {200, 38, 120, 20});
    Label5 = MakeLabel(this, "Label5", "4", {340, 38, 120, 20});
    Label1 = MakeLabel(this, "Label1", "=", {470, 38, 12, 20});
    Label6 = MakeLabel(this, "Label6", "OOO", {488, 38, 40, 20});
    for (QLabel* l : {Label3, Label4, Label7, Label5, Label1, Label6}) {
        l->adjustSize();
    }

    RTB1 = new RichTextBox(this, QStringLiteral("RTB1"));
    RTB1->setGeometry(8, 64, 544, 239);

    Command9 = MakeButton(this, "Command9", "115", {8, 277, 268, 24});
    Command10 = MakeButton(this, "Command10", "116", {284, 277, 268, 24});
    Command9->hide();
    Command10->hide();

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(8, 308, 544, 18);
    HScroll1->setRange(1, kPositionCount);
    HScroll1->setPageStep(19);
    HScroll1->setSingleStep(1);

    constexpr int w = 104;
    constexpr int h = 24;
    auto col = [](int k) { return 8 + k * 109; };
    Command2 = MakeButton(this, "Command2", "7", {col(0), 332, w, h});
    Command3 = MakeButton(this, "Command3", "11", {col(1), 332, w, h});
    Command5 = MakeButton(this, "Command5", "5", {col(2), 332, w, h});
    Command7 = MakeButton(this, "Command7", "8", {col(3), 332, w, h});
    Command4 = MakeButton(this, "Command4", "6", {col(4), 332, w, h});
    Command6 = MakeButton(this, "Command6", "9", {col(0), 360, w, h});
    Command8 = MakeButton(this, "Command8", "10", {col(1), 360, w, h});
    Command11 = MakeButton(this, "Command11", "120", {col(2), 360, w, h});
    Command1 = MakeButton(this, "Command1", "12", {col(4), 360, w, h});

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form1::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void Form1::FillSuraChooser() {
    const auto& items = app_.State().corpus.suraItems;
    app_.State().suraChooserArmed = 0;
    Combo1->clear();
    for (const auto& item : items) {
        Combo1->addItem(FromCp1252(item));
    }
    app_.State().suraChooserArmed = 1;
}

void Form1::RefreshCaptions() {
    const auto& t = app_.State().texts;
    setWindowTitle(FromCp1252(JoinTexts(t, {1, 45, 100, 49, 100, 36})));
    Label3->setText(FromCp1252(t[2]));
    Label7->setText(FromCp1252(t[3]));
    Label5->setText(FromCp1252(t[4]));
    Command5->setText(FromCp1252(t[5]));
    Command4->setText(FromCp1252(t[6]));
    Command2->setText(FromCp1252(t[7]));
    Command7->setText(FromCp1252(t[8]));
    Command6->setText(FromCp1252(t[9]));
    Command8->setText(FromCp1252(t[10]));
    Command3->setText(FromCp1252(t[11]));
    Command1->setText(FromCp1252(t[12]));
    Command11->setText(FromCp1252(t[120]));
    ArrangeInfoRow();
}

void Form1::ArrangeInfoRow() {
    // Caption widths change with the language.
    for (QLabel* l : {Label3, Label5, Label7}) {
        l->adjustSize();
    }
    const int g = static_cast<int>(std::lround(app_.State().layoutScale * 6));
    Label4->move(Label3->x() + Label3->width() + g, Label4->y());
    Label5->move(Label1->x() - g - Label5->width(), Label5->y());
    Label6->move(Label1->x() + Label1->width() + g, Label6->y());
    Label7->move((Label4->width() + Label4->x() + Label5->x()) / 2 - Label7->width() / 2,
                 Label7->y());
}

void Form1::ApplyMainWindowColours() {
    const auto& c = app_.State().settings.colour;
    const QColor colour(c.red, c.green, c.blue);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    RTB1->SetBackgroundColor(colour);
    for (QLabel* l : {Label1, Label3, Label4, Label5, Label6, Label7, Label8, Label10}) {
        l->setStyleSheet(QStringLiteral("background-color: %1; color: #FFFFFF;").arg(ColourSheet(c)));
    }
    Combo1->setStyleSheet(QStringLiteral("QComboBox { background-color: #D0D0D0; color: #000000; }"));
}

void Form1::ApplyWindowState() {
    if (app_.State().settings.f1max == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
}

void Form1::SetScrollValue(int position) { HScroll1->setValue(position); }

int Form1::ScrollValue() const { return HScroll1->value(); }

void Form1::HScroll1_Change() {
    app_.State().currentPosition = static_cast<std::int16_t>(HScroll1->value());
    RenderPosition(app_.State().currentPosition);
}

void Form1::Combo1_Click() {
    auto& state = app_.State();
    if (state.suraChooserArmed != 1 || Combo1->currentIndex() < 0) {
        return;
    }
    const int s = Combo1->currentIndex() + 1;
    RenderPosition(PositionOf(static_cast<std::int16_t>(s), kSuras.HasOpening[s] == 1 ? 0 : 1));
}

void Form1::RenderPosition(int position) {
    auto& state = app_.State();
    if (!IsValidPosition(position)) {
        app_.Messages().Beep();
        return;
    }
    if (HScroll1->value() != position) {
        HScroll1->setValue(position);
    }
    const auto p = static_cast<std::int16_t>(position);
    const int s = SuraOfPosition(p);
    state.suraChooserArmed = 0;
    if (Combo1->currentIndex() != s - 1) {
        Combo1->setCurrentIndex(s - 1);
    }
    state.suraChooserArmed = 1;
    std::string page(rtf::kListHeader);
    page += "[" + std::to_string(s) + ":" + std::to_string(VerseOfPosition(p)) + "]\\par ";
    page += state.corpus.verseText[static_cast<std::size_t>(p)];
    page += rtf::kDocumentEnd;
    RTB1->SetRtf(page);
}

bool Form1::Form_QueryUnload() {
    if (app_.Ended()) {
        return false;
    }
    return app_.ConfirmClose();
}

} // namespace lumra
