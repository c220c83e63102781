#pragma once
// What a window may ask of the application. A window knows the application only through this
// interface and never another window: the application implements it, a test may fake it.

#include <string>

#include "Prompt.h"
#include "companion/CompanionText.h"
#include "state/ReaderState.h"

namespace lumra {

// The reader's windows by role.
enum class WindowRole {
    Main,
    Search,
    GoTo,
    Footnote,
    Appendix,
    Export,
    Startup,
    Topics,
    Help,
    Settings,
    VerseList,
    Companion,
};
inline constexpr int kWindowRoleCount = 12;

class WindowHost {
public:
    virtual ReaderState& State() = 0;
    virtual Prompt& Messages() = 0;

    // The main window shows a position with everything that follows it.
    virtual void ShowPosition(int position) = 0;
    // A rendering has happened: the text windows beside the main window follow it (the
    // footnote window takes the footnote caption and the footnote body).
    virtual void RenderingFollows(const std::string& footnoteCaptionCp1252) = 0;
    // The main window's topic buttons follow the marks.
    virtual void RefreshMarkButtons() = 0;
    // Opens a window: a dialog modally (returning when it closes), a text window beside the
    // main window.
    virtual void Open(WindowRole role) = 0;
    // A list document in the verse-list window, shown modally.
    virtual void ShowVerseList(const std::string& captionCp1252, const std::string& rtf) = 0;
    // The text of a list document as the verse-list window shows it, without showing it.
    virtual std::string VerseListPlainText(const std::string& rtf) = 0;
    // The original and its transliteration, read on the first call; null when their files
    // are missing or altered (the reader runs on without them).
    virtual const CompanionText* Companion() = 0;

    // After the language index has changed: check the data again, load its texts and corpus.
    virtual void ApplyLanguage() = 0;
    // The window colour on every loaded window that follows it.
    virtual void ApplyWindowColours() = 0;

    // The dialogs follow the layout scale only while the main window is visible.
    virtual bool MainWindowVisible() const = 0;
    // After the main window's layout: every loaded window follows the new scale.
    virtual void LayOutLoadedWindows() = 0;
    // The text windows beside the main window follow the layout.
    virtual void LayOutTextWindows() = 0;

    // True once the program has ended (its windows must not ask anything more).
    virtual bool Ended() const = 0;
    // The program end: true when the reader chose to stay.
    virtual bool ConfirmClose() = 0;

protected:
    ~WindowHost() = default;
};

} // namespace lumra
