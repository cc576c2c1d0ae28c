// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QScreen>
#include <QShortcut>
#include <QValidator>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "abjad.h"
#include "accessibility.h"
#include "check.h"
#include "code_page.h"
#include "name_list.h"
#include "planets.h"
#include "platform.h"
#include "text.h"

namespace delvarin {
namespace {

using layout::Align;
using layout::Face;
using layout::Kind;

constexpr int kAnsiArabic = 1256;
const QString kFaceName = QStringLiteral("IranSansZ");
const QString kFontFile = QStringLiteral("iransansz-webfont.ttf");
// The prefix switch for the keyboard: shown beside its label while Alt is
// held, and told to screen readers with the name box that has the focus at
// start and with the prefix controls.
const QKeySequence kPrefixKey(Qt::ALT | Qt::Key_P);
constexpr std::u16string_view kPrefixKeyHint = u"پيشوند نام با Alt+P روشن و خاموش مي\u200Cشود";

QString FamilyOf(Face face) {
    switch (face) {
        case Face::IranSansZ:
            return kFaceName;
        case Face::Arial:
            return QStringLiteral("Arial");
        case Face::Verdana:
            return QStringLiteral("Verdana");
    }
    return {};
}

Qt::Alignment AlignmentOf(Align align) {
    // Absolute, so a right-to-left control does not mirror its alignment.
    switch (align) {
        case Align::Left:
            return Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter;
        case Align::Right:
            return Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter;
        case Align::Centre:
            return Qt::AlignCenter;
    }
    return {};
}

// Whatever is typed, pasted, dropped or set goes through the engine's rule
// for name boxes, which needs the text as it stood before the edit.
class TypedTextRule : public QValidator {
public:
    explicit TypedTextRule(QLineEdit* box) : QValidator(box) {
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { accepted_ = vb::ToText(text); });
    }
    State validate(QString& input, int& pos) const override {
        const BoxEdit edit =
            EditBoxText(accepted_, vb::ToText(input), static_cast<std::size_t>(std::max(0, pos)));
        input = vb::ToQString(edit.text);
        pos = static_cast<int>(edit.cursor);
        return Acceptable;
    }

private:
    std::u16string accepted_;
};

}  // namespace

Form1::Form1(QWidget* parent) : vb::Form(parent), data_(std::make_unique<NameData>()) {
    photo_ = std::async(std::launch::async, [] { return QImage(QStringLiteral(":/photo.jpg")); });
    icon_ = std::async(std::launch::async, [] {
        QList<QImage> images;
        QImageReader reader(QStringLiteral(":/delvarin.ico"));
        for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
            images.push_back(reader.read());
        return images;
    });
    createWindow();
    createPictures();
    createNameInputs();
    createChoices();
    createResults();
    applyLayout();
    applyTabOrder();
    applyAccessibility();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::createWindow() {
    setWindowTitle(vb::ToQString(layout::kWindowTitle));
    // Close only, or no frame at all where the window draws its own.
    const Qt::WindowFlags frame = drawsOwnFrame() ? Qt::WindowFlags(Qt::FramelessWindowHint)
                                                  : Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | frame);
    setClientSize(layout::kClientWidth, layout::kClientHeight);
    // A platform that knows its window frame before the window is shown
    // reports it once the native window exists.
    winId();
    // Centred for the full width, so the widened window stands centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form1::createPictures() {
    Image1 = make<vb::Label>("Image1");
    Image1->setScaledContents(true);
    Label4[0] = make<vb::Label>("Label4(0)");
    Label4[1] = make<vb::Label>("Label4(1)");
    Label8 = make<vb::Link>("Label8");
    Line1 = make<vb::Line>("Line1", *layout::RowId("Line1").row().fore, layout::kLineWidthPx);
    Line2 = make<vb::Line>("Line2", *layout::RowId("Line2").row().fore, layout::kLineWidthPx);
}

