// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

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

#include "accessibility.h"
#include "code_page.h"
#include "planets.h"
#include "platform.h"
#include "text.h"

namespace delvarin {
namespace {

using layout::Align;
using layout::Face;
using layout::Kind;

const QString kFaceName = QStringLiteral("IranSansZ");
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

Window::Window(QWidget* parent) : vb::Form(parent) {
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

Window::~Window() = default;

void Window::createWindow() {
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

void Window::createPictures() {
    Image1 = make<vb::Label>("Image1");
    Image1->setScaledContents(true);
    Label4[0] = make<vb::Label>("Label4(0)");
    Label4[1] = make<vb::Label>("Label4(1)");
    Label8 = make<vb::Link>("Label8");
    Line1 = make<vb::Line>("Line1", *layout::RowId("Line1").row().fore, layout::kLineWidthPx);
    Line2 = make<vb::Line>("Line2", *layout::RowId("Line2").row().fore, layout::kLineWidthPx);
}

void Window::createNameInputs() {
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

void Window::createChoices() {
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

void Window::createResults() {
    Label10 = make<vb::Label>("Label10");
    Text5 = make<vb::MultiLineBox>("Text5");
    Image2 = make<vb::Link>("Image2");
    Image2->setPixmap(QPixmap(QStringLiteral(":/question.gif")));
    Timer1 = new vb::Timer(this, layout::kTimerIntervalMs);
}

void Window::applyLayout() {
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

void Window::applyFonts() {
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

void Window::applyTabOrder() {
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

void Window::applyAccessibility() {
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

void Window::connectHandlers() {
    form::Form1* f = &form_;
    connect(Combo1, &vb::ComboBox::clicked, this, [f] { f->Combo1_Click(); });
    connect(Combo2, &vb::ComboBox::clicked, this, [f] { f->Combo2_Click(); });
    connect(Text2, &QLineEdit::textChanged, this, [f] { f->Text2_Change(); });
    connect(Text6, &QLineEdit::textChanged, this, [f] { f->Text6_Change(); });
    connect(Label2, &vb::Label::clicked, this, [f] { f->Label2_Click(); });
    connect(new QShortcut(kPrefixKey, this), &QShortcut::activated, this,
            [f] { f->Label2_Click(); });
    connect(Label3, &vb::Label::clicked, this, [f] { f->Label3_Click(); });
    connect(Label5, &vb::Label::clicked, this, [f] { f->Label5_Click(); });
    connect(Label11, &vb::Label::clicked, this, [f] { f->Label11_Click(); });
    connect(Label12, &vb::Label::clicked, this, [f] { f->Label12_Click(); });
    connect(Option2, &vb::OptionArray::clicked, this, [f](int index) { f->Option2_Click(index); });
    connect(Command2, &QPushButton::clicked, this, [f] { f->Command2_Click(); });
    // Enter in a name box asks for the list, as the button does.
    connect(Text2, &QLineEdit::returnPressed, Command2, &QPushButton::click);
    connect(Text6, &QLineEdit::returnPressed, Command2, &QPushButton::click);
    connect(Timer1, &QTimer::timeout, this, [f] { f->Timer1_Timer(); });
    connect(Image2, &vb::Link::clicked, this, [f] { f->Image2_Click(); });
    connect(Label8, &vb::Link::clicked, this, [f] { f->Label8_Click(); });
    // A window manager draws its frame only once the window is up; the full
    // width is the design's client area with that frame.
    connect(this, &vb::Form::frameChanged, this, [this] {
        form_.FullWidth =
            static_cast<std::int32_t>(std::lround(layout::kClientWidth + frameWidth()));
    });
}

void Window::showEvent(QShowEvent* event) {
    if (photo_.valid()) Image1->setPixmap(QPixmap::fromImage(photo_.get()));
    if (icon_.valid()) {
        QIcon icon;
        for (const QImage& image : icon_.get()) icon.addPixmap(QPixmap::fromImage(image));
        setWindowIcon(icon);
    }
    vb::Form::showEvent(event);
}

void Window::resizeEvent(QResizeEvent* event) {
    vb::Form::resizeEvent(event);
    // Tab skips what the narrowed window hides.
    for (QWidget* right : {static_cast<QWidget*>(Text5), static_cast<QWidget*>(Image2)})
        right->setFocusPolicy(right->geometry().right() < client()->width() ? Qt::StrongFocus
                                                                            : Qt::NoFocus);
}

QWidget* Window::widget(form::Control control) const {
    switch (control) {
        case form::Control::Text2:
            return Text2;
        case form::Control::Text3:
            return Text3;
        case form::Control::Text5:
            return Text5;
        case form::Control::Text6:
            return Text6;
        case form::Control::Label9:
            return Label9;
        case form::Control::Label13:
            return Label13;
        case form::Control::Label14:
            return Label14;
        case form::Control::Combo1:
            return Combo1;
        case form::Control::Combo2:
            return Combo2;
        case form::Control::Option1:
            return (*Option1)(0);
        case form::Control::Option2:
            return (*Option2)(0);
        case form::Control::Check1:
            return Check1;
    }
    return nullptr;
}

vb::ComboBox* Window::comboBox(form::Control control) const {
    return static_cast<vb::ComboBox*>(widget(control));
}

vb::OptionArray* Window::optionArray(form::Control control) const {
    return control == form::Control::Option1 ? Option1 : Option2;
}

std::u16string Window::Text(form::Control box) const {
    if (box == form::Control::Text5) return Text5->textValue();
    return static_cast<vb::TextBox*>(widget(box))->textValue();
}

void Window::SetText(form::Control control, std::u16string_view text) {
    QWidget* w = widget(control);
    if (auto* result = qobject_cast<vb::MultiLineBox*>(w)) {
        result->setTextValue(text);
    } else if (auto* box = qobject_cast<vb::TextBox*>(w)) {
        box->setTextValue(text);
    } else {
        static_cast<vb::Label*>(w)->setCaption(text);
    }
}

void Window::MsgBox(const form::Message& message, std::function<void()> then) {
    vb::MsgBox(this, message.text, message.icon, vb::ToQString(message.title));
    if (then) then();
}

void Window::OpenAddress(std::string_view address) {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(address.data(), address.size())));
}

int Window::SystemCodePage() const {
    return delvarin::SystemCodePage();
}

bool Window::HasFont(std::u16string_view face) const {
    return FontNamesHold(QFontDatabase::families(), vb::ToQString(face));
}

void Window::InstalFont(std::u16string_view fileName) {
    RegisterFontFile(ProgramFilePath(vb::ProgramFolder(), vb::ToQString(fileName)));
    // The controls took their fonts before the face existed; let them take it now.
    applyFonts();
}

}  // namespace delvarin
