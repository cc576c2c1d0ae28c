// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <string>

#include "abjad.h"
#include "check.h"
#include "name_list.h"
#include "planets.h"
#include "platform.h"

namespace delvarin {
namespace {

constexpr int kBoxLimit = 20;
constexpr int kTimerIntervalMs = 500;
constexpr int kWideningStep = 100;
constexpr int kRepaintEvery = 10;
constexpr int kAnsiArabic = 1256;
const QString kFaceName = QStringLiteral("IranSansZ");
const QString kFontFile = QStringLiteral("iransansz-webfont.ttf");

QString FamilyOf(Face face) {
    switch (face) {
        case Face::None:
            return {};
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

// A modern Persian keyboard types the Farsi yeh; the box shows the yeh the
// catalogue uses, where it was typed, so what is shown is what is valued.
class YehFolding : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.contains(u'\u06CC')) {
            std::u16string text = input.toStdU16String();
            FoldFarsiYeh(text);
            input = vb::ToQString(text);
        }
        return Acceptable;
    }
};

std::u16string Decimal(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), data_(std::make_unique<NameData>()) {
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
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::createWindow() {
    setWindowTitle(QStringLiteral("Delvarin Chooser"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(vb::Pixels(kClientWidth), vb::Pixels(kClientHeight));
    // A platform that knows its window frame before the window is shown
    // reports it once the native window exists, so the outer widths that
    // start-up reads and sets include it.
    winId();
    // Centred for the full width, so the widened window stands centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form1::createPictures() {
    Image1 = keep(Control::Image1, new vb::Label(this));
    Image1->setScaledContents(true);
    Label4[0] = keep(Control::Label4_0, new vb::Label(this));
    Label4[1] = keep(Control::Label4_1, new vb::Label(this));
    Label8 = keep(Control::Label8, new vb::Label(this));
    Label8->setCursor(Qt::WhatsThisCursor);
    Line1 = keep(Control::Line1, new vb::Line(this, LayoutOf(Control::Line1).fore, 2));
    Line2 = keep(Control::Line2, new vb::Line(this, LayoutOf(Control::Line2).fore, 2));
}

void Form1::createNameInputs() {
    auto box = [this](Control id, bool input) {
        auto* text = keep(id, new vb::TextBox(this));
        text->setMaxLength(kBoxLimit);
        text->setFrame(!input);  // inputs sit borderless inside a framing box
        if (input) {
            text->setValidator(new YehFolding(text));
        } else {
            text->setEnabled(false);
            text->setFocusPolicy(Qt::NoFocus);
        }
        return text;
    };
    Text1 = box(Control::Text1, false);
    Text2 = box(Control::Text2, true);
    Text3 = box(Control::Text3, false);
    Text6 = box(Control::Text6, true);
    Check1 = keep(Control::Check1, new vb::CheckBox(this));
    Label1 = keep(Control::Label1, new vb::Label(this));
    Label2 = keep(Control::Label2, new vb::Label(this));
    Label13 = keep(Control::Label13, new vb::Label(this));
    Label14 = keep(Control::Label14, new vb::Label(this));
}

void Form1::createChoices() {
    Frame1 = keep(Control::Frame1, new QFrame(this));
    Frame1->setFrameShape(QFrame::NoFrame);
    Option1 = new vb::OptionArray(Frame1, 2);
    keep(Control::Option1_0, (*Option1)(0));
    keep(Control::Option1_1, (*Option1)(1));
    Option2 = new vb::OptionArray(this, 2);
    keep(Control::Option2_0, (*Option2)(0));
    keep(Control::Option2_1, (*Option2)(1));
    Label3 = keep(Control::Label3, new vb::Label(Frame1));
    Label5 = keep(Control::Label5, new vb::Label(Frame1));
    Label11 = keep(Control::Label11, new vb::Label(this));
    Label12 = keep(Control::Label12, new vb::Label(this));
    Combo1 = keep(Control::Combo1, new vb::ComboBox(this));
    for (std::u16string_view group : kPlanetGroupNames) Combo1->addListItem(group);
    Combo1->setCurrentIndex(-1);
    Combo2 = keep(Control::Combo2, new vb::ComboBox(this));
    Label6 = keep(Control::Label6, new vb::Label(this));
    Label7 = keep(Control::Label7, new vb::Label(this));
    Label9 = keep(Control::Label9, new vb::Label(this));
    Command2 = keep(Control::Command2, new QPushButton(this));
}

void Form1::createResults() {
    Label10 = keep(Control::Label10, new vb::Label(this));
    Text5 = keep(Control::Text5, new vb::MultiLineBox(this));
    Image2 = keep(Control::Image2, new vb::Label(this));
    Image2->setPixmap(QPixmap(QStringLiteral(":/question.gif")));
    Image2->setCursor(Qt::WhatsThisCursor);
    Timer1 = new vb::Timer(this, kTimerIntervalMs);
}

void Form1::applyLayout() {
    for (const ControlSpec& row : kLayout) {
        QWidget* w = control(row.id);
        if (!w) continue;  // the timer has no place on the window
        if (row.id == Control::Line1 || row.id == Control::Line2) {
            static_cast<vb::Line*>(w)->setEnds(row.left, row.top, row.width, row.height);
        } else {
            w->setGeometry(vb::Pixels(row.left), vb::Pixels(row.top), vb::Pixels(row.width),
                           vb::Pixels(row.height));
        }
        w->setObjectName(QString::fromLatin1(row.name));
        // Set either way, so the look does not hang on the user's locale.
        w->setLayoutDirection(row.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        if (row.back == kTransparent)
            vb::SetTransparent(w);
        else if (row.back != kDefaultColour)
            vb::SetBackColour(w, row.back);
        if (row.fore != kDefaultColour) vb::SetForeColour(w, row.fore);

        const QString text = vb::ToQString(row.text);
        if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
            label->setText(text);
            label->setAlignment(AlignmentOf(row.align));
        } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
            box->setText(text);
            box->setAlignment(AlignmentOf(row.align));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(text);
        } else if (row.id == Control::Text5) {
            Text5->setTextValue(row.text);
            QTextOption option = Text5->document()->defaultTextOption();
            option.setAlignment(AlignmentOf(row.align));
            option.setTextDirection(Qt::RightToLeft);
            Text5->document()->setDefaultTextOption(option);
        }
    }
    applyFonts();
    // Earlier rows lie in front: raise from the back row to the front one.
    for (auto it = kLayout.rbegin(); it != kLayout.rend(); ++it)
        if (QWidget* w = control(it->id)) w->raise();

    // Screen readers announce each input by the caption beside it.
    Text2->setAccessibleName(Label1->text());
    Text6->setAccessibleName(Label2->text());
    Check1->setAccessibleName(Label2->text());
    (*Option2)(0)->setAccessibleName(Label11->text());
    (*Option2)(1)->setAccessibleName(Label12->text());
    (*Option1)(0)->setAccessibleName(Label3->text());
    (*Option1)(1)->setAccessibleName(Label5->text());
    Combo1->setAccessibleName(Label6->text());
    Combo2->setAccessibleName(Label7->text());
    Text5->setAccessibleName(Label10->text());
    Image2->setAccessibleName(QStringLiteral("?"));
}

void Form1::applyFonts() {
    for (const ControlSpec& row : kLayout) {
        QWidget* w = control(row.id);
        if (!w || row.face == Face::None) continue;
        QFont font(FamilyOf(row.face));
        font.setPointSizeF(row.points);
        font.setWeight(QFont::Normal);
        // Resetting first makes a control resolve the face afresh, as it must
        // once the face has been registered.
        w->setFont(QFont());
        w->setFont(font);
    }
}

void Form1::applyTabOrder() {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& row : kLayout) {
        QWidget* w = control(row.id);
        if (!w || row.tabIndex == kNoTab) continue;
        const bool takesFocus = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                qobject_cast<QLineEdit*>(w) || row.id == Control::Text5;
        if (takesFocus)
            order.push_back(&row);
        else
            w->setFocusPolicy(Qt::NoFocus);
    }
    std::sort(order.begin(), order.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]->id), control(order[i]->id));
}

