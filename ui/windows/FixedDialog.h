#pragma once
// The layout of a fixed dialog: its designed client size times the layout scale.

#include "toolkit/Form.h"
#include "toolkit/WindowLayout.h"
#include "windows/WindowHost.h"

namespace lumra {

inline void LayOutFixedDialog(Form& dialog, WindowHost& host) {
    auto& state = host.State();
    LayOutDialog(dialog, state.layout, state.layoutScale, host.MainWindowVisible());
}

} // namespace lumra
