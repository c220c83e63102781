#pragma once

#include <QColor>
#include <QTextEdit>

#include <string>

namespace lumra {

// The read-only rich-text pane of the windows. It keeps the RTF it was given and shows it
// through ReadRtf. Keys reach the window's event filter first; the pane itself never copies
// (no context menu, no Ctrl+C, no drag or selection data), because the windows decide what a
// copy puts on the clipboard. Up and Down scroll the view.
class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    RichTextBox(QWidget* parent, const QString& objectName);

    // Replaces the whole content; an empty string empties the pane. A hidden pane reads the
    // RTF when it is next shown: laying out text nobody sees would only slow the start.
    void SetRtf(const std::string& rtf);
    // Exactly the RTF last given to SetRtf.
    const std::string& Rtf() const { return rtf_; }
    // The shown text in Windows-1252: paragraphs joined by CR LF (see ShownText).
    std::string PlainText() const;
    // Text that Windows-1252 cannot hold, shown as it is, in the pane's font and its
    // document's text option; the same text again lays nothing out.
    void SetUnicodeText(const QString& text);
    // What SetUnicodeText last showed, paragraphs joined by "\n".
    QString UnicodeText() const { return unicode_; }

    void SetBackgroundColor(const QColor& colour);
    QColor BackgroundColor() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    void ShowRtf();

    std::string rtf_;
    QString unicode_;
    bool pending_ = false; // rtf_ not read into the shown document yet
};

} // namespace lumra
