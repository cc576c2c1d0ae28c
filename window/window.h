// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <future>
#include <memory>

#include "form1.h"
#include "front_end.h"
#include "layout.h"
#include "widgets.h"

namespace delvarin {

// The one window, drawn by Qt: its widgets are made from the rows of the
// layout table, show the state the form (form1.h) gives each control, and
// report what the user does to it; the form runs the handlers.
class Window : public widgets::Form, public form::FrontEnd {
    Q_OBJECT
public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    // Brings every control to its starting state, before the window shows.
    void load() { form_.Form_Load(); }
    form::Form1& form() { return form_; }

    // What the form shows, and the system's answers.
    void ShowText(std::size_t row, std::u16string_view text) override;
    void AppendText(std::size_t, std::u16string_view text) override { Text5->appendText(text); }
    void Repaint(std::size_t) override { Text5->refresh(); }
    void ScrollToStart(std::size_t) override { Text5->scrollToStart(); }
    void ShowBackColour(std::size_t row, layout::Colour colour) override {
        widgets::SetBackColour(controls_[row], colour);
    }
    void ShowEnabled(std::size_t row, bool on) override { controls_[row]->setEnabled(on); }
    void Focus(std::size_t row) override { controls_[row]->setFocus(); }
    void ShowItems(std::size_t row, const std::vector<std::u16string>& items, int chosen) override {
        static_cast<widgets::ComboBox*>(controls_[row])->showItems(items, chosen);
    }
    void ShowValue(std::size_t row, bool on) override {
        static_cast<QAbstractButton*>(controls_[row])->setChecked(on);
    }
    void ShowOuterWidth(double twips) override { setOuterWidth(twips); }
    void ShowPointer(form::Pointer pointer) override { widgets::SetMousePointer(pointer); }
    void RunTimer(bool running) override;
    void ShowMessage(const form::Message& message) override;
    void OpenAddress(std::string_view address) override;
    double FrameTwips() const override { return frameWidth(); }
    int SystemCodePage() const override;
    bool HasFont(std::u16string_view face) const override;
    void InstalFont(std::u16string_view fileName) override;

    QTimer* Timer1 = nullptr;
    widgets::ComboBox* Combo1 = nullptr;
    widgets::ComboBox* Combo2 = nullptr;
    QFrame* Frame1 = nullptr;
    widgets::OptionArray* Option1 = nullptr;
    widgets::OptionArray* Option2 = nullptr;
    widgets::TextBox* Text1 = nullptr;
    widgets::TextBox* Text2 = nullptr;
    widgets::TextBox* Text3 = nullptr;
    widgets::TextBox* Text6 = nullptr;
    widgets::MultiLineBox* Text5 = nullptr;
    QCheckBox* Check1 = nullptr;
    widgets::CommandButton* Command2 = nullptr;
    widgets::Label* Label1 = nullptr;
    widgets::Label* Label2 = nullptr;
    widgets::Label* Label3 = nullptr;
    widgets::Label* Label5 = nullptr;
    widgets::Label* Label6 = nullptr;
    widgets::Label* Label7 = nullptr;
    widgets::Link* Label8 = nullptr;
    widgets::Label* Label9 = nullptr;
    widgets::Label* Label10 = nullptr;
    widgets::Label* Label11 = nullptr;
    widgets::Label* Label12 = nullptr;
    widgets::Label* Label13 = nullptr;
    widgets::Label* Label14 = nullptr;
    std::array<widgets::Label*, 2> Label4{};
    widgets::Label* Image1 = nullptr;
    widgets::Link* Image2 = nullptr;
    widgets::Line* Line1 = nullptr;
    widgets::Line* Line2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createWindow();
    void createPictures();
    void createNameInputs();
    void createChoices();
    void createResults();
    void createDropDowns();
    void applyFramingBoxes();
    void applyLayout();
    void applyFont(std::size_t row);
    void applyTabOrder();
    void applyAccessibility();
    void connectEvents();
    void applyPictures();
    void report(std::size_t row, form::Event event, int index = 0, std::u16string_view text = {});

    // Makes the control of a row, inside the window or Frame1 as the row
    // says, in the row's font, and files it under that row.
    template <class W, class... Args>
    W* make(layout::RowId id, Args&&... args) {
        QWidget* parent = id.row().inFrame ? static_cast<QWidget*>(Frame1) : client();
        auto* w = new W(parent, std::forward<Args>(args)...);
        controls_[id.index] = w;
        applyFont(id.index);
        return w;
    }

    std::array<QWidget*, layout::kRows.size()> controls_{};
    // The catalogue is read for the first list: start-up has no need of it.
    form::Form1 form_{*this, form::ReadAt::FirstList};
    // Decoded on another core while the controls are built, and put in
    // place before the window is first painted.
    struct Pictures {
        QImage photo;
        QImage question;
        QList<QImage> icon;
    };
    static Pictures decodePictures(qreal pixelRatio);
    std::future<Pictures> pictures_;
};

}  // namespace delvarin
