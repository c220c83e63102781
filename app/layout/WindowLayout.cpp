#include "layout/WindowLayout.h"

#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include "Application.h"
#include "export/ExportDialog.h"
#include "reading/AppendixWindow.h"
#include "reading/DesignTable.h"
#include "reading/FootnoteWindow.h"
#include "reading/GoToDialog.h"
#include "reading/HelpWindow.h"
#include "reading/MainWindow.h"
#include "reading/SuraTable.h"
#include "reading/VerseListWindow.h"
#include "search/SearchDialog.h"
#include "search/TopicsDialog.h"
#include "settings/SettingsDialog.h"

namespace lumra {

namespace {

std::int16_t Clamp16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

GeometryRecord RecordOf(const QWidget& control) {
    GeometryRecord r;
    const QRect g = control.geometry();
    r.left = Clamp16(g.x());
    r.top = Clamp16(g.y());
    r.width = Clamp16(g.width());
    r.height = Clamp16(g.height());
    r.fontSize = Clamp16(std::max(0, control.font().pointSize()));
    // A label that takes the size of its caption keeps only its place.
    r.hasSize = !control.property(kAutoSizeProperty).toBool();
    return r;
}

void RecordChildren(const QWidget& parent, DesignGeometry& design) {
    for (QObject* child : parent.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr || w->isWindow() || w->objectName().isEmpty() ||
            w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        design.controls.emplace_back(w->objectName().toStdString(), RecordOf(*w));
        // A group box's members are placed within it.
        if (qobject_cast<QGroupBox*>(w) != nullptr) {
            RecordChildren(*w, design);
        }
    }
}

template <class Window> void RecordLoaded(LayoutState& layout, const Window* window) {
    if (window != nullptr) {
        layout.designs[window->objectName().toStdString()] = RecordDesignGeometry(*window);
    }
}

// Keeps a layout from running again inside itself (a state change resizes the window).
class Reentry {
public:
    explicit Reentry(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
    ~Reentry() {
        if (entered_) {
            busy_ = false;
        }
    }
    Reentry(const Reentry&) = delete;
    Reentry& operator=(const Reentry&) = delete;
    bool Entered() const { return entered_; }

private:
    bool& busy_;
    bool entered_;
};

} // namespace

DesignGeometry RecordDesignGeometry(const QWidget& window) {
    DesignGeometry design;
    design.clientWidth = Clamp16(window.width());
    design.clientHeight = Clamp16(window.height());
    RecordChildren(window, design);
    return design;
}

DesignGeometry RecordDesignGeometry(const DesignWindow& table) {
    DesignGeometry design;
    design.clientWidth = Clamp16(table.clientWidth);
    design.clientHeight = Clamp16(table.clientHeight);
    for (const DesignControl& c : table.controls) {
        design.controls.emplace_back(c.name, GeometryRecord{Clamp16(c.left), Clamp16(c.top),
                                                            Clamp16(c.width), Clamp16(c.height),
                                                            Clamp16(c.fontSize), true});
    }
    return design;
}

void RecordAllDesignGeometry(Application& app) {
    LayoutState& layout = app.State().layout;
    // The main window's info row is re-arranged with its captions; its table is the design.
    layout.designs["Form1"] = RecordDesignGeometry(Form1::Design());
    RecordLoaded(layout, app.SearchDialog());
    RecordLoaded(layout, app.GoToDialog());
    RecordLoaded(layout, app.FootnoteWindow());
    RecordLoaded(layout, app.AppendixWindow());
    RecordLoaded(layout, app.ExportDialog());
    RecordLoaded(layout, app.TopicsDialog());
    RecordLoaded(layout, app.HelpWindow());
    RecordLoaded(layout, app.SettingsDialog());
    RecordLoaded(layout, app.VerseListWindow());
    // A dialog not loaded yet is recorded when it is first laid out (LayOutDialog): until then
    // it keeps its designed geometry, and building every dialog here would slow the start.
}

void ApplyGeometry(QWidget& control, const GeometryRecord& record, float scale, Offset offset) {
    const ScaledGeometry g = ScaleRecord(record, AppliedScale(scale), offset);
    if (g.fontSize > 0) {
        QFont font = control.font();
        font.setPointSizeF(g.fontSize);
        control.setFont(font);
    }
    control.setGeometry(g.left, g.top, std::max(0, g.width), std::max(0, g.height));
}

void ApplyPosition(QWidget& control, const GeometryRecord& record, float scale) {
    const ScaledGeometry g = ScaleRecord(record, AppliedScale(scale));
    if (g.fontSize > 0) {
        QFont font = control.font();
        font.setPointSizeF(g.fontSize);
        control.setFont(font);
    }
    control.move(g.left, g.top);
}

void CentreWindowOnScreen(QWidget& window) {
    CentreOnScreen(window);
}

void LayOutMainWindow(Application& app) {
    auto& state = app.State();
    const DesignGeometry* design = state.layout.Find("Form1");
    if (design == nullptr) {
        return; // not recorded yet: the start-up has not come so far
    }
    const Reentry guard(state.layout.layingOut);
    if (!guard.Entered()) {
        return;
    }
    Form1& w = app.MainWindow();
    if (w.isMinimized()) {
        return;
    }
    if (StepMaximisedFlag(w.isMaximized() ? WindowShow::Maximised : WindowShow::Normal,
                          state.settings.f1max)) {
        CentreWindowOnScreen(w);
    }
    const float scale = MainWindowScale(w.width(), w.height(), *design);
    if (!(scale >= 1.0f)) {
        state.layoutScale = 1.0f;
        if (w.isMaximized()) {
            w.setWindowState(w.windowState() & ~Qt::WindowMaximized);
        }
        return;
    }
    state.layoutScale = scale;
    const Offset offset = CentringOffset(w.width(), w.height(), *design, scale);
    const GeometryRecord* pane = nullptr;
    const GeometryRecord* markButton = nullptr;
    for (const auto& [name, record] : design->controls) {
        if (auto* control = w.findChild<QWidget*>(QString::fromStdString(name))) {
            ApplyGeometry(*control, record, scale, offset);
        }
        if (name == "RTB1") {
            pane = &record;
        } else if (name == "Command9") {
            markButton = &record;
        }
    }
    // In marking mode the pane ends above the topic buttons.
    if (state.markMode == 1 && pane != nullptr && markButton != nullptr) {
        if (auto* rtb = w.findChild<QWidget*>(QStringLiteral("RTB1"))) {
            const int height = markButton->top - 6 - pane->top;
            if (height > 0) {
                rtb->resize(rtb->width(), ScaledValue(height, scale));
            }
        }
    }
    w.RefreshCaptions();
    if (IsValidPosition(state.currentPosition)) {
        w.RenderPosition(state.currentPosition);
    }
    if (Form2* d = app.SearchDialog()) {
        LayOutDialog(app, *d);
    }
    if (Form3* d = app.GoToDialog()) {
        LayOutDialog(app, *d);
    }
    if (Form4* t = app.FootnoteWindow()) {
        t->LayOut();
    }
    if (Form5* t = app.AppendixWindow()) {
        t->LayOut();
    }
    if (Form7* d = app.ExportDialog()) {
        LayOutDialog(app, *d);
    }
    if (Form9* d = app.TopicsDialog()) {
        LayOutDialog(app, *d);
    }
    if (Form12* d = app.SettingsDialog()) {
        d->LayOut();
    }
    if (Form13* t = app.VerseListWindow()) {
        t->LayOut();
    }
}

void LayOutTextWindows(Application& app) {
    if (Form4* t = app.FootnoteWindow()) {
        t->LayOut();
    }
    if (Form5* t = app.AppendixWindow()) {
        t->LayOut();
    }
    if (Form13* t = app.VerseListWindow()) {
        t->LayOut();
    }
}

void LayOutDialog(Application& app, QWidget& dialog) {
    auto& state = app.State();
    const std::string name = dialog.objectName().toStdString();
    if (state.layout.Find(name) == nullptr) {
        state.layout.designs[name] = RecordDesignGeometry(dialog); // never laid out so far
    }
    if (!app.MainWindow().isVisible()) {
        return;
    }
    if (!(state.layoutScale >= 1.0f)) {
        state.layoutScale = 1.0f;
    }
    const DesignGeometry* design = state.layout.Find(name);
    const float scale = state.layoutScale;
    dialog.setFixedSize(ScaledValue(design->clientWidth, scale),
                        ScaledValue(design->clientHeight, scale));
    for (const auto& [name, record] : design->controls) {
        if (auto* control = dialog.findChild<QWidget*>(QString::fromStdString(name))) {
            if (record.hasSize) {
                ApplyGeometry(*control, record, scale);
            } else {
                ApplyPosition(*control, record, scale);
            }
        }
    }
}

} // namespace lumra
