#pragma once
// CompanionWindow: beside the main window, the current position in the original, in its
// transliteration and in the other language. It is loaded on its first opening; while it is
// visible every rendering sets its panes.

#include <QFont>
#include <QString>
#include <array>
#include <optional>

#include "corpus/Corpus.h"
#include "toolkit/TextWindow.h"
#include "windows/WindowHost.h"

class QCheckBox;

namespace lumra {

class CompanionWindow final : public TextWindow {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::Companion;

    explicit CompanionWindow(WindowHost& host);

    void ApplyColours() override;
    // Close button text 24, the transliteration box 147 and the panes' names.
    void RefreshCaptions() override;
    // Called by each rendering: the panes follow the position, the reading size and the
    // language from the event loop, once the rendering is on the screen, while the window is
    // visible; a hidden window is filled when it opens.
    void FollowRendering();
    // Fills the panes and shows the window (key O of the main window).
    void Open();
    void LayOut() override;

    // The shown parts with their references: plain text and HTML on the clipboard.
    void CopyShown();
    void Check1_Click();

protected:
    int Form_KeyDown(int key, int shift) override;
    bool Form_QueryUnload() override;

private:
    void Fill();
    void ApplyFonts();
    // The corpus of the language not in use, read on its first use; null when it cannot be.
    const Corpus* OtherCorpus();
    int OtherIndex() const;
    bool TransliterationShown() const;

    WindowHost& host_;
    RichTextBox* RTB1; // the original
    RichTextBox* RTB2; // the transliteration
    RichTextBox* RTB3; // the other language
    QCheckBox* Check1;
    QFont originalFont_;
    QFont readingFont_;
    int fontSize_ = 0;  // the reading size the fonts were set for, in half-points
    bool stale_ = true; // a rendering has come since the last filling
    bool fillQueued_ = false;
    // By language index (1, 2); a corpus is read once, the attempt too.
    std::array<std::optional<Corpus>, 3> corpora_;
    std::array<bool, 3> corpusRead_{};
};

} // namespace lumra