void Form1::createNameInputs() {
    Text1 = make<vb::TextBox>("Text1");
    Text2 = make<vb::TextBox>("Text2");
    Text3 = make<vb::TextBox>("Text3");
    Text6 = make<vb::TextBox>("Text6");
    for (vb::TextBox* input : {Text2, Text6}) {
        input->setFrame(false);  // inputs sit borderless inside a framing box
        input->setValidator(new TypedTextRule(input));
    }
    for (vb::TextBox* framing : {Text1, Text3}) {
        framing->setMaxLength(static_cast<int>(kBoxLimit));
        framing->setFocusPolicy(Qt::NoFocus);
    }
    Check1 = make<vb::CheckBox>("Check1");
    Label1 = make<vb::Label>("Label1");
    Label2 = make<vb::Label>("Label2");
    Label13 = make<vb::Label>("Label13");
    Label14 = make<vb::Label>("Label14");
}

void Form1::createChoices() {
    Frame1 = make<QFrame>("Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    Option1 = new vb::OptionArray(
        this, {make<QRadioButton>("Option1(0)"), make<QRadioButton>("Option1(1)")});
    Option2 = new vb::OptionArray(
        this, {make<QRadioButton>("Option2(0)"), make<QRadioButton>("Option2(1)")});
    Label3 = make<vb::Label>("Label3");
    Label5 = make<vb::Label>("Label5");
    Label11 = make<vb::Label>("Label11");
    Label12 = make<vb::Label>("Label12");
    Combo1 = make<vb::ComboBox>("Combo1");
    for (std::u16string_view group : kPlanetGroupNames) Combo1->addListItem(group);
    Combo1->setCurrentIndex(-1);
    Combo2 = make<vb::ComboBox>("Combo2");
    Label6 = make<vb::Label>("Label6");
    Label7 = make<vb::Label>("Label7");
    Label9 = make<vb::Label>("Label9");
    Command2 = make<vb::CommandButton>("Command2");
}

void Form1::createResults() {
    Label10 = make<vb::Label>("Label10");
    Text5 = make<vb::MultiLineBox>("Text5");
    Image2 = make<vb::Link>("Image2");
    Image2->setPixmap(QPixmap(QStringLiteral(":/question.gif")));
    Timer1 = new vb::Timer(this, layout::kTimerIntervalMs);
}

void Form1::applyLayout() {
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        QWidget* w = controls_[i];
        if (!w) continue;  // the timer has no place on the window
        w->setObjectName(QString::fromLatin1(row.name.data(), row.name.size()));
        if (row.kind == Kind::Line) {
            static_cast<vb::Line*>(w)->setEnds(row.ends);
        } else {
            const layout::Box& b = row.box;
            w->setGeometry(vb::Pixels(b.left), vb::Pixels(b.top), vb::Pixels(b.width),
                           vb::Pixels(b.height));
        }
        // Set either way, so the look does not hang on the user's locale.
        w->setLayoutDirection(row.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        if (row.transparent) vb::SetTransparent(w);
        if (row.back) vb::SetBackColour(w, *row.back);
        if (row.fore) vb::SetForeColour(w, *row.fore);
        w->setEnabled(row.enabled);
        if (row.pointer == layout::Pointer::Help) w->setCursor(Qt::WhatsThisCursor);

        const QString text = vb::ToQString(row.text);
        switch (row.kind) {
            case Kind::Label:
                static_cast<QLabel*>(w)->setText(text);
                static_cast<QLabel*>(w)->setAlignment(AlignmentOf(row.align));
                break;
            case Kind::TextBox:
                static_cast<QLineEdit*>(w)->setText(text);
                static_cast<QLineEdit*>(w)->setAlignment(AlignmentOf(row.align));
                break;
            case Kind::CommandButton:
                static_cast<QPushButton*>(w)->setText(text);
                break;
            case Kind::ResultBox: {
                Text5->setTextValue(row.text);
                QTextOption option = Text5->document()->defaultTextOption();
                option.setAlignment(AlignmentOf(row.align));
                option.setTextDirection(Qt::RightToLeft);
                Text5->document()->setDefaultTextOption(option);
                break;
            }
            case Kind::Timer:
            case Kind::DropDown:
            case Kind::Frame:
            case Kind::OptionButton:
            case Kind::CheckBox:
            case Kind::Picture:
            case Kind::Line:
                break;
        }
    }
    applyFonts();
    // Earlier rows lie in front: raise from the back row to the front one.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (*it) (*it)->raise();
}

