#include "layout/LayoutGeometry.h"

#include <algorithm>
#include <cmath>

namespace lumra {

int ScaledValue(int value, float scale) {
    return static_cast<int>(std::lround(static_cast<double>(value) * static_cast<double>(scale)));
}

float AppliedScale(float layoutScale) {
    // Also catches a NaN, which compares false with everything.
    return layoutScale >= 1.0f ? layoutScale : 1.0f;
}

float MainWindowScale(int clientWidth, int clientHeight, const DesignGeometry& design) {
    if (design.clientWidth <= 0 || design.clientHeight <= 0) {
        return 1.0f;
    }
    const float x = static_cast<float>(clientWidth) / static_cast<float>(design.clientWidth);
    const float y = static_cast<float>(clientHeight) / static_cast<float>(design.clientHeight);
    return std::min(x, y);
}

Offset CentringOffset(int clientWidth, int clientHeight, const DesignGeometry& design,
                      float scale) {
    const auto half = [scale](int client, int designed) {
        const double free = static_cast<double>(client) -
                            static_cast<double>(designed) * static_cast<double>(scale);
        return static_cast<int>(std::lround(free)) / 2;
    };
    return {half(clientWidth, design.clientWidth), half(clientHeight, design.clientHeight)};
}

ScaledGeometry ScaleRecord(const GeometryRecord& record, float scale, Offset offset) {
    ScaledGeometry g;
    g.left = ScaledValue(record.left, scale) + offset.x;
    g.top = ScaledValue(record.top, scale) + offset.y;
    g.width = ScaledValue(record.width, scale);
    g.height = ScaledValue(record.height, scale);
    g.fontSize = static_cast<double>(record.fontSize) * static_cast<double>(scale);
    return g;
}

Offset CentreOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {screenWidth / 2 - windowWidth / 2, screenHeight / 2 - windowHeight / 2};
}

bool StepMaximisedFlag(WindowShow show, std::uint8_t& flag) {
    switch (show) {
    case WindowShow::Minimised:
        return false;
    case WindowShow::Maximised:
        flag = 1;
        return false;
    case WindowShow::Normal:
        if (flag == 1) {
            flag = 0;
            return true;
        }
        return false;
    }
    return false;
}

TextWindowPlan PlanTextWindow(int clientWidth, int clientHeight, int paneTop, int buttonWidth,
                              int buttonHeight, int paneMargin) {
    const int b = buttonHeight + 12;
    TextWindowPlan plan;
    plan.paneWidth = clientWidth - paneMargin;
    plan.paneHeight = clientHeight - paneTop - b;
    plan.buttonTop = clientHeight - (b - 6);
    plan.buttonLeft = clientWidth / 2 - buttonWidth / 2;
    return plan;
}

} // namespace lumra
