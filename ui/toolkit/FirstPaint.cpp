#include "toolkit/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace lumra {

namespace {

// Owned by the window it watches; removes itself after the first paint.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> action)
        : QObject(&window), window_(window), action_(std::move(action)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, &window_, std::move(action_));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> action_;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> action) {
    new FirstPaintWatch(window, std::move(action)); // owned by the window
}

} // namespace lumra