void Form1::applyFonts() {
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        QWidget* w = controls_[i];
        if (!w || !row.font) continue;
        QFont font(FamilyOf(row.font->face));
        font.setPointSizeF(row.font->points);
        font.setWeight(QFont::Normal);
        // Resetting first makes a control resolve the face afresh, as it must
        // once the face has been registered.
        w->setFont(QFont());
        w->setFont(font);
    }
    QFont messages(kFaceName);
    messages.setPointSizeF(layout::kPersian975.points);
    vb::SetMessageFont(messages);
}

void Form1::applyTabOrder() {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        QWidget* w = controls_[i];
        if (!w) continue;
        switch (row.kind) {
            case Kind::DropDown:
            case Kind::OptionButton:
            case Kind::TextBox:
            case Kind::ResultBox:
            case Kind::CommandButton:
            case Kind::CheckBox:
                if (row.tabIndex) order.push_back(i);
                break;
            case Kind::Timer:
            case Kind::Frame:
            case Kind::Label:
            case Kind::Picture:
            case Kind::Line:
                // The two links are reached last; nothing else here is.
                if (!qobject_cast<vb::Link*>(w)) w->setFocusPolicy(Qt::NoFocus);
                break;
        }
    }
    auto key = [](std::size_t i) {
        return layout::kRows[i].tabIndex.value_or(INT_MAX);
    };
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    std::vector<std::size_t> links;
    for (std::size_t i = 0; i < layout::kRows.size(); ++i)
        if (qobject_cast<vb::Link*>(controls_[i])) links.push_back(i);
    std::sort(links.begin(), links.end(),
              [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    order.insert(order.end(), links.begin(), links.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(controls_[order[i - 1]], controls_[order[i]]);
    // The window opens with the focus in the mother's name box.
    controls_[order.front()]->setFocus();
}

void Form1::applyAccessibility() {
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        QWidget* w = controls_[i];
        if (!w) continue;
        if (!row.labelledBy.empty()) {
            auto* caption = static_cast<QLabel*>(controls_[layout::RowIndexOf(row.labelledBy)]);
            w->setAccessibleName(caption->text());
            // The first control a caption names is its buddy: the relation
            // screen readers follow from a control to its label.
            if (!caption->buddy()) caption->setBuddy(w);
        }
        if (!row.spokenName.empty()) w->setAccessibleName(vb::ToQString(row.spokenName));
        if (!row.valueOf.empty()) vb::SetValueOf(w, controls_[layout::RowIndexOf(row.valueOf)]);
        if (!row.description.empty()) w->setAccessibleDescription(vb::ToQString(row.description));
        if (row.decorative) vb::SetDecorative(w);
    }
    const QString hint = vb::ToQString(kPrefixKeyHint);
    for (QWidget* prefix : {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text6),
                            static_cast<QWidget*>(Check1), static_cast<QWidget*>(Label2)}) {
        prefix->setAccessibleDescription(hint);
        prefix->setToolTip(hint);
    }
    // Alt alone shows the key beside its label, as menu bars show theirs.
    new vb::KeyTip(kPrefixKey, Label2);
}

