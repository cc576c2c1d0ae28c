// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include "layout.h"

#include <QChar>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QWindow>

#if DELVARIN_HAVE_WAYLAND
#include <wayland-client.h>

#include <cstring>
#endif

#if DELVARIN_HAVE_XCB
#include <xcb/xcb.h>

#include <memory>
#endif

#include <cstdint>
#include <cstdlib>

namespace delvarin {

bool FontNamesHold(const QStringList& installedNames, const QString& face) {
    const QChar nul(u'\0');
    const QString joined = nul + installedNames.join(nul) + nul;
    return joined.contains(face, Qt::CaseSensitive);
}

QString ProgramFilePath(const QString& folder, const QString& fileName) {
    return folder.endsWith(u'/') ? folder + fileName : folder + u'/' + fileName;
}

std::optional<int> NativeFrameWidth(const QWindow* window) {
#if DELVARIN_HAVE_XCB
    // The offscreen platform answers as X11 too, with no connection.
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return std::nullopt;
    const char name[] = "_NET_FRAME_EXTENTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return std::nullopt;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> extents(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()), atom->atom,
                             XCB_ATOM_CARDINAL, 0, 4),
            nullptr),
        &std::free);
    if (!extents || xcb_get_property_value_length(extents.get()) < 16) return std::nullopt;
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
    return static_cast<int>(sides[0] + sides[1]);  // left, right, top, bottom
#else
    (void)window;
    return std::nullopt;
#endif
}

bool CompositorDrawsFrames() {
#if DELVARIN_HAVE_WAYLAND
    // Qt 6.4 keeps its own connection to itself; a second one asks the
    // compositor which globals it offers.
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return false;
    bool decorates = false;
    static constexpr wl_registry_listener kListener{
        [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(data) = true;
        },
        [](void*, wl_registry*, std::uint32_t) {},
    };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kListener, &decorates);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return decorates;
#else
    return false;
#endif
}

bool RegisterFontFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) return false;
    return QFontDatabase::addApplicationFont(path) >= 0;
}

}  // namespace delvarin
