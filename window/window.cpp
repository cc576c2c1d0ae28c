// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <QDesktopServices>
#include <QDirIterator>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QScreen>
#include <QShortcut>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "accessibility.h"
#include "code_page.h"
#include "events.h"
#include "platform.h"
#include "text.h"

namespace delvarin {
namespace {

using layout::Align;
using layout::Kind;

// The prefix switch for the keyboard is shown beside its label while Alt is
// held, and told to screen readers with the name box that has the focus at
// start and with the prefix controls.
constexpr std::u16string_view kPrefixKeyHint = u"پيشوند نام با Alt+P روشن و خاموش مي\u200Cشود";

QFont FontOf(const layout::Font& row) {
    QFont font(FamilyOf(row.face));
    font.setPointSizeF(row.points);
    font.setWeight(QFont::Normal);
    return font;
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

// The prefix switch's key, from the events table.
QKeySequence ShortcutOf(std::size_t row) {
    for (const form::EventRow& e : form::kEvents)
        if (e.row == row && e.event == form::Event::Shortcut)
            return QKeySequence(Qt::ALT | static_cast<Qt::Key>(e.key));
    return {};
}

// Whatever is typed, pasted, dropped or set goes through the form's rule for
// name boxes.
class TypedTextRule : public QValidator {
public:
    TypedTextRule(QLineEdit* box, const form::Controls& controls, std::size_t row)
        : QValidator(box), controls_(controls), row_(row) {}
    State validate(QString& input, int& pos) const override {
        const BoxEdit edit = controls_.TypedText(row_, widgets::ToText(input),
                                                 static_cast<std::size_t>(std::max(0, pos)));
        input = widgets::ToQString(edit.text);
        pos = static_cast<int>(edit.cursor);
        return Acceptable;
    }

private:
    const form::Controls& controls_;
    std::size_t row_;
};

}  // namespace

Window::Window(QWidget* parent) : widgets::Form(parent) {
    const qreal ratio = QGuiApplication::primaryScreen()
                            ? QGuiApplication::primaryScreen()->devicePixelRatio()
                            : 1.0;
    // The face first, so that no control lays out a text in another.
    form_.ProvideFace();
    // Then the pictures, on another core: started earlier, they took that
    // core from the session bus's start (a helper process where no bus is
    // running yet), which the window's first news for screen readers waits
    // for. They are done well before the window shows. Not before the
    // application exists either: the image reader looks up Qt's library
    // paths, which the application sets up meanwhile (a race, and a crash).
    pictures_ = std::async(std::launch::async, decodePictures, ratio);
    const QFont face = FontOf(layout::kPersian975);
    widgets::SetMessageFont(face);
    setFont(face);
    // The program's default too: a line edit lays out its first, empty text
    // in the default font before it takes its own, and the system's default
    // family would be looked for through every installed font.
    QGuiApplication::setFont(face);
    createWindow();
    createPictures();
    createNameInputs();
    createChoices();
    createResults();
    // Every control is made before the first one changes: Qt tells screen
    // readers of each change, and the first such news waits for the session
    // bus, which may still be starting. A drop-down given its font builds
    // its list, which is such news: the drop-downs come last.
    createDropDowns();
    applyFramingBoxes();
    applyLayout();
    applyTabOrder();
    applyAccessibility();
    connectEvents();
}

Window::~Window() = default;

namespace {

// Every picture of the window is a PNG, read by the reader Qt has built in.
// Told the format, and not to guess, the reader does not load every image
// plugin to ask each whether it reads PNG (the JPEG one loads libjpeg).
class PngReader : public QImageReader {
public:
    explicit PngReader(const QString& path) : QImageReader(path, "png") {
        setAutoDetectImageFormat(false);
    }
};

}  // namespace

Window::Pictures Window::decodePictures(qreal pixelRatio) {
    Pictures pictures;
    // Scaled for one density and for twice it when the program was built;
    // only a screen between or beyond those scales it here.
    const layout::Box photoBox = layout::RowId("Image1").row().box;
    const QSize shown =
        QSize(widgets::Pixels(photoBox.width), widgets::Pixels(photoBox.height)) * pixelRatio;
    PngReader photo(pixelRatio > 1 ? QStringLiteral(":/window/photo-2x.png")
                                   : QStringLiteral(":/window/photo-1x.png"));
    if (photo.size() != shown) photo.setScaledSize(shown);
    pictures.photo = photo.read();
    pictures.question = PngReader(QStringLiteral(":/window/question.png")).read();
    // The desktop entry's own pictures, one a size, made ready to draw.
    // No name filter: one would load a regular-expression engine for it.
    for (QDirIterator it(QStringLiteral(":/hicolor"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        pictures.icon.push_back(
            PngReader(it.next()).read().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return pictures;
}

void Window::createWindow() {
    setWindowTitle(widgets::ToQString(layout::kWindowTitle));
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
    Image1 = make<widgets::Label>("Image1");
    Image1->setScaledContents(true);
    Label4[0] = make<widgets::Label>("Label4(0)");
    Label4[1] = make<widgets::Label>("Label4(1)");
    Label8 = make<widgets::Link>("Label8");
    Line1 = make<widgets::Line>("Line1", *layout::RowId("Line1").row().fore, layout::kLineWidthPx);
    Line2 = make<widgets::Line>("Line2", *layout::RowId("Line2").row().fore, layout::kLineWidthPx);
}

void Window::createNameInputs() {
    Text1 = make<widgets::TextBox>("Text1");
    Text2 = make<widgets::TextBox>("Text2");
    Text3 = make<widgets::TextBox>("Text3");
    Text6 = make<widgets::TextBox>("Text6");
    for (const auto& [input, row] : {std::pair{Text2, form::Text2.row}, {Text6, form::Text6.row}}) {
        input->setFrame(false);  // inputs sit borderless inside a framing box
        input->setValidator(new TypedTextRule(input, form_.controls(), row));
    }
    Check1 = make<QCheckBox>("Check1");
    Label1 = make<widgets::Label>("Label1");
    Label2 = make<widgets::Label>("Label2");
    Label13 = make<widgets::Label>("Label13");
    Label14 = make<widgets::Label>("Label14");
}

void Window::createChoices() {
    Frame1 = make<QFrame>("Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    Option1 = new widgets::OptionArray(
        this, {make<QRadioButton>("Option1(0)"), make<QRadioButton>("Option1(1)")});
    Option2 = new widgets::OptionArray(
        this, {make<QRadioButton>("Option2(0)"), make<QRadioButton>("Option2(1)")});
    Label3 = make<widgets::Label>("Label3");
    Label5 = make<widgets::Label>("Label5");
    Label11 = make<widgets::Label>("Label11");
    Label12 = make<widgets::Label>("Label12");
    Label6 = make<widgets::Label>("Label6");
    Label7 = make<widgets::Label>("Label7");
    Label9 = make<widgets::Label>("Label9");
    Command2 = make<widgets::CommandButton>("Command2");
}

void Window::createResults() {
    Label10 = make<widgets::Label>("Label10");
    Text5 = make<widgets::MultiLineBox>("Text5");
    Image2 = make<widgets::Link>("Image2");
    Timer1 = new QTimer(this);
    Timer1->setInterval(layout::kTimerIntervalMs);
}

void Window::createDropDowns() {
    Combo1 = make<widgets::ComboBox>("Combo1");
    Combo2 = make<widgets::ComboBox>("Combo2");
}

void Window::applyFramingBoxes() {
    for (widgets::TextBox* framing : {Text1, Text3}) {
        framing->setMaxLength(static_cast<int>(kBoxLimit));
        framing->setFocusPolicy(Qt::NoFocus);
    }
}

void Window::applyLayout() {
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        QWidget* w = controls_[i];
        if (!w) continue;  // the timer has no place on the window
        w->setObjectName(QString::fromLatin1(row.name.data(), row.name.size()));
        if (row.kind == Kind::Line) {
            static_cast<widgets::Line*>(w)->setEnds(row.ends);
        } else {
            const layout::Box& b = row.box;
            w->setGeometry(widgets::Pixels(b.left), widgets::Pixels(b.top),
                           widgets::Pixels(b.width), widgets::Pixels(b.height));
        }
        // Set either way, so the look does not hang on the user's locale.
        w->setLayoutDirection(row.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        if (row.transparent) widgets::SetTransparent(w);
        if (row.back) widgets::SetBackColour(w, *row.back);
        if (row.fore) widgets::SetForeColour(w, *row.fore);
        w->setEnabled(row.enabled);
        if (row.pointer == layout::Pointer::Help) w->setCursor(Qt::WhatsThisCursor);

        const QString text = widgets::ToQString(row.text);
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
            case Kind::DropDown:
                static_cast<widgets::ComboBox*>(w)->showItems(form_.controls().State(i).items,
                                                              form_.controls().State(i).chosen);
                break;
            case Kind::Timer:
            case Kind::Frame:
            case Kind::OptionButton:
            case Kind::CheckBox:
            case Kind::Picture:
            case Kind::Line:
                break;
        }
    }
    // Earlier rows lie in front: raise from the back row to the front one.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (*it) (*it)->raise();
}

// As the control is made, so that it lays out its text once, in its face.
void Window::applyFont(std::size_t i) {
    const layout::ControlRow& row = layout::kRows[i];
    if (row.font) controls_[i]->setFont(FontOf(*row.font));
}

void Window::applyTabOrder() {
    const std::vector<std::size_t> order = form::TabOrder();
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        QWidget* w = controls_[i];
        if (w && std::find(order.begin(), order.end(), i) == order.end())
            w->setFocusPolicy(Qt::NoFocus);
    }
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
        if (!row.spokenName.empty()) w->setAccessibleName(widgets::ToQString(row.spokenName));
        if (!row.valueOf.empty())
            widgets::SetValueOf(w, controls_[layout::RowIndexOf(row.valueOf)]);
        if (!row.description.empty())
            w->setAccessibleDescription(widgets::ToQString(row.description));
        if (row.decorative) widgets::SetDecorative(w);
    }
    const QString hint = widgets::ToQString(kPrefixKeyHint);
    for (QWidget* prefix : {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text6),
                            static_cast<QWidget*>(Check1), static_cast<QWidget*>(Label2)}) {
        prefix->setAccessibleDescription(hint);
        prefix->setToolTip(hint);
    }
    // Alt alone shows the key beside its label, as menu bars show theirs.
    new widgets::KeyTip(ShortcutOf(layout::RowIndex("Label2")), Label2);
}

void Window::report(std::size_t row, form::Event event, int index, std::u16string_view text) {
    form_.Report({row, event, index, text});
}

// Every widget reports what the user does to it; the form decides what
// follows.
void Window::connectEvents() {
    using form::Event;
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        QWidget* w = controls_[i];
        switch (layout::kRows[i].kind) {
            case Kind::TextBox: {
                auto* box = static_cast<QLineEdit*>(w);
                connect(box, &QLineEdit::textChanged, this, [this, i](const QString& text) {
                    report(i, Event::Change, 0, widgets::ToText(text));
                });
                connect(box, &QLineEdit::returnPressed, this,
                        [this, i] { report(i, Event::Return); });
                break;
            }
            case Kind::DropDown:
                connect(static_cast<QComboBox*>(w), &QComboBox::activated, this,
                        [this, i](int index) { report(i, Event::Click, index); });
                break;
            case Kind::OptionButton:
            case Kind::CheckBox:
            case Kind::CommandButton:
                connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                        [this, i] { report(i, Event::Click); });
                break;
            case Kind::Label:
            case Kind::Picture:
                connect(static_cast<widgets::Label*>(w), &widgets::Label::clicked, this,
                        [this, i] { report(i, Event::Click); });
                break;
            case Kind::Timer:
                connect(Timer1, &QTimer::timeout, this, [this, i] { report(i, Event::Tick); });
                break;
            case Kind::ResultBox:
            case Kind::Frame:
            case Kind::Line:
                break;
        }
    }
    for (const form::EventRow& e : form::kEvents)
        if (e.event == Event::Shortcut)
            connect(new QShortcut(ShortcutOf(e.row), this), &QShortcut::activated, this,
                    [this, row = e.row] { report(row, Event::Shortcut); });
    // A window manager draws its frame only once the window is up; the full
    // width is the design's client area with that frame.
    connect(this, &widgets::Form::frameChanged, this, [this] {
        form_.FullWidth =
            static_cast<std::int32_t>(std::lround(layout::kClientWidth + frameWidth()));
    });
}

