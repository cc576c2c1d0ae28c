// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QChar>
#include <QGuiApplication>
#include <QWindow>

#if DELVARIN_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#endif

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <string>

namespace delvarin {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct LanguageCodePage {
    std::string_view language;
    int codePage;
};

// The ANSI code pages of Windows by language; every language not listed
// uses the Western European 1252.
constexpr std::array<LanguageCodePage, 27> kLanguages{{
    {"fa", 1256}, {"ar", 1256}, {"ur", 1256}, {"he", 1255}, {"yi", 1255}, {"el", 1253},
    {"tr", 1254}, {"az", 1254}, {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251},
    {"sr", 1251}, {"mk", 1251}, {"kk", 1251}, {"cs", 1250}, {"pl", 1250}, {"hu", 1250},
    {"sk", 1250}, {"sl", 1250}, {"hr", 1250}, {"ro", 1250}, {"lt", 1257}, {"lv", 1257},
    {"et", 1257}, {"vi", 1258}, {"th", 874},
}};

// Where the language does not tell the whole story, the territory does.
int EastAsianCodePage(std::string_view language, std::string_view territory) {
    if (language == "ja") return 932;
    if (language == "ko") return 949;
    if (language == "zh") return (territory == "tw" || territory == "hk") ? 950 : 936;
    return 0;
}

}  // namespace

int CodePageForLocale(std::string_view locale) {
    const std::string name = Lower(locale.substr(0, locale.find('@')));
    const std::size_t dot = name.find('.');
    const std::string codeset = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (codeset == "cp1256" || codeset == "windows-1256") return 1256;
    const std::string base = name.substr(0, dot);
    const std::size_t underscore = base.find('_');
    const std::string language = base.substr(0, underscore);
    const std::string territory =
        underscore == std::string::npos ? "" : base.substr(underscore + 1);
    if (const int eastAsian = EastAsianCodePage(language, territory)) return eastAsian;
    for (const auto& [lang, codePage] : kLanguages)
        if (language == lang) return codePage;
    return 1252;
}

int SystemCodePage() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return CodePageForLocale(value);
    }
    return CodePageForLocale("C");
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

// Hosts under the reserved .example domain until the project's own site is up;
// kept here so both links change in one place.
QUrl BlogArticleAddress() {
    return QUrl(QStringLiteral("http://blog.delvarin.example/Posts/272"));
}
QUrl HomePageAddress() {
    return QUrl(QStringLiteral("http://www.delvarin.example"));
}

}  // namespace delvarin
