#include "cli/ReaderStart.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace lumra::cli {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take out of the arguments.
constexpr std::array<std::string_view, 16> kValueOptions = {"platform",        "platformpluginpath",
                                                            "platformtheme",   "plugin",
                                                            "qwindowgeometry", "geometry",
                                                            "qwindowtitle",    "title",
                                                            "qwindowicon",     "icon",
                                                            "display",         "name",
                                                            "session",         "style",
                                                            "stylesheet",      "qmljsdebugger"};
constexpr std::array<std::string_view, 6> kFlagOptions = {"reverse", "widgetcount", "sync",
                                                          "nograb",  "dograb",      "testability"};

bool Among(std::string_view word, auto& table) {
    for (const std::string_view entry : table) {
        if (word == entry) {
            return true;
        }
    }
    return false;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Connects as the X platform would, through the X client library that it uses; a system
// without the library is left to Qt.
bool XDisplayAnswers(const std::string& display) {
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (xcb == nullptr) {
        return true;
    }
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool answers = true;
    if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
        void* connection = connect(display.c_str(), nullptr);
        answers = hasError(connection) == 0;
        disconnect(connection); // also frees a connection in error
    }
    dlclose(xcb);
    return answers;
}

// A Wayland display is a socket, named absolutely or in the runtime folder.
bool WaylandDisplayAnswers(const std::string& display) {
    const std::string path =
        display.starts_with('/') ? display : Environment("XDG_RUNTIME_DIR") + "/" + display;
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path || !path.starts_with('/')) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return true; // no socket to try with: Qt decides
    }
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

} // namespace

std::optional<ReaderOptions> ReaderOptionsOf(const std::vector<std::string>& args) {
    ReaderOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view word = args[i];
        if (!word.starts_with('-')) {
            return std::nullopt;
        }
        word.remove_prefix(word.starts_with("--") ? 2 : 1);
        const auto equals = word.find('=');
        const std::string_view name = word.substr(0, equals);
        if (equals == std::string_view::npos && Among(name, kFlagOptions)) {
            continue;
        }
        if (!Among(name, kValueOptions)) {
            return std::nullopt;
        }
        std::string value;
        if (equals != std::string_view::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return std::nullopt;
        }
        if (name == "platform") {
            options.platform = value;
        } else if (name == "display") {
            options.display = value;
        }
    }
    return options;
}

CliError DisplayProblem(const ReaderOptions& options) {
    std::string platform =
        options.platform.empty() ? Environment("QT_QPA_PLATFORM") : options.platform;
    // The first of a list of platforms, without its options ("xcb:option;wayland").
    platform = platform.substr(0, platform.find_first_of(";:"));
    const std::string x = options.display.empty() ? Environment("DISPLAY") : options.display;
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    const bool anyPlatform = platform.empty();
    if (!anyPlatform && platform != "xcb" && !platform.starts_with("wayland")) {
        return {}; // offscreen, a frame buffer, a remote protocol: no display of ours
    }
    const bool wantsX = anyPlatform || platform == "xcb";
    const bool wantsWayland = anyPlatform || platform != "xcb";
    if ((!wantsX || x.empty()) && (!wantsWayland || (wayland.empty() && anyPlatform))) {
        return Error(CliMessage::NoDisplay);
    }
    if (wantsWayland && (!wayland.empty() || !anyPlatform) &&
        WaylandDisplayAnswers(wayland.empty() ? "wayland-0" : wayland)) {
        return {};
    }
    if (wantsX && !x.empty() && XDisplayAnswers(x)) {
        return {};
    }
    return Error(CliMessage::DisplayUnreachable,
                 {wantsX && !x.empty()
                      ? "DISPLAY=" + x
                      : "WAYLAND_DISPLAY=" + (wayland.empty() ? "wayland-0" : wayland)});
}

} // namespace lumra::cli