void Window::showEvent(QShowEvent* event) {
    applyPictures();
    widgets::Form::showEvent(event);
}

// Once: before the window shows, or before a message that comes first (the
// "Salam" warning), whose own title bar takes the window's icon.
void Window::applyPictures() {
    if (!pictures_.valid()) return;
    Pictures pictures = pictures_.get();
    Image1->setPixmap(QPixmap::fromImage(std::move(pictures.photo)));
    Image2->setPixmap(QPixmap::fromImage(std::move(pictures.question)));
    QIcon icon;
    for (QImage& image : pictures.icon) icon.addPixmap(QPixmap::fromImage(std::move(image)));
    setWindowIcon(icon);
}

void Window::resizeEvent(QResizeEvent* event) {
    widgets::Form::resizeEvent(event);
    // What the narrowed window hides whole is hidden: nothing lays it out
    // or tells screen readers of it until the window widens. Tab skips what
    // it hides in part too.
    for (QWidget* right : {static_cast<QWidget*>(Label10), static_cast<QWidget*>(Text5),
                           static_cast<QWidget*>(Image2)})
        right->setVisible(right->x() < client()->width());
    for (QWidget* right : {static_cast<QWidget*>(Text5), static_cast<QWidget*>(Image2)})
        right->setFocusPolicy(right->geometry().right() < client()->width() ? Qt::StrongFocus
                                                                            : Qt::NoFocus);
}