void Form1::connectHandlers() {
    connect(Combo1, &vb::ComboBox::clicked, this, &Form1::Combo1_Click);
    connect(Combo2, &vb::ComboBox::clicked, this, &Form1::Combo2_Click);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Form1::Text6_Change);
    connect(Label2, &vb::Label::clicked, this, &Form1::Label2_Click);
    connect(new QShortcut(kPrefixKey, this), &QShortcut::activated, this, &Form1::Label2_Click);
    connect(Label3, &vb::Label::clicked, this, &Form1::Label3_Click);
    connect(Label5, &vb::Label::clicked, this, &Form1::Label5_Click);
    connect(Label11, &vb::Label::clicked, this, &Form1::Label11_Click);
    connect(Label12, &vb::Label::clicked, this, &Form1::Label12_Click);
    connect(Option2, &vb::OptionArray::clicked, this, &Form1::Option2_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    // Enter in a name box asks for the list, as the button does.
    connect(Text2, &QLineEdit::returnPressed, Command2, &QPushButton::click);
    connect(Text6, &QLineEdit::returnPressed, Command2, &QPushButton::click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Image2, &vb::Link::clicked, this, &Form1::Image2_Click);
    connect(Label8, &vb::Link::clicked, this, &Form1::Label8_Click);
    // A window manager draws its frame only once the window is up; the full
    // width is the design's client area with that frame.
    connect(this, &vb::Form::frameChanged, this, [this] {
        FullWidth = static_cast<std::int32_t>(std::lround(layout::kClientWidth + frameWidth()));
    });
}

void Form1::showEvent(QShowEvent* event) {
    if (photo_.valid()) Image1->setPixmap(QPixmap::fromImage(photo_.get()));
    if (icon_.valid()) {
        QIcon icon;
        for (const QImage& image : icon_.get()) icon.addPixmap(QPixmap::fromImage(image));
        setWindowIcon(icon);
    }
    vb::Form::showEvent(event);
}

void Form1::resizeEvent(QResizeEvent* event) {
    vb::Form::resizeEvent(event);
    // Tab skips what the narrowed window hides.
    for (QWidget* right : {static_cast<QWidget*>(Text5), static_cast<QWidget*>(Image2)})
        right->setFocusPolicy(right->geometry().right() < client()->width() ? Qt::StrongFocus
                                                                            : Qt::NoFocus);
}

void Form1::Form_Load() {
    CheckANSICodePage();
    if (!HasFont(kFaceName)) InstalFont(kFontFile);
    Combo1->setListIndex(0);
    Option1->select(1);
    Check1->setValue(0);
    Check1->setEnabled(false);
    vb::SetBackColour(Text3, layout::kButtonFace);
    vb::SetBackColour(Text6, layout::kButtonFace);
    Text6->setEnabled(false);
    Label9->setCaption(u"");
    FullWidth = static_cast<std::int32_t>(std::lround(outerWidth()));
    setOuterWidth(layout::kNarrowWidth);
    Label13->setCaption(u"");
    Label14->setCaption(u"");
    ReadData(*data_);
}

void Form1::CheckANSICodePage() {
    if (SystemCodePage() != kAnsiArabic)
        vb::MsgBox(this, u"Change 'Language for non-Unicode programs' to Persian!",
                   vb::MessageIcon::Critical, QStringLiteral("Salam"));
}

vb::Boolean Form1::HasFont(const QString& face) {
    return vb::ToBoolean(FontNamesHold(QFontDatabase::families(), face));
}

void Form1::InstalFont(const QString& fileName) {
    RegisterFontFile(ProgramFilePath(vb::ProgramFolder(), fileName));
    // The controls took their fonts before the face existed; let them take it now.
    applyFonts();
}

void Form1::Combo1_Click() {
    const int count = Combo2->listCount();
    for (int i = 0; i < count; ++i) Combo2->removeListItem(0);
    const auto group = PlanetGroupEntries(Combo1->listIndex());
    if (!group) return;
    for (std::size_t i = 0; i < group->labels.size(); ++i) {
        Combo2->addListItem(group->labels[i]);
        if (static_cast<int>(i) == group->selected) Combo2->setListIndex(Combo2->newIndex());
    }
}

void Form1::Combo2_Click() {
    const auto entry = FindPlanet(Combo2->list(Combo2->listIndex()));
    Label9->setCaption(entry ? entry->description : u"");
}

void Form1::Text2_Change() {
    const bool convertLetters = !Option1->value(0);
    Label13->setCaption(ValueText(Text2->textValue(), convertLetters));
}

void Form1::Text6_Change() {
    const bool convertLetters = !Option1->value(0);
    Label14->setCaption(ValueText(Text6->textValue(), convertLetters));
}

