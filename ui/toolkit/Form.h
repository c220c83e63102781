#pragma once
// A top-level window of the reader. It previews every key before its controls: the key goes
// to Form_KeyDown first, then to the control's own handlers, and a handler that returns 0
// consumes it. A message box or popup over the form is a window of its own and keeps its keys.
// Activation, resizing and the close request reach the virtual handlers below; the return
// from one of the form's own boxes is no new activation.

#include <QEventLoop>
#include <QWidget>
#include <vector>

#include "layout/LayoutGeometry.h"

namespace lumra {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Watches the keys of a control created after the form (the form watches its children
    // as they are added; this is for controls added inside other widgets).
    void WatchKeys(QObject* control);

    // Shows the window modally and returns when it is hidden or closed.
    void ShowModal();
    bool IsShownModally() const { return modalLoop_ != nullptr; }

    // What every window does when the application asks: its captions in the current language,
    // the window colour, its layout at the current scale. A window without one does nothing.
    virtual void RefreshCaptions() {}
    virtual void ApplyColours() {}
    virtual void LayOut() {}
    // The design the layout starts from: by default the window as its constructor placed it.
    virtual DesignGeometry RecordDesign() const;
    // Runs just before the application unloads the window.
    virtual void Form_Unload() {}

    // The controls that the layout places: the named children and the members of group
    // boxes, never another window.
    std::vector<QWidget*> DesignedControls() const;

protected:
    // Esc closes the window before any handler sees it.
    void CloseOnEscape() { escapeCloses_ = true; }
    // Shows the window above the others, as the active one.
    void ShowInFront();

    // key: virtual-key code; shift: kShiftMask | kCtrlMask | kAltMask. Return 0 to consume.
    virtual int Form_KeyDown(int key, int shift) { return (void)shift, key; }
    // The key as the form left it, for the control that has the focus.
    virtual int Control_KeyDown(QObject* control, int key, int shift) {
        return (void)control, (void)shift, key;
    }
    // The typed character (Windows-1252 code, 13 for Enter, 9 for Tab, 8 for Backspace).
    // Return 0 to swallow it.
    virtual int Control_KeyPress(QObject* control, int ascii) { return (void)control, ascii; }
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    // Return true to cancel the close (the window stays).
    virtual bool Form_QueryUnload() { return false; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void WatchTree(QObject* object);
    bool IsOwnWindow(const QObject* object) const;
    bool OwnBoxIsOpen() const;
    bool escapeCloses_ = false;
    bool skipActivate_ = false;
    bool delivering_ = false;
    QEventLoop* modalLoop_ = nullptr;
};

} // namespace lumra