void Window::ShowText(std::size_t row, std::u16string_view text) {
    QWidget* w = controls_[row];
    switch (layout::kRows[row].kind) {
        case Kind::TextBox:
            static_cast<widgets::TextBox*>(w)->setTextValue(text);
            return;
        case Kind::ResultBox:
            static_cast<widgets::MultiLineBox*>(w)->setTextValue(text);
            return;
        case Kind::Label:
            static_cast<widgets::Label*>(w)->setCaption(text);
            return;
        case Kind::Timer:
        case Kind::DropDown:
        case Kind::Frame:
        case Kind::OptionButton:
        case Kind::CommandButton:
        case Kind::CheckBox:
        case Kind::Picture:
        case Kind::Line:
            return;
    }
}

void Window::RunTimer(bool running) {
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void Window::ShowMessage(const form::Message& message) {
    applyPictures();
    widgets::MsgBox(this, message.text, message.icon, widgets::ToQString(message.title));
    report(form::kNoRow, form::Event::Closed);
}

void Window::OpenAddress(std::string_view address) {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(address.data(), address.size())));
}

int Window::SystemCodePage() const {
    return delvarin::SystemCodePage();
}

bool Window::HasFont(std::u16string_view face) const {
    return FontNamesHold(QFontDatabase::families(), widgets::ToQString(face));
}

void Window::InstalFont(std::u16string_view fileName) {
    RegisterFontFile(ProgramFilePath(widgets::ProgramFolder(), widgets::ToQString(fileName)));
}

}  // namespace delvarin