void Form1::Label2_Click() {
    if (Check1->value() == 1) {
        vb::SetBackColour(Text3, layout::kButtonFace);
        vb::SetBackColour(Text6, layout::kButtonFace);
        Text6->setEnabled(false);
        Check1->setValue(0);
        Text2->setFocus();
        Label14->setCaption(u"");
    } else {
        vb::SetBackColour(Text3, layout::kLightYellow);
        vb::SetBackColour(Text6, layout::kLightYellow);
        Text6->setEnabled(true);
        Check1->setValue(1);
        Text6->setFocus();
    }
}

void Form1::Label3_Click() {
    Option1->select(0);
}

void Form1::Label5_Click() {
    Option1->select(1);
}

void Form1::Label11_Click() {
    Option2->select(0);
    Option2_Click(0);
}

void Form1::Label12_Click() {
    Option2->select(1);
    Option2_Click(1);
}

void Form1::Option2_Click(int) {}

void Form1::Command2_Click() {
    if (!CheckComplete()) return;
    const float width = static_cast<float>(outerWidth());
    if (static_cast<double>(width) != FullWidth) {
        for (float counter = width; counter <= static_cast<float>(FullWidth - 1);
             counter += layout::kWideningStep)
            setOuterWidth(static_cast<float>(outerWidth()) + layout::kWideningStep);
        setOuterWidth(FullWidth);
    }
    Timer1->setEnabled(true);
}

void Form1::Timer1_Timer() {
    Timer1->setEnabled(false);
    MakeNameList();
}

vb::Boolean Form1::CheckComplete() {
    const CheckStatus status =
        delvarin::CheckComplete(Text2->textValue(), Option2->value(0) != 0, Option2->value(1) != 0,
                                Text6->textValue(), Check1->value());
    switch (status) {
        case CheckStatus::MayProceed:
            return vb::kTrue;
        case CheckStatus::MotherNotPersian:
        case CheckStatus::NoGender:
        case CheckStatus::PrefixNotPersian:
            vb::MsgBox(this, CheckMessage(status));
            return vb::kFalse;
    }
    return vb::kFalse;
}

void Form1::MakeNameList() {
    vb::SetMousePointer(vb::kHourglass);
    vb::SetBackColour(Text5, layout::kButtonFace);
    Text5->setEnabled(false);

    PlanetChoice planets{Combo2->list(Combo2->listIndex()), {}};
    for (int i = 0; i < Combo2->listCount(); ++i) planets.entries.push_back(Combo2->list(i));
    const NameList list = delvarin::MakeNameList(*data_, {
                                                             .convertLetters = !Option1->value(0),
                                                             .mother = Text2->textValue(),
                                                             .prefix = Text6->textValue(),
                                                             .prefixInUse = Check1->value() != 0,
                                                             .boy = Option2->value(0) != 0,
                                                             .planets = std::move(planets),
                                                         });
    switch (list.status) {
        case NameListStatus::Made:
            showList(list.text);
            break;
        case NameListStatus::PlanetNotFound:
            vb::MsgBox(this, NameListMessage(list.status));
            break;
    }
    vb::SetMousePointer(vb::kDefaultPointer);
    vb::SetBackColour(Text5, layout::kLightYellow);
    Text5->setEnabled(true);
    Text5->scrollToStart();
}

// Writes the list ten lines at a time, showing the box after the first line
// and after every tenth, so a parent sees it grow.
void Form1::showList(std::u16string_view all) {
    Text5->setTextValue(u"");
    std::size_t written = 0;
    std::size_t at = 0;
    for (int k = 0;; ++k) {
        const std::size_t end = all.find(u"\r\n", at);
        if (end == std::u16string_view::npos) break;
        at = end + 2;
        if (k % layout::kRepaintEvery == 0) {
            Text5->appendText(all.substr(written, at - written));
            written = at;
            Text5->refresh();
        }
    }
    Text5->appendText(all.substr(written));
}

void Form1::Image2_Click() {
    QDesktopServices::openUrl(BlogArticleAddress());
}

void Form1::Label8_Click() {
    QDesktopServices::openUrl(HomePageAddress());
}

}  // namespace delvarin
