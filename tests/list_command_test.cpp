// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_command.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <cstdio>
#include <string>
#include <vector>

#include "abjad.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "typed_text_cases.h"
#include "utf.h"

namespace delvarin {
namespace {

ListOutput RunList(std::vector<std::string_view> args) {
    return RunListCommand(args);
}

struct ExitCase {
    const char* name;
    std::vector<std::string_view> args;
    ListExit exit;
    std::string_view errStart;  // what stderr begins with
};
void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class ListCommandExit : public testing::TestWithParam<ExitCase> {};

TEST_P(ListCommandExit, AnswersWithItsCodeAndNothingElseOnStdout) {
    const ExitCase& c = GetParam();
    const ListOutput result = RunList(c.args);
    EXPECT_EQ(result.exit, c.exit) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err.substr(0, c.errStart.size()), c.errStart);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ListCommandExit,
    testing::Values(
        ExitCase{"NoArguments", {}, ListExit::Refused, "نام مادر را به فارسي وارد كنيد\n"},
        ExitCase{"NoGender", {"--mother", "مريم"}, ListExit::Refused, "جنسيت فرزند"},
        ExitCase{"PrefixNotPersian",
                 {"--mother", "مريم", "--girl", "--use-prefix", "--prefix", "Mir"},
                 ListExit::Refused,
                 "پيشوند نام"},
        ExitCase{"ForeignPlanet",
                 {"--mother", "مريم", "--boy", "--planet", "Mars"},
                 ListExit::BadUsage,
                 "delvarin-list: --planet must be an entry of group 0:\n  همه موارد\n"},
        ExitCase{"PlanetOutsideItsGroup",
                 {"--mother", "مريم", "--boy", "--group", "1", "--planet", "زهره (ثور)"},
                 ListExit::BadUsage,
                 "delvarin-list: --planet must be an entry of group 1:\n  شمس (اسد)\nusage"},
        ExitCase{"MotherTwice",
                 {"--mother", "مريم", "--boy", "--mother", "زهرا"},
                 ListExit::BadUsage,
                 "delvarin-list: --mother is given twice"},
        ExitCase{"GroupTwice",
                 {"--group", "1", "--mother", "مريم", "--group", "2"},
                 ListExit::BadUsage,
                 "delvarin-list: --group is given twice"},
        ExitCase{"LineBreakInPrefix",
                 {"--mother", "مريم", "--boy", "--use-prefix", "--prefix", "سيد\n"},
                 ListExit::BadUsage,
                 "delvarin-list: --prefix holds a control character, a line break or an "
                 "invisible"},
        ExitCase{"OverrideInMother",
                 {"--mother", "\u202Eمريم", "--boy"},
                 ListExit::BadUsage,
                 "delvarin-list: --mother holds a control character, a line break or an "
                 "invisible"},
        ExitCase{"BothGenders",
                 {"--mother", "مريم", "--boy", "--girl"},
                 ListExit::BadUsage,
                 "delvarin-list: give --boy or --girl"},
        ExitCase{"UnknownOption", {"--colour"}, ListExit::BadUsage, "delvarin-list: unknown"},
        ExitCase{"MissingValue", {"--mother"}, ListExit::BadUsage, "delvarin-list: --mother"},
        ExitCase{"GroupOutOfRange", {"--group", "4"}, ListExit::BadUsage, "delvarin-list: --group"},
        ExitCase{
            "GroupNotANumber", {"--group", "1x"}, ListExit::BadUsage, "delvarin-list: --group"},
        ExitCase{"NotUtf8", {"--mother", "\xD9"}, ListExit::BadUsage, "delvarin-list: --mother"},
        ExitCase{"StrayNotUtf8", {"\xFF\xFE"}, ListExit::BadUsage, "delvarin-list: an argument"},
        ExitCase{"MotherOverTwentyCharacters",
                 {"--mother", "ااااااااااااااااااااا", "--boy"},
                 ListExit::BadUsage,
                 "delvarin-list: --mother takes at most 20"},
        ExitCase{"EmojiPastTheLimit",
                 {"--mother", "مريممريممريممريممريم\U0001F600", "--boy"},
                 ListExit::BadUsage,
                 "delvarin-list: --mother takes at most 20"},
        ExitCase{"PrefixOverTwentyCharacters",
                 {"--mother", "مريم", "--boy", "--prefix", "سسسسسسسسسسسسسسسسسسسسس"},
                 ListExit::BadUsage,
                 "delvarin-list: --prefix takes at most 20"},
        ExitCase{"CatalogueStandsAlone",
                 {"--catalogue", "--boy"},
                 ListExit::BadUsage,
                 "delvarin-list: --catalogue"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string EngineList(NameListRequest request) {
    return Utf16ToUtf8(MakeNameList(SharedNameData(), request).text) + "\n";
}

TEST(ListCommandOutput, IsTheEngineListFollowedByOneLineFeed) {
    const ListOutput sun = RunList({"--mother", "مريم", "--boy", "--group", "1"});
    EXPECT_EQ(sun.exit, ListExit::Listed);
    EXPECT_TRUE(sun.err.empty());
    EXPECT_EQ(sun.out, EngineList({.mother = u"مريم", .boy = true, .planets = GroupChoice(1)}));
    EXPECT_TRUE(sun.out.ends_with(")\r\n- - -\n"));

    const ListOutput all = RunList(
        {"--mother", "مريم", "--girl", "--delete-letters", "--use-prefix", "--prefix", " مير "});
    EXPECT_EQ(all.out, EngineList({.convertLetters = false,
                                   .mother = u"مريم",
                                   .prefix = u" مير ",
                                   .prefixInUse = true,
                                   .planets = GroupChoice(0)}));
    EXPECT_EQ(all.out.rfind("مير ", 0), 0u);
}

TEST(ListCommandOutput, FoldsTheTypedFarsiYeh) {
    // "علی" as a modern keyboard types it is worth 110, as the catalogue's "علي".
    const ListOutput typed = RunList({"--mother", "علی", "--boy", "--group", "1"});
    EXPECT_EQ(typed.out, EngineList({.mother = u"علي", .boy = true, .planets = GroupChoice(1)}));
    // Twenty characters after folding still fit.
    const ListOutput full = RunList({"--mother", "یییییییییییییییییییی", "--girl"});
    EXPECT_EQ(full.exit, ListExit::Listed);
}

TEST(ListCommandOutput, RefusesWhatANameBoxWouldTakeOut) {
    const ListOutput plain = RunList({"--mother", "مريم", "--boy", "--group", "1"});
    for (const test::TypedCharacter& t : test::kTypedCharacters) {
        SCOPED_TRACE(t.name);
        const std::string mother = "مر" + Utf16ToUtf8(test::Utf16(t.c)) + "يم";
        const ListOutput result = RunList({"--mother", mother, "--boy", "--group", "1"});
        EXPECT_EQ(result.exit, t.kept ? ListExit::Listed : ListExit::BadUsage);
        EXPECT_EQ(result.out, t.kept ? plain.out : "");
    }
}

TEST(ListCommandOutput, PlanetLabelPicksOneEntryOfTheGroup) {
    const ListOutput pisces =
        RunList({"--mother", "مريم", "--boy", "--group", "2", "--planet", "مشتري (حوت)"});
    const ListOutput sun = RunList({"--mother", "مريم", "--boy", "--planet", "شمس (اسد)"});
    EXPECT_EQ(sun.exit, ListExit::Listed);
    EXPECT_EQ(pisces.exit, ListExit::Listed);
    EXPECT_EQ(
        pisces.out,
        EngineList({.mother = u"مريم", .boy = true, .planets = GroupChoice(2, u"مشتري (حوت)")}));
    EXPECT_EQ(sun.out, EngineList({.mother = u"مريم", .boy = true, .planets = GroupChoice(1)}));
}

TEST(ListCommandOutput, HelpGoesToStdout) {
    const ListOutput help = RunList({"--help"});
    EXPECT_EQ(help.exit, ListExit::Listed);
    EXPECT_TRUE(help.out.starts_with("usage: delvarin-list"));
    EXPECT_TRUE(help.err.empty());
    EXPECT_EQ(RunList({"--help", "--boy"}).exit, ListExit::BadUsage);
}

TEST(ListCommandOutput, CatalogueAndSignListRows) {
    const ListOutput catalogue = RunList({"--catalogue"});
    EXPECT_EQ(catalogue.out.substr(0, catalogue.out.find('\n')), "1\tGirl\tالناز");
    EXPECT_EQ(std::count(catalogue.out.begin(), catalogue.out.end(), '\n'), 6174);
    EXPECT_NE(catalogue.out.find("\n23\tBoth\tستايش\n"), std::string::npos);
    EXPECT_TRUE(catalogue.out.ends_with("\n6174\tBoy\tشداد\n"));

    const ListOutput lists = RunList({"--sign-lists"});
    EXPECT_EQ(std::count(lists.out.begin(), lists.out.end(), '\n'), 48);
    EXPECT_EQ(lists.out.rfind("BoyLists\t0\t|34|94|95|115|130|149|158|164|184|237|", 0), 0u);
    EXPECT_NE(lists.out.find("\nGirlListsDel\t11\t|"), std::string::npos);
}

// The built program itself, run through a POSIX shell: the Windows check
// compares the Windows program's bytes with these from outside.
#ifndef _WIN32
std::pair<std::string, int> RunProgram(const std::string& arguments) {
    const std::string command = std::string(DELVARIN_LIST_EXE) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(ListCommandProgram, WritesTheListAndExitCodes) {
    const auto [out, code] = RunProgram("--mother 'مريم' --boy --group 1");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out, EngineList({.mother = u"مريم", .boy = true, .planets = GroupChoice(1)}));
    EXPECT_EQ(RunProgram("--mother 'مريم'"), std::make_pair(std::string(), 2));
    EXPECT_EQ(RunProgram("--mother \"$(printf '\\377')\""), std::make_pair(std::string(), 64));
}

TEST(ListCommandProgram, AnOutputThatCannotBeWrittenFails) {
    const std::string list = "--mother 'مريم' --girl";
    EXPECT_EQ(RunProgram(list + " >/dev/full").second, 74);
    EXPECT_EQ(RunProgram(list + " >&-").second, 74);
    EXPECT_EQ(RunProgram("--catalogue >/dev/full").second, 74);
    // A refusal writes nothing to stdout, so a closed one is no failure.
    EXPECT_EQ(RunProgram("--mother 'مريم' >&-").second, 2);
}

#endif

}  // namespace
}  // namespace delvarin
