#include "windows/CompanionWindow.h"

#include <QCheckBox>
#include <QPalette>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>

#include "SuraTable.h"
#include "corpus/CorpusLoader.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Controls.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowPaint.h"

namespace lumra {

namespace {

constexpr DesignControl kControls[] = {
    {"RTB1", 4, 4, 552, 176, 10},        {"RTB2", 4, 184, 552, 90, 10},
    {"RTB3", 4, 278, 552, 134, 10},      {"Check1", 8, 426, 200, 24, 10},
    {"Command1", 230, 424, 100, 28, 10},
};
constexpr DesignWindow kDesign{560, 460, kControls};
constexpr int kPaneGap = 4;
// The original is drawn this much larger than the reading size.
constexpr double kOriginalScale = 1.75;

// Interface texts of the window.
constexpr int kTitleText = 146;
constexpr int kCheckText = 147;
constexpr int kOriginalName = 148;
constexpr int kTransliterationName = 149;
constexpr int kSwedishName = 150;
constexpr int kEnglishName = 151;
constexpr int kNotAvailableText = 152;

QString Reference(int position) {
    const auto p = static_cast<std::int16_t>(position);
    return QStringLiteral("[%1:%2]").arg(SuraOfPosition(p)).arg(VerseOfPosition(p));
}

// A subtitle's "_" breaks its lines.
QString Subtitle(const Corpus& corpus, int position) {
    if (!corpus.HasSubtitle(position)) {
        return {};
    }
    const auto text = corpus.SubtitleOf(position);
    QString shown = FromCp1252(std::string(text));
    shown.replace(QLatin1Char('_'), QLatin1Char('\n'));
    return shown;
}

QString VerseText(const Corpus& corpus, int position) {
    return FromCp1252(corpus.verseText[static_cast<std::size_t>(position)]);
}

QTextOption Direction(Qt::LayoutDirection direction) {
    QTextOption option;
    option.setTextDirection(direction);
    // Absolute: in a right-to-left text, a plain AlignRight would mean the left edge.
    option.setAlignment((direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// One part of a copy: its reference and text as plain lines, and as HTML paragraphs whose
// text carries the attributes.
void AddPart(QString& plain, QString& html, const QString& reference, const QString& text,
             const QString& attributes) {
    plain += reference + QStringLiteral("\r\n") + text + QStringLiteral("\r\n\r\n");
    html += QStringLiteral("<p>") + reference.toHtmlEscaped() + QStringLiteral("</p>\n<p ") +
            attributes + QLatin1Char('>') + text.toHtmlEscaped() + QStringLiteral("</p>\n");
}

} // namespace

CompanionWindow::CompanionWindow(WindowHost& host) : TextWindow("Form14", kDesign), host_(host) {
    RTB1 = AddPane("RTB1");
    RTB2 = AddPane("RTB2");
    RTB3 = AddPane("RTB3");
    Check1 = MakeCheck(this, "Check1", "147");
    AddCloseButton();
    NameByText(*RTB1, kOriginalName);
    NameByText(*RTB2, kTransliterationName);
    originalFont_.setFamilies({QStringLiteral("Amiri Quran"), QStringLiteral("Amiri")});
    RTB1->setLayoutDirection(Qt::RightToLeft);
    // A scroll bar that comes and goes would lay a pane out twice.
    for (RichTextBox* pane : {RTB1, RTB2, RTB3}) {
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    Check1->setChecked(host_.State().companion.transliteration == 1);
    connect(Check1, &QCheckBox::clicked, this, &CompanionWindow::Check1_Click);
    ApplyColours();
    RefreshCaptions();
}

void CompanionWindow::ApplyColours() {
    PaintPanes(ToQColor(host_.State().settings.colour));
    // The panes hold plain text: white on the window colour, as the documents colour theirs.
    for (RichTextBox* pane : {RTB1, RTB2, RTB3}) {
        QPalette p = pane->palette();
        p.setColor(QPalette::Text, Qt::white);
        pane->setPalette(p);
    }
    PaintIndicatorOnWindow(*Check1);
}

void CompanionWindow::RefreshCaptions() {
    const auto& t = host_.State().texts;
    SetCloseCaption(FromCp1252(t[24]));
    Check1->setText(FromCp1252(t[kCheckText]));
    NameByText(*RTB3, OtherIndex() == 2 ? kSwedishName : kEnglishName);
    NameControlsFromCaptions(*this, t);
}

int CompanionWindow::OtherIndex() const {
    const int current = host_.State().settings.language;
    return OtherLanguage(static_cast<std::uint8_t>(IsLanguageIndex(current) ? current : 1));
}

bool CompanionWindow::TransliterationShown() const {
    return host_.State().companion.transliteration == 1;
}

const Corpus* CompanionWindow::OtherCorpus() {
    const auto index = static_cast<std::size_t>(OtherIndex());
    if (!corpusRead_[index]) {
        corpusRead_[index] = true;
        const auto& state = host_.State();
        auto loaded =
            LoadCorpus(state.programFolder, std::string(kLanguages[index].code), state.texts);
        corpora_[index] = std::move(loaded.corpus);
    }
    return corpora_[index] ? &*corpora_[index] : nullptr;
}

void CompanionWindow::ApplyFonts() {
    const int size = host_.State().settings.viewFontSize;
    if (size == fontSize_) {
        return;
    }
    fontSize_ = size;
    const double points = size / 2.0;
    originalFont_.setPointSizeF(points * kOriginalScale);
    readingFont_.setPointSizeF(points);
    RTB1->setFont(originalFont_);
    RTB2->setFont(readingFont_);
    RTB3->setFont(readingFont_);
}

void CompanionWindow::Fill() {
    stale_ = false;
    const auto& state = host_.State();
    const int p = state.currentPosition;
    if (!IsValidPosition(p)) {
        return;
    }
    const auto at = static_cast<std::int16_t>(p);
    setWindowTitle(FromCp1252(state.texts[kTitleText]) +
                   QStringLiteral("%1:%2").arg(SuraOfPosition(at)).arg(VerseOfPosition(at)));
    ApplyFonts();
    const CompanionText* text = host_.Companion();
    const bool transliteration = text != nullptr && TransliterationShown();
    Check1->setEnabled(text != nullptr);
    if (text == nullptr) {
        RTB1->document()->setDefaultTextOption(Direction(Qt::LeftToRight));
        RTB1->SetUnicodeText(FromCp1252(state.texts[kNotAvailableText]));
    } else {
        RTB1->document()->setDefaultTextOption(Direction(Qt::RightToLeft));
        RTB1->SetUnicodeText(QString::fromStdString(OriginalShown(*text, p)));
        if (transliteration) {
            RTB2->SetUnicodeText(QString::fromStdString(lumra::TransliterationShown(*text, p)));
        }
    }
    if (RTB2->isVisibleTo(this) != transliteration) {
        RTB2->setVisible(transliteration);
        LayOut();
    }
    QString other;
    if (const Corpus* corpus = OtherCorpus()) {
        const QString subtitle = Subtitle(*corpus, p);
        if (!subtitle.isEmpty()) {
            other = subtitle + QStringLiteral("\n\n");
        }
        other += Reference(p) + QLatin1Char('\n') + VerseText(*corpus, p);
    }
    RTB3->SetUnicodeText(other);
}

void CompanionWindow::FollowRendering() {
    stale_ = true;
    // The panes follow once the main window has shown the page: the reading never waits for
    // the shaping of the original, and a run of renderings (a held key) fills them once.
    if (isVisible() && !fillQueued_) {
        fillQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            fillQueued_ = false;
            if (stale_ && isVisible()) {
                Fill();
            }
        });
    }
}

void CompanionWindow::Open() {
    if (stale_ || !isVisible()) {
        Fill();
    }
    ShowInFront();
}

void CompanionWindow::LayOut() {
    const float scale = host_.State().layoutScale;
    PlaceCloseButton(scale);
    if (const DesignControl* d = FindDesign(kDesign, Check1->objectName())) {
        ApplyDesign(*Check1, *d, scale);
    }
    FitPane(*RTB1, 8);
    Check1->move(Check1->x(), Command1->y() + (Command1->height() - Check1->height()) / 2);

    // The panes share the height above the button as their designs do.
    std::array<RichTextBox*, 3> panes = {RTB1, RTB2, RTB3};
    int weights = 0;
    int shown = 0;
    for (RichTextBox* pane : panes) {
        if (pane->isVisibleTo(this)) {
            weights += FindDesign(kDesign, pane->objectName())->height;
            ++shown;
        }
    }
    const int gap = ScaledValue(kPaneGap, AppliedScale(scale));
    const int top = RTB1->y();
    const int room = Command1->y() - 6 - top - gap * (shown - 1);
    if (room <= 0 || weights <= 0) {
        return; // a tiny window keeps the last usable layout
    }
    int y = top;
    int left = room;
    for (RichTextBox* pane : panes) {
        if (!pane->isVisibleTo(this)) {
            continue;
        }
        --shown;
        const int height =
            shown == 0 ? left : room * FindDesign(kDesign, pane->objectName())->height / weights;
        pane->setGeometry(RTB1->x(), y, RTB1->width(), height);
        y += height + gap;
        left -= height;
    }
}

void CompanionWindow::Check1_Click() {
    host_.State().companion.transliteration = Check1->isChecked() ? 1 : 0;
    Fill();
}

void CompanionWindow::CopyShown() {
    const auto& state = host_.State();
    const int p = state.currentPosition;
    if (!IsValidPosition(p)) {
        return;
    }
    const QString reference = Reference(p);
    QString plain;
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n");
    if (const CompanionText* text = host_.Companion()) {
        AddPart(plain, html, reference, QString::fromStdString(OriginalShown(*text, p)),
                QStringLiteral("dir=\"rtl\" lang=\"ar\""));
        if (TransliterationShown()) {
            AddPart(plain, html, reference,
                    QString::fromStdString(lumra::TransliterationShown(*text, p)),
                    QStringLiteral("lang=\"ar-Latn\""));
        }
    }
    if (const Corpus* corpus = OtherCorpus()) {
        const QString lang = QLatin1String(kLanguages[static_cast<std::size_t>(OtherIndex())].code);
        const QString attributes = QStringLiteral("lang=\"%1\"").arg(lang);
        const QString subtitle = Subtitle(*corpus, p);
        if (!subtitle.isEmpty()) {
            plain += subtitle + QStringLiteral("\r\n\r\n");
            html += QStringLiteral("<p ") + attributes + QLatin1Char('>') +
                    subtitle.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                    QStringLiteral("</p>\n");
        }
        AddPart(plain, html, reference, VerseText(*corpus, p), attributes);
    }
    html += QStringLiteral("</body></html>\n");
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    ClearClipboard();
    SetClipboardUnicode(plain.toStdString(), html.toStdString());
}

int CompanionWindow::Form_KeyDown(int key, int shift) {
    if (key == 'C' && shift == kCtrlMask) {
        // The pane's own copy never runs: a beep, then the copy F10 makes.
        host_.Messages().Beep();
        key = vk::F(10);
    }
    if (key == vk::F(10)) {
        CopyShown();
        return 0;
    }
    return key;
}

bool CompanionWindow::Form_QueryUnload() {
    hide();
    return true;
}

} // namespace lumra
