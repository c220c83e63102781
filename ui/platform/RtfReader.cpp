#include "platform/RtfReader.h"

#include "platform/Cp1252Qt.h"

#include <QColor>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace lumra {

namespace {

// Groups nested deeper than this are counted but share the state of the deepest kept level,
// so hostile nesting costs no memory.
constexpr std::size_t kMaxDepth = 512;
constexpr std::size_t kMaxColours = 1024;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMinHalfPoints = 2;       // 1 pt
constexpr int kMaxHalfPoints = 800;     // 400 pt
constexpr int kMaxTwips = 31680;        // 22 inches
constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch at 96 pixels an inch
constexpr int kMaxUnicodeSkip = 16;
// Laying out a paragraph costs time growing with the square of its longest run without a
// break opportunity; a zero-width space after this many characters keeps it linear.
constexpr int kLongestUnbrokenRun = 200;
constexpr char16_t kZeroWidthSpace = 0x200B;

bool IsBreakOpportunity(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'-' || unit == kZeroWidthSpace ||
           unit == QChar::LineSeparator;
}

enum class Align : std::uint8_t { Left, Center, Right, Justify };
enum class Script : std::uint8_t { Normal, Super, Sub };
enum class Destination : std::uint8_t { Text, ColourTable, Skip };

struct CharState {
    int halfPoints = kDefaultHalfPoints;
    int foreground = -1; // colour-table index; -1 leaves the view's own text colour
    int background = -1;
    int highlight = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    Script script = Script::Normal;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Align align = Align::Left;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    bool operator==(const ParaState&) const = default;
};

struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    bool hadText = false;    // a destination word only counts before any text of its group
    bool isDocument = false; // the group opened by \rtf is never a destination
};

enum class Action : std::uint8_t {
    SkipDestination,
    ColourTable,
    Red,
    Green,
    Blue,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Super,
    Sub,
    NoSuperSub,
    Plain,
    Pard,
    Document,
    Foreground,
    Background,
    Highlight,
    FontSize,
    UnicodeSkip,
    Unicode,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    Paragraph,
    Line,
    Tab,
    Symbol,
    Binary,
};

struct Word {
    std::string_view name;
    Action action;
    char16_t symbol = 0;
};