void Form1::connectHandlers() {
    connect(Combo1, &vb::ComboBox::clicked, this, &Form1::Combo1_Click);
    connect(Combo2, &vb::ComboBox::clicked, this, &Form1::Combo2_Click);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Form1::Text6_Change);
    connect(Label2, &vb::Label::clicked, this, &Form1::Label2_Click);
    connect(Label3, &vb::Label::clicked, this, &Form1::Label3_Click);
    connect(Label5, &vb::Label::clicked, this, &Form1::Label5_Click);
    connect(Label11, &vb::Label::clicked, this, &Form1::Label11_Click);
    connect(Label12, &vb::Label::clicked, this, &Form1::Label12_Click);
    connect(Option2, &vb::OptionArray::clicked, this, &Form1::Option2_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Image2, &vb::Label::clicked, this, &Form1::Image2_Click);
    connect(Label8, &vb::Label::clicked, this, &Form1::Label8_Click);
}

void Form1::showEvent(QShowEvent* event) {
    if (photo_.valid()) Image1->setPixmap(QPixmap::fromImage(photo_.get()));
    if (icon_.valid()) {
        QIcon icon;
        for (const QImage& image : icon_.get()) icon.addPixmap(QPixmap::fromImage(image));
        setWindowIcon(icon);
    }
    QWidget::showEvent(event);
}

