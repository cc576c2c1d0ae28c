// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QInputMethodEvent>
#include <QRegularExpression>
#include <QSignalSpy>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "name_list.h"
#include "planets.h"
#include "typed_text_cases.h"
#include "window_fixture.h"

namespace delvarin {
namespace {

using test::WindowTest;

// A thousand letters with distinct values, so a 21st character would show
// in the value: the first 17 are worth 405, the first 20 795.
QString ThousandLetters() {
    const QString cycle = QStringLiteral("ابجدهوزحطيكلمنسعفصقرشتثخذضظغ");
    QString text;
    while (text.size() < 1000) text += cycle;
    return text.left(1000);
}

// One key event carrying the whole of `text`, however odd: the fixture's
// typing pairs a high surrogate with whatever follows it.
void SendKeyText(QWidget* box, const QString& text) {
    QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, text, Qt::NoModifier);
}

void PasteInto(QWidget* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// One line per name, each "prefix name (digits)" ended by CR LF, then
// "- - -" with no line end.
testing::AssertionResult WellFormedList(const std::u16string& list, const QString& shownPrefix,
                                        qsizetype names) {
    const QStringList lines = widgets::ToQString(list).split(QStringLiteral("\r\n"));
    if (lines.size() != names + 1)
        return testing::AssertionFailure() << lines.size() - 1 << " lines for " << names;
    if (lines.back() != QStringLiteral("- - -"))
        return testing::AssertionFailure() << "ends " << lines.back().toStdString();
    const QRegularExpression line(QStringLiteral("^%1[^\\r\\n\\x{2028}\\x{2029}()]+ \\(\\d+\\)$")
                                      .arg(QRegularExpression::escape(shownPrefix)));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (!line.match(lines[i]).hasMatch())
            return testing::AssertionFailure() << "line " << i << ": " << lines[i].toStdString();
    return testing::AssertionSuccess();
}

class Hostile : public WindowTest {
protected:
    // A son under the Sun: the list is short and the request always valid.
    void sonUnderTheSun() {
        click(window->Label11);
        pickGroup(1);
    }
    NameList sunList(std::u16string mother, std::u16string prefix, bool prefixInUse) {
        return delvarin::MakeNameList(SharedNameData(), {.mother = std::move(mother),
                                                         .prefix = std::move(prefix),
                                                         .prefixInUse = prefixInUse,
                                                         .boy = true,
                                                         .planets = GroupChoice(1)});
    }
};

// A thousand characters stop at the box's twenty.

enum class Entry { Paste, Insert };
struct FloodCase {
    const char* name;
    bool prefixBox;
    Entry entry;
};
void PrintTo(const FloodCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileFlood : public Hostile, public testing::WithParamInterface<FloodCase> {
protected:
    void enter(widgets::TextBox* box, const QString& text) {
        if (GetParam().entry == Entry::Paste)
            PasteInto(box, text);
        else
            box->insert(text);
    }
};

TEST_P(HostileFlood, KeepsTwentyUnitsAndValuesThem) {
    const FloodCase& c = GetParam();
    const QString thousand = ThousandLetters();
    widgets::TextBox* box = window->Text2;
    widgets::Label* value = window->Label13;
    if (c.prefixBox) {
        click(window->Label2);
        ASSERT_TRUE(window->Text6->isEnabled());
        box = window->Text6;
        value = window->Label14;
    } else {
        type(box, "سيد");
    }
    ASSERT_EQ(box->text(), "سيد");

    // After the three letters already there, only seventeen more fit.
    box->setFocus();
    box->end(false);
    enter(box, thousand);
    EXPECT_EQ(box->text().size(), 20);
    EXPECT_EQ(box->text(), "سيد" + thousand.left(17));
    EXPECT_EQ(caption(value), "479");

    // Replacing the whole text keeps the first twenty of the flood.
    box->selectAll();
    enter(box, thousand);
    EXPECT_EQ(box->text().size(), 20);
    EXPECT_EQ(box->text(), thousand.left(20));
    EXPECT_EQ(caption(value), "795");

    // A full box takes nothing more.
    box->end(false);
    enter(box, thousand);
    EXPECT_EQ(box->text(), thousand.left(20));
    EXPECT_EQ(caption(value), "795");
    EXPECT_TRUE(messages.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileFlood,
                         testing::Values(FloodCase{"MotherPasted", false, Entry::Paste},
                                         FloodCase{"MotherInserted", false, Entry::Insert},
                                         FloodCase{"PrefixPasted", true, Entry::Paste},
                                         FloodCase{"PrefixInserted", true, Entry::Insert}),
                         [](const auto& info) { return std::string(info.param.name); });

// Characters that are no letters count nothing.

struct MarkCase {
    std::string name;
    QString mark;
    bool kept;  // a box keeps it: it changes nothing about how a line reads
};
void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<MarkCase> Marks() {
    std::vector<MarkCase> marks;
    for (const test::TypedCharacter& t : test::kTypedCharacters)
        if (t.c != 0) marks.push_back({t.name, widgets::ToQString(test::Utf16(t.c)), t.kept});
    marks.push_back({"LoneHighSurrogate", QString(QChar(0xD83D)), false});
    marks.push_back({"LoneLowSurrogate", QString(QChar(0xDE00)), false});
    marks.push_back({"CarriageReturnLineFeed", QStringLiteral("\r\n"), false});
    return marks;
}

enum class Way { Typed, Pasted };
enum class Into { Mother, Prefix };

class HostileMarks : public Hostile,
                     public testing::WithParamInterface<std::tuple<MarkCase, Way, Into>> {
protected:
    // The letters with the mark before, between and after them.
    void enter(widgets::TextBox* box, const QString& letters) {
        const auto& [c, way, into] = GetParam();
        if (way == Way::Pasted) {
            QString marked = c.mark;
            for (QChar letter : letters) marked += QString(letter) + c.mark;
            PasteInto(box, marked);
            return;
        }
        box->setFocus();
        SendKeyText(box, c.mark);
        for (QChar letter : letters) {
            SendKeyText(box, QString(letter));
            SendKeyText(box, c.mark);
        }
    }
};

TEST_P(HostileMarks, CountNothingAndNeverBreakALine) {
    const auto& [c, way, into] = GetParam();
    const QString mother = QStringLiteral("مريم");
    const QString prefix = QStringLiteral("سيد");
    auto expected = [&](const QString& letters) {
        QString marked = c.mark;
        for (QChar letter : letters) marked += QString(letter) + c.mark;
        // A typed control character is no key text, so never reaches the box.
        const bool typedControl =
            way == Way::Typed && c.mark.at(0).category() == QChar::Other_Control;
        return c.kept && !typedControl ? marked : letters;
    };

    type(window->Text2, into == Into::Mother ? QString() : mother);
    if (into == Into::Mother) enter(window->Text2, mother);
    click(window->Label2);
    if (into == Into::Prefix) {
        window->Text6->selectAll();
        window->Text6->del();
        enter(window->Text6, prefix);
    }
    const QString motherShown = into == Into::Mother ? expected(mother) : mother;
    const QString prefixShown = into == Into::Prefix ? expected(prefix) : prefix;
    EXPECT_EQ(window->Text2->text(), motherShown);
    EXPECT_EQ(window->Text6->text(), prefixShown);
    EXPECT_EQ(caption(into == Into::Mother ? window->Label13 : window->Label14),
              into == Into::Mother ? "290" : "74");

    sonUnderTheSun();
    click(window->Command2);
    ASSERT_TRUE(messages.calls.empty());
    ASSERT_TRUE(window->Timer1->isActive());
    // The tick's handler, run at once: HostilePresses waits for real ticks,
    // and waiting here would cost half a second a case.
    window->form().Timer1_Timer();
    const std::u16string list = window->Text5->textValue();
    const NameList engine =
        sunList(motherShown.toStdU16String(), prefixShown.toStdU16String(), true);
    EXPECT_EQ(list, engine.text);
    // "سيد" takes the prefix's remainder to 2: the Sun then lists 281 names.
    EXPECT_EQ(engine.lines, 281);
    EXPECT_TRUE(WellFormedList(list, prefixShown + ' ', 281));
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, HostileMarks,
    testing::Combine(testing::ValuesIn(Marks()), testing::Values(Way::Typed, Way::Pasted),
                     testing::Values(Into::Mother, Into::Prefix)),
    [](const auto& info) {
        // No structured binding: its comma would split the macro.
        return std::get<0>(info.param).name +
               (std::get<1>(info.param) == Way::Pasted ? "_Pasted" : "_Typed") +
               (std::get<2>(info.param) == Into::Prefix ? "_IntoThePrefix" : "_IntoTheMother");
    });

// The box limit never splits a surrogate pair.

TEST_F(Hostile, APairThatWouldNotFitIsLeftOut) {
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    type(window->Text2, QString(19, u'ا'));
    PasteInto(window->Text2, emoji);
    EXPECT_EQ(window->Text2->text(), QString(19, u'ا'));
    keys(window->Text2, emoji);
    EXPECT_EQ(window->Text2->text(), QString(19, u'ا'));
    window->Text2->backspace();
    PasteInto(window->Text2, emoji + emoji);
    EXPECT_EQ(window->Text2->text(), QString(18, u'ا') + emoji);
    EXPECT_EQ(caption(window->Label13), "18");
}

// Many presses, one timer, one list per tick.

class HostilePresses : public Hostile {};

TEST_F(HostilePresses, ManyPressesMakeOneListPerTick) {
    type(window->Text2, "مريم");
    sonUnderTheSun();
    const std::u16string expected = sunList(u"مريم", u"سيد", false).text;
    const int interval = window->Timer1->interval();

    QSignalSpy ticks(window->Timer1, &QTimer::timeout);
    int listsStarted = 0;
    std::vector<bool> armedWhileWriting;
    std::vector<bool> armedAfterTick;
    // Declared last, so its connections end before what the slots touch.
    QObject guard;
    // Text5 changes only inside MakeNameList; an empty box is a list starting.
    QObject::connect(window->Text5, &QPlainTextEdit::textChanged, &guard, [&] {
        if (window->Text5->document()->isEmpty()) ++listsStarted;
        armedWhileWriting.push_back(window->Timer1->isActive());
    });
    // Connected after Timer1_Timer, so this runs once the list is made.
    QObject::connect(window->Timer1, &QTimer::timeout, &guard,
                     [&] { armedAfterTick.push_back(window->Timer1->isActive()); });

    click(window->Command2);
    ASSERT_TRUE(window->Timer1->isActive());
    QTest::qWait(interval / 4);
    ASSERT_TRUE(window->Timer1->isActive());
    ASSERT_EQ(ticks.count(), 0);
    // Further presses leave the running period alone: the tick does not move.
    const int remaining = window->Timer1->remainingTime();
    for (int i = 0; i < 19; ++i) click(window->Command2);
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_LE(window->Timer1->remainingTime(), remaining);
    EXPECT_EQ(listsStarted, 0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= 1; }, 4 * interval));
    EXPECT_EQ(listsStarted, 1);
    EXPECT_FALSE(window->Timer1->isActive());
    QTest::qWait(3 * interval);
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_EQ(listsStarted, 1);
    EXPECT_EQ(window->Text5->textValue(), expected);

    for (int i = 0; i < 20; ++i) click(window->Command2);
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->outerWidth(), window->form().FullWidth);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= 2; }, 4 * interval));
    QTest::qWait(3 * interval);
    EXPECT_EQ(ticks.count(), 2);
    EXPECT_EQ(listsStarted, 2);
    EXPECT_EQ(window->Text5->textValue(), expected);
    EXPECT_TRUE(messages.calls.empty());

    // The timer was off before the first line went in, and stayed off.
    ASSERT_FALSE(armedWhileWriting.empty());
    EXPECT_EQ(std::count(armedWhileWriting.begin(), armedWhileWriting.end(), true), 0);
    EXPECT_EQ(armedAfterTick, std::vector<bool>(2, false));
}

