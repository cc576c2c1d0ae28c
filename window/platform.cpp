// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include "layout.h"

#include <fontconfig/fontconfig.h>
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
#endif

#include <array>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <string_view>

namespace delvarin {
namespace {

using Families = std::array<QString, layout::kFaceNames.size()>;

// Asked as Qt asks for a family it lacks: upright, in the user's language.
QString SubstituteFor(std::string_view face) {
    const std::string name(face);
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                          &FcPatternDestroy);
    if (!pattern) return QString::fromStdString(name);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(
        FcFontMatch(nullptr, pattern.get(), &result), &FcPatternDestroy);
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch)
        return QString::fromStdString(name);
    return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

Families FindFamilies() {
    FcInit();
    Families families;
    for (std::size_t i = 0; i < families.size(); ++i)
        families[i] = i == static_cast<std::size_t>(layout::Face::IranSansZ)
                          ? QString::fromLatin1(layout::kFaceNames[i])
                          : SubstituteFor(layout::kFaceNames[i]);
    return families;
}

std::shared_future<Families>& Found() {
    static std::shared_future<Families> found;
    return found;
}

}  // namespace

void StartFindingFamilies() {
    Found() = std::async(std::launch::async, FindFamilies).share();
}

QString FamilyOf(layout::Face face) {
    if (!Found().valid()) Found() = std::async(std::launch::deferred, FindFamilies).share();
    return Found().get()[static_cast<std::size_t>(face)];
}

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
