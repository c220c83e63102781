#include "toolkit/RichTextBox.h"

#include "platform/Cp1252Qt.h"
#include "platform/RtfReader.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace lumra {

namespace {

bool IsCopyKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) ||
           (key.key() == Qt::Key_Insert && key.modifiers() == Qt::ControlModifier);
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent, const QString& objectName) : QTextEdit(parent) {
    setObjectName(objectName);
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setFocusPolicy(Qt::StrongFocus);
}

void RichTextBox::SetRtf(const std::string& rtf) {
    rtf_ = rtf;
    unicode_.clear();
    pending_ = !isVisible();
    if (!pending_) {
        ShowRtf();
    }
}

void RichTextBox::SetUnicodeText(const QString& text) {
    if (text == unicode_ && rtf_.empty() && !pending_) {
        return;
    }
    rtf_.clear();
    pending_ = false;
    unicode_ = text;
    setPlainText(text);
}

void RichTextBox::showEvent(QShowEvent* event) {
    if (pending_) {
        ShowRtf();
    }
    QTextEdit::showEvent(event);
}

void RichTextBox::ShowRtf() {
    pending_ = false;
    // Reading into a document the view does not yet show saves laying out every insertion.
    auto* shown = new QTextDocument(this);
    shown->setDefaultFont(font());
    shown->setUndoRedoEnabled(false);
    ReadRtf(rtf_, *shown);
    QTextDocument* previous = document();
    const bool ownPrevious = previous->parent() == this; // the first one belongs to the view
    setDocument(shown);
    if (ownPrevious) {
        delete previous;
    }
    setTextCursor(QTextCursor(shown));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

std::string RichTextBox::PlainText() const {
    if (pending_) {
        QTextDocument unseen;
        ReadRtf(rtf_, unseen);
        return ToCp1252(ShownText(unseen));
    }
    return ToCp1252(ShownText(*document()));
}

void RichTextBox::SetBackgroundColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor RichTextBox::BackgroundColor() const {
    return palette().color(QPalette::Base);
}

bool RichTextBox::event(QEvent* event) {
    // Leave Ctrl+C to the window: the text control would otherwise claim it as a shortcut.
    if (event->type() == QEvent::ShortcutOverride && IsCopyKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    return QTextEdit::event(event);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (IsCopyKey(*event)) {
        event->ignore(); // passed on to the window unhandled
        return;
    }
    QTextEdit::keyPressEvent(event);
}

QMimeData* RichTextBox::createMimeDataFromSelection() const {
    // Selections stay inside the pane: a drag or the selection clipboard gets no data. The
    // caller owns the returned object.
    return new QMimeData;
}

bool RichTextBox::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

} // namespace lumra
