#pragma once
// The arithmetic of the window layout: the designed geometry of each window, the scale factor
// of the main window, the centring offsets, the scaled records, the placing of a text window's
// pane and close button, and the maximised-flag rule.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumra {

// One control's designed place in design units (pixels at scale 1); the font in points.
struct GeometryRecord {
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::int16_t fontSize = 0; // 0: the control keeps its font
    bool hasSize = true;       // false: the short form, whose size follows from its content
};

struct DesignGeometry {
    std::int16_t clientWidth = 0;
    std::int16_t clientHeight = 0;
    std::vector<std::pair<std::string, GeometryRecord>> controls; // by control name
    const GeometryRecord* FindControl(const std::string& name) const {
        for (const auto& [control, record] : controls) {
            if (control == name) {
                return &record;
            }
        }
        return nullptr;
    }
};

// The recorded design of every window, by window name ("Form1" ... "Form13").
struct LayoutState {
    std::map<std::string, DesignGeometry> designs;
    bool layingOut = false; // the main window's layout is running
    const DesignGeometry* Find(const std::string& window) const {
        const auto it = designs.find(window);
        return it == designs.end() ? nullptr : &it->second;
    }
};

struct Offset {
    int x = 0;
    int y = 0;
};

struct ScaledGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double fontSize = 0; // points; 0 when the record keeps the font
};

// A design value times the scale, rounded.
int ScaledValue(int value, float scale);

// The scale that is applied: never below 1.
float AppliedScale(float layoutScale);

// The smaller of the two client-to-design ratios; 1 when the design is empty.
float MainWindowScale(int clientWidth, int clientHeight, const DesignGeometry& design);

// Half of what the scaled design leaves free in the client area, in each direction.
Offset CentringOffset(int clientWidth, int clientHeight, const DesignGeometry& design, float scale);

ScaledGeometry ScaleRecord(const GeometryRecord& record, float scale, Offset offset = {});

// The top-left corner that centres a window of the given size on the screen.
Offset CentreOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

enum class WindowShow { Normal, Minimised, Maximised };

// The maximised flag follows the window; true when the window has just come back from
// maximised and is to be centred.
bool StepMaximisedFlag(WindowShow show, std::uint8_t& flag);

// The pane of a text window fills its width less paneMargin and reaches down to the close
// button, which is centred below it. A value that is not positive is to be left as it was.
struct TextWindowPlan {
    int paneWidth = 0;
    int paneHeight = 0;
    int buttonLeft = 0;
    int buttonTop = 0;
};
TextWindowPlan PlanTextWindow(int clientWidth, int clientHeight, int paneTop, int buttonWidth,
                              int buttonHeight, int paneMargin);

} // namespace lumra