// A pasted Farsi yeh is folded as a typed one is.

struct YehCase {
    const char* name;
    bool prefixBox;
    QString pasted;
    QString shown;
    QString value;
};
void PrintTo(const YehCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileYeh : public Hostile, public testing::WithParamInterface<YehCase> {};

TEST_P(HostileYeh, PastedYehIsFolded) {
    const YehCase& c = GetParam();
    widgets::TextBox* box = window->Text2;
    widgets::Label* value = window->Label13;
    if (c.prefixBox) {
        click(window->Label2);
        box = window->Text6;
        value = window->Label14;
    }
    box->setFocus();
    box->selectAll();
    PasteInto(box, c.pasted);
    EXPECT_EQ(box->text(), c.shown);
    EXPECT_FALSE(box->text().contains(u'\u06CC'));
    EXPECT_EQ(caption(value), c.value);
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileYeh,
                         testing::Values(YehCase{"LoneYeh", false, "ی", "ي", "10"},
                                         YehCase{"Ali", false, "علی", "علي", "110"},
                                         YehCase{"AliInPrefix", true, "علی", "علي", "110"},
                                         YehCase{"ThousandYehs", false, QString(1000, u'\u06CC'),
                                                 QString(20, u'\u064A'), "200"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileYeh, PastedAmongTypedLetters) {
    type(window->Text2, "عل");
    PasteInto(window->Text2, "ی");
    EXPECT_EQ(window->Text2->textValue(), u"علي");
    EXPECT_EQ(caption(window->Label13), "110");
}

// The result box takes no edits.

struct EditCase {
    const char* name;
    void (*edit)(QPlainTextEdit* box);
};
void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

void TypePersian(QPlainTextEdit* box) {
    for (QChar c : QStringLiteral("سلام")) SendKeyText(box, QString(c));
}
void TypeLatin(QPlainTextEdit* box) {
    QTest::keyClicks(box, "abc");
}
void PressReturn(QPlainTextEdit* box) {
    QTest::keyClick(box, Qt::Key_Return);
}
void Backspace(QPlainTextEdit* box) {
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Backspace);
}
void DeleteSelection(QPlainTextEdit* box) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
}
void CutSelection(QPlainTextEdit* box) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
}
void PasteKeys(QPlainTextEdit* box) {
    QApplication::clipboard()->setText(QStringLiteral("مريم"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}
void PasteOverSelection(QPlainTextEdit* box) {
    QApplication::clipboard()->setText(QStringLiteral("مريم"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
}
void PasteSlot(QPlainTextEdit* box) {
    QApplication::clipboard()->setText(QStringLiteral("مريم"));
    box->paste();
}
// Delivered as a platform input method delivers: only to a control that
// answers that it takes input-method text.
void InputMethodCommit(QPlainTextEdit* box) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(box, &query);
    if (!query.value(Qt::ImEnabled).toBool()) return;
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("سلام"));
    QApplication::sendEvent(box, &event);
}

const EditCase kEdits[] = {
    {"TypedPersian", TypePersian},
    {"TypedLatin", TypeLatin},
    {"Return", PressReturn},
    {"Backspace", Backspace},
    {"DeleteSelection", DeleteSelection},
    {"CutSelection", CutSelection},
    {"PasteKeys", PasteKeys},
    {"PasteOverSelection", PasteOverSelection},
    {"PasteSlot", PasteSlot},
    {"InputMethodCommit", InputMethodCommit},
};

enum class Shown { Greeting, MadeList };
void PrintTo(Shown shown, std::ostream* os) {
    *os << (shown == Shown::Greeting ? "greeting" : "made list");
}

class HostileResultBox : public Hostile,
                         public testing::WithParamInterface<std::tuple<EditCase, Shown>> {};

// Qt's read-only plain-text box still takes input-method text; the result box
// must refuse it as it refuses keys (the InputMethodCommit cases).
TEST_P(HostileResultBox, TextNeverChanges) {
    const auto& [c, shown] = GetParam();
    if (shown == Shown::MadeList) {
        type(window->Text2, "مريم");
        sonUnderTheSun();
        click(window->Command2);
        ASSERT_TRUE(window->Timer1->isActive());
        window->form().Timer1_Timer();
        ASSERT_TRUE(WellFormedList(window->Text5->textValue(), QString(), 266));
    }
    // What the box shows, not the text it was given.
    const std::u16string before = shownResult();
    ASSERT_FALSE(before.empty());
    window->Text5->setFocus();
    window->Text5->moveCursor(QTextCursor::Start);
    c.edit(window->Text5);
    EXPECT_EQ(shownResult(), before);
    EXPECT_TRUE(window->Text5->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileResultBox,
                         testing::Combine(testing::ValuesIn(kEdits),
                                          testing::Values(Shown::Greeting, Shown::MadeList)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Shown::MadeList ? "_OnAList"
                                                                                : "_OnTheGreeting");
                         });

}  // namespace
}  // namespace delvarin