// Sorted by name for binary search.
constexpr std::array kWords = std::to_array<Word>({
    {"annotation", Action::SkipDestination},
    {"atnauthor", Action::SkipDestination},
    {"atndate", Action::SkipDestination},
    {"atnid", Action::SkipDestination},
    {"atnref", Action::SkipDestination},
    {"author", Action::SkipDestination},
    {"b", Action::Bold},
    {"bin", Action::Binary},
    {"bkmkend", Action::SkipDestination},
    {"bkmkstart", Action::SkipDestination},
    {"blue", Action::Blue},
    {"bullet", Action::Symbol, 0x2022},
    {"buptim", Action::SkipDestination},
    {"cb", Action::Background},
    {"cell", Action::Tab},
    {"cf", Action::Foreground},
    {"chcbpat", Action::Background},
    {"colorschememapping", Action::SkipDestination},
    {"colortbl", Action::ColourTable},
    {"comment", Action::SkipDestination},
    {"company", Action::SkipDestination},
    {"creatim", Action::SkipDestination},
    {"datastore", Action::SkipDestination},
    {"dn", Action::Sub},
    {"doccomm", Action::SkipDestination},
    {"docvar", Action::SkipDestination},
    {"emdash", Action::Symbol, 0x2014},
    {"emspace", Action::Symbol, 0x2003},
    {"endash", Action::Symbol, 0x2013},
    {"enspace", Action::Symbol, 0x2002},
    {"fi", Action::FirstIndent},
    {"filetbl", Action::SkipDestination},
    {"fldinst", Action::SkipDestination},
    {"fonttbl", Action::SkipDestination},
    {"footer", Action::SkipDestination},
    {"footerf", Action::SkipDestination},
    {"footerl", Action::SkipDestination},
    {"footerr", Action::SkipDestination},
    {"footnote", Action::SkipDestination},
    {"fs", Action::FontSize},
    {"ftncn", Action::SkipDestination},
    {"ftnsep", Action::SkipDestination},
    {"ftnsepc", Action::SkipDestination},
    {"generator", Action::SkipDestination},
    {"green", Action::Green},
    {"header", Action::SkipDestination},
    {"headerf", Action::SkipDestination},
    {"headerl", Action::SkipDestination},
    {"headerr", Action::SkipDestination},
    {"highlight", Action::Highlight},
    {"i", Action::Italic},
    {"info", Action::SkipDestination},
    {"keywords", Action::SkipDestination},
    {"latentstyles", Action::SkipDestination},
    {"lbr", Action::Line},
    {"ldblquote", Action::Symbol, 0x201C},
    {"li", Action::LeftIndent},
    {"lin", Action::LeftIndent},
    {"line", Action::Line},
    {"listoverridetable", Action::SkipDestination},
    {"listtable", Action::SkipDestination},
    {"lquote", Action::Symbol, 0x2018},
    {"manager", Action::SkipDestination},
    {"nonshppict", Action::SkipDestination},
    {"nosupersub", Action::NoSuperSub},
    {"objdata", Action::SkipDestination},
    {"object", Action::SkipDestination},
    {"operator", Action::SkipDestination},
    {"page", Action::Paragraph},
    {"par", Action::Paragraph},
    {"pard", Action::Pard},
    {"pgdsctbl", Action::SkipDestination},
    {"pict", Action::SkipDestination},
    {"plain", Action::Plain},
    {"pn", Action::SkipDestination},
    {"printim", Action::SkipDestination},
    {"private", Action::SkipDestination},
    {"qc", Action::AlignCenter},
    {"qd", Action::AlignJustify},
    {"qj", Action::AlignJustify},
    {"ql", Action::AlignLeft},
    {"qmspace", Action::Symbol, 0x2005},
    {"qr", Action::AlignRight},
    {"rdblquote", Action::Symbol, 0x201D},
    {"red", Action::Red},
    {"revtbl", Action::SkipDestination},
    {"revtim", Action::SkipDestination},
    {"ri", Action::RightIndent},
    {"rin", Action::RightIndent},
    {"row", Action::Paragraph},
    {"rquote", Action::Symbol, 0x2019},
    {"rsidtbl", Action::SkipDestination},
    {"rtf", Action::Document},
    {"rxe", Action::SkipDestination},
    {"sa", Action::SpaceAfter},
    {"sb", Action::SpaceBefore},
    {"sect", Action::Paragraph},
    {"shp", Action::SkipDestination},
    {"shpinst", Action::SkipDestination},
    {"strike", Action::Strike},
    {"striked", Action::Strike},
    {"stylesheet", Action::SkipDestination},
    {"sub", Action::Sub},
    {"subject", Action::SkipDestination},
    {"super", Action::Super},
    {"tab", Action::Tab},
    {"tc", Action::SkipDestination},
    {"template", Action::SkipDestination},
    {"themedata", Action::SkipDestination},
    {"title", Action::SkipDestination},
    {"txe", Action::SkipDestination},
    {"u", Action::Unicode},
    {"uc", Action::UnicodeSkip},
    {"ul", Action::Underline},
    {"uld", Action::Underline},
    {"uldash", Action::Underline},
    {"uldb", Action::Underline},
    {"ulnone", Action::UnderlineNone},
    {"ulth", Action::Underline},
    {"ulw", Action::Underline},
    {"ulwave", Action::Underline},
    {"up", Action::Super},
    {"userprops", Action::SkipDestination},
    {"v", Action::Hidden},
    {"xe", Action::SkipDestination},
    {"xmlnstbl", Action::SkipDestination},
});

static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const Word& a, const Word& b) { return a.name < b.name; }));

const Word* FindWord(std::string_view name) {
    const auto* it = std::lower_bound(kWords.begin(), kWords.end(), name,
                                      [](const Word& w, std::string_view n) { return w.name < n; });
    return it != kWords.end() && it->name == name ? it : nullptr;
}

bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int HexValue(unsigned char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

Qt::Alignment AlignmentOf(Align align) {
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Justify:
        return Qt::AlignJustify;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

class Parser {
public:
    Parser(std::string_view rtf, QTextCursor& cursor) : in_(rtf), cursor_(cursor) {}

    void Run() {
        ApplyBlockFormat(blockPara_);
        while (pos_ < in_.size()) {
            const auto c = static_cast<unsigned char>(in_[pos_++]);
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ReadControl();
                break;
            case '\r':
            case '\n':
                break;
            default:
                TextByte(c);
                break;
            }
        }
        Flush();
    }

private:
    void OpenGroup() {
        skipFallback_ = 0;
        justOpened_ = true;
        if (stack_.size() >= kMaxDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(cur_);
        cur_.hadText = false;
        cur_.isDocument = false;
    }

    void CloseGroup() {
        skipFallback_ = 0;
        justOpened_ = false;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (stack_.empty()) {
            return; // a closing brace too many: the text after it still shows
        }
        if (cur_.destination == Destination::ColourTable && colourStarted_) {
            EndColour();
        }
        const bool hadText = cur_.hadText;
        cur_ = stack_.back();
        stack_.pop_back();
        cur_.hadText = cur_.hadText || hadText;
    }

    // Counts one character of the fallback text that follows \uN; true when it is to be dropped.
    bool SkipsFallback() {
        if (skipFallback_ > 0) {
            --skipFallback_;
            return true;
        }
        return false;
    }

    void TextByte(unsigned char c) {
        justOpened_ = false;
        if (SkipsFallback()) {
            return;
        }
        switch (cur_.destination) {
        case Destination::ColourTable:
            if (c == ';') {
                EndColour();
            }
            return;
        case Destination::Skip:
            return;
        case Destination::Text:
            break;
        }
        if (c == '\t') {
            AppendUnit(u'\t');
        } else if (c >= 0x20 && c != 0x7F) {
            AppendUnit(Cp1252ToUnicode(c));
        }
    }

    void ReadControl() {
        if (pos_ >= in_.size()) {
            return; // a backslash at the very end
        }
        const auto c = static_cast<unsigned char>(in_[pos_]);
        if (IsLetter(c)) {
            ReadControlWord();
            return;
        }
        if (c == '*') {
            ++pos_;
            // Only "{\*" marks an ignorable destination; a stray one elsewhere is dropped.
            if (justOpened_ && !stack_.empty()) {
                cur_.destination = Destination::Skip;
            }
            justOpened_ = false;
            return;
        }
        justOpened_ = false;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            ++pos_;
            TextByte(c);
            return;
        case '\'':
            ++pos_;
            ReadHexByte();
            return;
        case '\r':
        case '\n':
            ++pos_;
            if (!SkipsFallback()) {
                Paragraph();
            }
            return;
        case '~':
        case '-':
        case '_':
        case '|':
        case ':':
            ++pos_;
            if (!SkipsFallback() && cur_.destination == Destination::Text) {
                if (c == '~') {
                    AppendUnit(0x00A0);
                } else if (c == '-') {
                    AppendUnit(0x00AD);
                } else if (c == '_') {
                    AppendUnit(0x2011);
                }
            }
            return;
        default:
            // A stray backslash: drop it and read what follows as ordinary text.
            return;
        }
    }

    void ReadHexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size()) {
            const int h = HexValue(static_cast<unsigned char>(in_[pos_]));
            if (h < 0) {
                break;
            }
            value = value * 16 + h;
            ++digits;
            ++pos_;
        }
        if (digits > 0) {
            TextByte(static_cast<unsigned char>(value));
        }
    }

    void ReadControlWord() {
        justOpened_ = false;
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(static_cast<unsigned char>(in_[pos_]))) {
            ++pos_;
        }
        const std::string_view name = in_.substr(start, pos_ - start);
        bool hasParam = false;
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' &&
            IsDigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        std::int64_t value = 0;
        while (pos_ < in_.size() && IsDigit(static_cast<unsigned char>(in_[pos_]))) {
            hasParam = true;
            if (value <= std::numeric_limits<std::int32_t>::max()) {
                value = value * 10 + (in_[pos_] - '0');
            }
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') {
            ++pos_;
        }
        value = std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max());
        const int param = static_cast<int>(negative ? -value : value);
        if (SkipsFallback()) {
            return;
        }
        if (name.size() > kMaxWordLength) {
            return;
        }
        if (const Word* word = FindWord(name)) {
            Apply(*word, hasParam, param);
        }
    }

    void Apply(const Word& word, bool hasParam, int param) {
        const bool on = !hasParam || param != 0;
        if (word.action == Action::Binary) {
            // Raw data follows; never shown.
            const std::size_t length = hasParam && param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ += std::min(length, in_.size() - pos_);
            return;
        }
        if (cur_.destination == Destination::Skip) {
            return;
        }
        if (cur_.destination == Destination::ColourTable) {
            const int component = std::clamp(param, 0, 255);
            switch (word.action) {
            case Action::Red:
                red_ = component;
                colourStarted_ = true;
                break;
            case Action::Green:
                green_ = component;
                colourStarted_ = true;
                break;
            case Action::Blue:
                blue_ = component;
                colourStarted_ = true;
                break;
            default:
                break;
            }
            return;
        }
        switch (word.action) {
        case Action::Document:
            cur_.isDocument = true;
            break;
        case Action::SkipDestination:
            if (CanStartDestination()) {
                cur_.destination = Destination::Skip;
            }
            break;
        case Action::ColourTable:
            if (CanStartDestination()) {
                cur_.destination = Destination::ColourTable;
                colours_.clear();
                formatCached_ = false;
                red_ = green_ = blue_ = 0;
                colourStarted_ = false;
            }
            break;
        case Action::Bold:
            cur_.chars.bold = on;
            break;
        case Action::Italic:
            cur_.chars.italic = on;
            break;
        case Action::Underline:
            cur_.chars.underline = on;
            break;
        case Action::UnderlineNone:
            cur_.chars.underline = false;
            break;
        case Action::Strike:
            cur_.chars.strike = on;
            break;
        case Action::Hidden:
            cur_.chars.hidden = on;
            break;
        case Action::Super:
            cur_.chars.script = on ? Script::Super : Script::Normal;
            break;
        case Action::Sub:
            cur_.chars.script = on ? Script::Sub : Script::Normal;
            break;
        case Action::NoSuperSub:
            cur_.chars.script = Script::Normal;
            break;
        case Action::Plain:
            cur_.chars = CharState{};
            break;
        case Action::Pard:
            cur_.para = ParaState{};
            break;
        case Action::Foreground:
            cur_.chars.foreground = std::max(param, 0);
            break;
        case Action::Background:
            cur_.chars.background = std::max(param, 0);
            break;
        case Action::Highlight:
            cur_.chars.highlight = param > 0 ? param : -1;
            break;
        case Action::FontSize:
            cur_.chars.halfPoints =
                hasParam ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
            break;
        case Action::UnicodeSkip:
            cur_.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
            break;
        case Action::Unicode:
            if (hasParam) {
                AppendCodePoint(param < 0 ? static_cast<std::int64_t>(param) + 0x10000 : param);
                skipFallback_ = cur_.unicodeSkip;
            }
            break;
        case Action::AlignLeft:
            cur_.para.align = Align::Left;
            break;
        case Action::AlignCenter:
            cur_.para.align = Align::Center;
            break;
        case Action::AlignRight:
            cur_.para.align = Align::Right;
            break;
        case Action::AlignJustify:
            cur_.para.align = Align::Justify;
            break;
        case Action::LeftIndent:
            cur_.para.leftTwips = std::clamp(param, 0, kMaxTwips);
            break;
        case Action::RightIndent:
            cur_.para.rightTwips = std::clamp(param, 0, kMaxTwips);
            break;
        case Action::FirstIndent:
            cur_.para.firstTwips = std::clamp(param, -kMaxTwips, kMaxTwips);
            break;
        case Action::SpaceBefore:
            cur_.para.beforeTwips = std::clamp(param, 0, kMaxTwips);
            break;
        case Action::SpaceAfter:
            cur_.para.afterTwips = std::clamp(param, 0, kMaxTwips);
            break;
        case Action::Paragraph:
            Paragraph();
            break;
        case Action::Line:
            AppendUnit(QChar::LineSeparator);
            break;
        case Action::Tab:
            AppendUnit(u'\t');
            break;
        case Action::Symbol:
            AppendUnit(word.symbol);
            break;
        case Action::Red:
        case Action::Green:
        case Action::Blue:
        case Action::Binary:
            break;
        }
    }

    // A destination is a whole group of its own: a destination word in running text, at the
    // top level or in the document group is ignored, so it cannot hide the rest of the text.
    bool CanStartDestination() const {
        return !stack_.empty() && !cur_.hadText && !cur_.isDocument;
    }

    void EndColour() {
        if (colours_.size() < kMaxColours) {
            // An entry without components is "auto": the view's own colour.
            colours_.push_back(colourStarted_ ? QColor(red_, green_, blue_) : QColor());
        }
        red_ = green_ = blue_ = 0;
        colourStarted_ = false;
        formatCached_ = false;
    }

    QColor Colour(int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= colours_.size()) {
            return {};
        }
        return colours_[static_cast<std::size_t>(index)];
    }

    void AppendCodePoint(std::int64_t cp) {
        if (cp >= 0xDC00 && cp <= 0xDFFF && pendingHigh_ != 0) {
            const char16_t high = pendingHigh_;
            pendingHigh_ = 0;
            AppendUnit(high);
            AppendUnit(static_cast<char16_t>(cp));
            return;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            ResolveHighSurrogate();
            pendingHigh_ = static_cast<char16_t>(cp);
            return;
        }
        if (cp < 0 || cp > 0x10FFFF || (cp >= 0xDC00 && cp <= 0xDFFF)) {
            AppendUnit(QChar::ReplacementCharacter);
        } else if (cp >= 0x10000) {
            const auto v = static_cast<char32_t>(cp - 0x10000);
            AppendUnit(static_cast<char16_t>(0xD800 + (v >> 10)));
            AppendUnit(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else if (cp == '\t' || (cp >= 0x20 && (cp < 0x7F || cp > 0x9F))) {
            AppendUnit(static_cast<char16_t>(cp));
        }
    }

    void ResolveHighSurrogate() {
        if (pendingHigh_ != 0) {
            pendingHigh_ = 0;
            AppendUnit(QChar::ReplacementCharacter);
        }
    }

    void AppendUnit(char16_t unit) {
        if (unit < 0xD800 || unit > 0xDFFF) {
            ResolveHighSurrogate();
        }
        cur_.hadText = true;
        if (cur_.chars.hidden) {
            return;
        }
        // Characters the document model takes for structure stay text.
        if (unit == QChar::ParagraphSeparator) {
            unit = QChar::LineSeparator;
        } else if (unit == 0xFDD0 || unit == 0xFDD1 || unit == QChar::ObjectReplacementCharacter) {
            unit = QChar::ReplacementCharacter;
        }
        if (!pending_.isEmpty() && (cur_.chars != pendingChars_ || cur_.para != pendingPara_)) {
            Flush();
        }
        if (pending_.isEmpty()) {
            pendingChars_ = cur_.chars;
            pendingPara_ = cur_.para;
        }
        if (IsBreakOpportunity(unit)) {
            unbrokenRun_ = 0;
        } else if (++unbrokenRun_ > kLongestUnbrokenRun && !QChar::isLowSurrogate(unit)) {
            pending_.append(QChar(kZeroWidthSpace));
            unbrokenRun_ = 1;
        }
        pending_.append(QChar(unit));
    }

    void Flush() {
        ResolveHighSurrogate();
        if (pending_.isEmpty()) {
            return;
        }
        // A paragraph takes the paragraph format in force at its text.
        if (blockPara_ != pendingPara_) {
            ApplyBlockFormat(pendingPara_);
        }
        cursor_.insertText(pending_, CharFormat(pendingChars_));
        blockHasText_ = true;
        pending_.resize(0);
    }

    void Paragraph() {
        if (cur_.destination != Destination::Text || cur_.chars.hidden) {
            return;
        }
        cur_.hadText = true;
        Flush();
        if (!blockHasText_) {
            // An empty paragraph takes its height and look from the state at its mark.
            if (blockPara_ != cur_.para) {
                ApplyBlockFormat(cur_.para);
            }
            cursor_.setBlockCharFormat(CharFormat(cur_.chars));
        }
        cursor_.insertBlock(BlockFormat(cur_.para), CharFormat(cur_.chars));
        blockPara_ = cur_.para;
        blockHasText_ = false;
        unbrokenRun_ = 0;
    }

    void ApplyBlockFormat(const ParaState& para) {
        cursor_.setBlockFormat(BlockFormat(para));
        blockPara_ = para;
    }

    const QTextBlockFormat& BlockFormat(const ParaState& para) {
        if (blockCached_ && para == cachedPara_) {
            return cachedBlock_;
        }
        QTextBlockFormat format;
        format.setAlignment(AlignmentOf(para.align));
        format.setLeftMargin(para.leftTwips / kTwipsPerPixel);
        format.setRightMargin(para.rightTwips / kTwipsPerPixel);
        format.setTextIndent(para.firstTwips / kTwipsPerPixel);
        format.setTopMargin(para.beforeTwips / kTwipsPerPixel);
        format.setBottomMargin(para.afterTwips / kTwipsPerPixel);
        cachedPara_ = para;
        cachedBlock_ = format;
        blockCached_ = true;
        return cachedBlock_;
    }

    const QTextCharFormat& CharFormat(const CharState& chars) {
        if (formatCached_ && chars == cachedChars_) {
            return cachedFormat_;
        }
        QTextCharFormat format;
        format.setFontPointSize(chars.halfPoints / 2.0);
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontStrikeOut(chars.strike);
        if (chars.script == Script::Super) {
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        } else if (chars.script == Script::Sub) {
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        }
        if (const QColor colour = Colour(chars.foreground); colour.isValid()) {
            format.setForeground(colour);
        }
        const QColor highlight = Colour(chars.highlight);
        const QColor background = highlight.isValid() ? highlight : Colour(chars.background);
        if (background.isValid()) {
            format.setBackground(background);
        }
        cachedChars_ = chars;
        cachedFormat_ = format;
        formatCached_ = true;
        return cachedFormat_;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    QTextCursor& cursor_;

    GroupState cur_;
    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    bool justOpened_ = false;
    int skipFallback_ = 0;
    char16_t pendingHigh_ = 0;

    std::vector<QColor> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colourStarted_ = false;

    QString pending_;
    CharState pendingChars_;
    ParaState pendingPara_;
    ParaState blockPara_;
    bool blockHasText_ = false;
    int unbrokenRun_ = 0;

    ParaState cachedPara_;
    QTextBlockFormat cachedBlock_;
    bool blockCached_ = false;
    CharState cachedChars_;
    QTextCharFormat cachedFormat_;
    bool formatCached_ = false;
};

} // namespace

void ReadRtf(std::string_view rtf, QTextDocument& document) {
    // A shown document is never edited, so it keeps no undo history.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    Parser(rtf, cursor).Run();
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

QString ShownText(const QTextDocument& document) {
    QString text;
    text.reserve(document.characterCount() + document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            text.append(u'\r').append(u'\n');
        }
        const QString line = block.text();
        for (const QChar ch : line) {
            switch (ch.unicode()) {
            case QChar::LineSeparator:
                text.append(u'\r').append(u'\n');
                break;
            case 0x00AD:
            case kZeroWidthSpace:
                break;
            case 0x2011:
                text.append(u'-');
                break;
            default:
                text.append(ch);
                break;
            }
        }
    }
    return text;
}

} // namespace lumra
