#include "toolkit/Form.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>

#include "platform/Cp1252Qt.h"
#include "toolkit/VirtualKeys.h"
#include "toolkit/WindowLayout.h"

namespace lumra {

namespace {

int AsciiOf(const QKeyEvent& event, int virtualKey) {
    switch (virtualKey) {
    case vk::Return:
    case vk::Tab:
    case vk::Back:
    case vk::Escape:
        return virtualKey;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() < 32) {
        return 0;
    }
    const std::string byte = ToCp1252(text);
    return byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : 0;
}

} // namespace

Form::Form(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    installEventFilter(this);
}

void Form::WatchKeys(QObject* control) {
    WatchTree(control);
}

bool Form::IsOwnWindow(const QObject* object) const {
    // A message box or popup parented to the form is a window of its own: its keys are its own.
    return !object->isWidgetType() || static_cast<const QWidget*>(object)->window() == this;
}

void Form::WatchTree(QObject* object) {
    if (!IsOwnWindow(object)) {
        return;
    }
    object->installEventFilter(this);
    for (QObject* child : object->children()) {
        if (child->isWidgetType()) {
            WatchTree(child);
        }
    }
}

namespace {

void CollectDesigned(const QWidget& parent, std::vector<QWidget*>& controls) {
    for (QObject* child : parent.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr || w->isWindow() || w->objectName().isEmpty() ||
            w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        controls.push_back(w);
        // A group box's members are placed within it.
        if (qobject_cast<QGroupBox*>(w) != nullptr) {
            CollectDesigned(*w, controls);
        }
    }
}

} // namespace

std::vector<QWidget*> Form::DesignedControls() const {
    std::vector<QWidget*> controls;
    CollectDesigned(*this, controls);
    return controls;
}

DesignGeometry Form::RecordDesign() const {
    return RecordDesignGeometry(*this);
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::ChildAdded) {
        auto* child = static_cast<QChildEvent*>(e)->child();
        if (child->isWidgetType()) {
            WatchTree(child);
        }
    } else if (e->type() == QEvent::WindowDeactivate) {
        // A box of the form's own takes the activation for a moment; when it closes, the form
        // carries on where it was, so its activation steps do not run again.
        skipActivate_ = OwnBoxIsOpen();
    } else if (e->type() == QEvent::WindowActivate) {
        if (skipActivate_) {
            skipActivate_ = false;
        } else {
            Form_Activate();
        }
    }
    return QWidget::event(e);
}

bool Form::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ChildAdded && watched != this) {
        auto* child = static_cast<QChildEvent*>(e)->child();
        if (child->isWidgetType()) {
            WatchTree(child);
        }
        return false;
    }
    if (e->type() != QEvent::KeyPress || delivering_ || !IsOwnWindow(watched)) {
        return false;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(e);
    const int virtualKey = VirtualKeyOf(*keyEvent);
    // A key without a virtual-key code (punctuation, accented letters) still types a
    // character, which the key-press handler must see.
    if (virtualKey == 0 && AsciiOf(*keyEvent, 0) == 0) {
        return false;
    }
    const int shift = ShiftStateOf(*keyEvent);
    if (escapeCloses_ && virtualKey == vk::Escape) {
        close();
        keyEvent->accept();
        return true;
    }
    if (virtualKey != 0) {
        int key = Form_KeyDown(virtualKey, shift);
        if (key != 0 && watched != this) {
            key = Control_KeyDown(watched, key, shift);
        }
        if (key == 0) {
            keyEvent->accept();
            return true;
        }
    }
    const int ascii = AsciiOf(*keyEvent, virtualKey);
    if (ascii != 0 && Control_KeyPress(watched, ascii) == 0) {
        keyEvent->accept();
        return true;
    }
    // Deliver the key ourselves, so that its propagation to the parents is not previewed a
    // second time, then stop the outer delivery.
    delivering_ = true;
    QCoreApplication::sendEvent(watched, e);
    delivering_ = false;
    keyEvent->accept();
    return true;
}

bool Form::OwnBoxIsOpen() const {
    for (const QWidget* child : findChildren<QWidget*>()) {
        if (child->isWindow() && child->isVisible() &&
            qobject_cast<const Form*>(child) == nullptr) {
            return true;
        }
    }
    return false;
}

void Form::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void Form::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    ShowInFront();
    QEventLoop loop;
    modalLoop_ = &loop;
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    modalLoop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
}

void Form::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (modalLoop_ != nullptr) {
        modalLoop_->quit();
    }
}

void Form::closeEvent(QCloseEvent* e) {
    if (Form_QueryUnload()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void Form::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

} // namespace lumra
