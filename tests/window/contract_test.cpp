// SPDX-License-Identifier: GPL-3.0-or-later
// The contract on the Qt window, offscreen: acts as a parent does (keys,
// clicks, picks) and looks at what the widgets show.
#include <QDesktopServices>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>

#include "contract/contract.h"
#include "utf.h"
#include "window_fixture.h"

namespace delvarin {
namespace {

class QtDriver : public contract::Driver, public test::WindowTest {
public:
    QtDriver() { SetUp(); }
    ~QtDriver() override { TearDown(); }
    void TestBody() override {}

    QWidget* W(const std::string& name) const {
        return window->findChild<QWidget*>(QString::fromStdString(name));
    }
    static QString Q(const std::string& text) { return QString::fromUtf8(text); }

    void Type(const std::string& box, const std::string& text) override {
        auto* edit = static_cast<QLineEdit*>(W(box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        keys(edit, Q(text));
    }
    void Click(const std::string& c) override { click(W(c)); }
    void Pick(const std::string& list, int index) override {
        auto* combo = static_cast<QComboBox*>(W(list));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Return(const std::string& box) override { QTest::keyClick(W(box), Qt::Key_Return); }
    void Shortcut(const std::string&) override {
        QTest::keyClick(window->Text2, Qt::Key_P, Qt::AltModifier);
    }
    void Tick() override {
        ASSERT_TRUE(window->Timer1->isActive());
        QSignalSpy ticks(window->Timer1, &QTimer::timeout);
        ASSERT_TRUE(ticks.wait(10'000));
    }
    void CloseMessage() override {}  // the recorded boxes close at once
    void Scroll(const std::string&) override {
        window->Text5->verticalScrollBar()->setValue(window->Text5->verticalScrollBar()->maximum());
        window->Text5->horizontalScrollBar()->setValue(0);
    }

    std::string Text(const std::string& c) override {
        QWidget* w = W(c);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
        return static_cast<QLineEdit*>(w)->text().toStdString();
    }
    bool Enabled(const std::string& c) override { return W(c)->isEnabled(); }
    std::string Back(const std::string& c) override {
        const QColor shown = W(c)->palette().color(QPalette::Base);
        if (shown == QColor(255, 255, 192)) return "yellow";
        return shown == QApplication::palette().color(QPalette::Button) ? "face" : "?";
    }
    std::string Focus() override {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName().toStdString() : "";
    }
    bool Value(const std::string& c) override {
        return static_cast<QAbstractButton*>(W(c))->isChecked();
    }
    std::string Chosen(const std::string& list) override {
        return static_cast<QComboBox*>(W(list))->currentText().toStdString();
    }
    int Items(const std::string& list) override {
        return static_cast<QComboBox*>(W(list))->count();
    }
    bool Wide() override { return window->width() > window->Text5->geometry().right(); }
    std::vector<std::string> Messages() override {
        std::vector<std::string> texts;
        for (const auto& call : messages.calls) texts.push_back(call.text.toStdString());
        return texts;
    }
    std::vector<std::string> Opened() override { return opened; }
    std::vector<std::string> Lines() override {
        std::vector<std::string> lines;
        const std::u16string shown = shownResult();
        for (std::size_t at = 0; at < shown.size();) {
            const std::size_t end = std::min(shown.find(u"\r\n", at), shown.size());
            lines.push_back(Utf16ToUtf8(std::u16string_view(shown).substr(at, end - at)));
            at = end + 2;
        }
        return lines;
    }
    bool ScrolledToStart(const std::string&) override {
        QScrollBar* across = window->Text5->horizontalScrollBar();
        return window->Text5->verticalScrollBar()->value() == 0 &&
               across->value() == across->maximum();
    }

    std::vector<std::string> opened;
};

// Links are caught where Qt would hand them to the desktop.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    explicit AddressCatcher(std::vector<std::string>& opened) : opened_(opened) {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~AddressCatcher() override {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
public slots:
    void open(const QUrl& url) { opened_.push_back(url.toString().toStdString()); }

private:
    std::vector<std::string>& opened_;
};

class Contract : public testing::TestWithParam<contract::Case> {};

TEST_P(Contract, OnTheQtWindow) {
    QtDriver driver;
    AddressCatcher catcher(driver.opened);
    contract::Run(driver, GetParam());
}
INSTANTIATE_TEST_SUITE_P(Cases, Contract, testing::ValuesIn(contract::ReadCases()),
                         contract::TestName);

}  // namespace
}  // namespace delvarin

#include "contract_test.moc"