void Form1::Form_Load() {
    CheckANSICodePage();
    if (!HasFont(kFaceName)) InstalFont(kFontFile);
    Combo1->setListIndex(0);
    Option1->select(1);
    Check1->setValue(0);
    Check1->setEnabled(false);
    vb::SetBackColour(Text3, vb::kButtonFace);
    vb::SetBackColour(Text6, vb::kButtonFace);
    Text6->setEnabled(false);
    Label9->setCaption(u"");
    FullWidth = static_cast<std::int32_t>(std::lround(vb::OuterWidth(this)));
    vb::SetOuterWidth(this, kNarrowWidth);
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
    QFontDatabase::addApplicationFont(ProgramFilePath(vb::ProgramFolder(), fileName));
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
    Label13->setCaption(Decimal(GetAbjad(Text2->textValue(), convertLetters)));
}

void Form1::Text6_Change() {
    const bool convertLetters = !Option1->value(0);
    Label14->setCaption(Decimal(GetAbjad(Text6->textValue(), convertLetters)));
}

void Form1::Label2_Click() {
    if (Check1->value() == 1) {
        vb::SetBackColour(Text3, vb::kButtonFace);
        vb::SetBackColour(Text6, vb::kButtonFace);
        Text6->setEnabled(false);
        Check1->setValue(0);
        Text2->setFocus();
        Label14->setCaption(u"");
    } else {
        vb::SetBackColour(Text3, vb::kLightYellow);
        vb::SetBackColour(Text6, vb::kLightYellow);
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
    const float width = static_cast<float>(vb::OuterWidth(this));
    if (static_cast<double>(width) != FullWidth) {
        for (float counter = width; counter <= static_cast<float>(FullWidth - 1);
             counter += kWideningStep)
            vb::SetOuterWidth(this, static_cast<float>(vb::OuterWidth(this)) + kWideningStep);
        vb::SetOuterWidth(this, FullWidth);
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
    vb::SetBackColour(Text5, vb::kButtonFace);
    Text5->setEnabled(false);

    const std::u16string mother = Text2->textValue();
    const std::u16string prefix = Text6->textValue();
    const std::u16string chosen = Combo2->list(Combo2->listIndex());
    std::vector<std::u16string> labels;
    for (int i = 0; i < Combo2->listCount(); ++i) labels.push_back(Combo2->list(i));
    const std::vector<std::u16string_view> labelViews(labels.begin(), labels.end());

    NameListRequest request;
    request.convertLetters = !Option1->value(0);
    request.mother = mother;
    request.prefix = prefix;
    request.prefixInUse = Check1->value() != 0;
    request.boy = Option2->value(0) != 0;
    request.chosenLabel = chosen;
    request.groupLabels = labelViews;
    const NameList list = delvarin::MakeNameList(*data_, request);

    switch (list.status) {
        case NameListStatus::Made:
            showList(list.text);
            break;
        case NameListStatus::PlanetNotFound:
            vb::MsgBox(this, NameListMessage(list.status));
            break;
    }
    vb::SetMousePointer(vb::kDefaultPointer);
    vb::SetBackColour(Text5, vb::kLightYellow);
    Text5->setEnabled(true);
    Text5->scrollToTop();
}

// Writes the list ten lines at a time, showing the box after the first line
// and after every tenth, so a parent sees it grow.
void Form1::showList(const std::u16string& text) {
    const std::u16string_view all = text;
    Text5->setTextValue(u"");
    std::size_t written = 0;
    std::size_t at = 0;
    for (int k = 0;; ++k) {
        const std::size_t end = all.find(u"\r\n", at);
        if (end == std::u16string_view::npos) break;
        at = end + 2;
        if (k % kRepaintEvery == 0) {
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
