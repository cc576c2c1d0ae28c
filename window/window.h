// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <QPushButton>

#include <array>
#include <future>
#include <memory>

#include "form1.h"
#include "layout.h"
#include "toolkit.h"

namespace delvarin {

// The one window, drawn by Qt: its controls are made from the rows of
// layout.h, and the form's handlers (form1.h) run on their events, reaching
// the controls through the Toolkit operations implemented here.
class Window : public vb::Form, public form::Toolkit {
    Q_OBJECT
public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    // Brings every control to its starting state, before the window shows.
    void load() { form_.Form_Load(); }
    form::Form1& form() { return form_; }

    // The toolkit operations the form asks for; most are one widget's own.
    std::u16string Text(form::Control box) const override;
    void SetText(form::Control control, std::u16string_view text) override;
    void AppendText(form::Control, std::u16string_view text) override { Text5->appendText(text); }
    void Refresh(form::Control) override { Text5->refresh(); }
    void ScrollToStart(form::Control) override { Text5->scrollToStart(); }
    void SetBackColour(form::Control control, layout::Colour colour) override {
        vb::SetBackColour(widget(control), colour);
    }
    void SetEnabled(form::Control control, bool on) override { widget(control)->setEnabled(on); }
    void SetFocus(form::Control control) override { widget(control)->setFocus(); }
    int ListCount(form::Control list) const override { return comboBox(list)->listCount(); }
    std::u16string List(form::Control list, int index) const override {
        return comboBox(list)->list(index);
    }
    void AddItem(form::Control list, std::u16string_view item) override {
        comboBox(list)->addListItem(item);
    }
    void RemoveItem(form::Control list, int i) override { comboBox(list)->removeListItem(i); }
    int NewIndex(form::Control list) const override { return comboBox(list)->newIndex(); }
    int ListIndex(form::Control list) const override { return comboBox(list)->listIndex(); }
    void SetListIndex(form::Control list, int i) override { comboBox(list)->setListIndex(i); }
    bool OptionValue(form::Control group, int member) const override {
        return optionArray(group)->value(member);
    }
    void SelectOption(form::Control group, int member) override {
        optionArray(group)->select(member);
    }
    int CheckValue(form::Control) const override { return Check1->value(); }
    void SetCheckValue(form::Control, int value) override { Check1->setValue(value); }
    double OuterWidth() const override { return outerWidth(); }
    void SetOuterWidth(double twips) override { setOuterWidth(twips); }
    void SetPointer(form::Pointer pointer) override { vb::SetMousePointer(pointer); }
    void SetTimerEnabled(bool on) override { Timer1->setEnabled(on); }
    void MsgBox(const form::Message& message, std::function<void()> then) override;
    void OpenAddress(std::string_view address) override;
    int SystemCodePage() const override;
    bool HasFont(std::u16string_view face) const override;
    void InstalFont(std::u16string_view fileName) override;

    vb::Timer* Timer1 = nullptr;
    vb::ComboBox* Combo1 = nullptr;
    vb::ComboBox* Combo2 = nullptr;
    QFrame* Frame1 = nullptr;
    vb::OptionArray* Option1 = nullptr;
    vb::OptionArray* Option2 = nullptr;
    vb::TextBox* Text1 = nullptr;
    vb::TextBox* Text2 = nullptr;
    vb::TextBox* Text3 = nullptr;
    vb::TextBox* Text6 = nullptr;
    vb::MultiLineBox* Text5 = nullptr;
    vb::CheckBox* Check1 = nullptr;
    vb::CommandButton* Command2 = nullptr;
    vb::Label* Label1 = nullptr;
    vb::Label* Label2 = nullptr;
    vb::Label* Label3 = nullptr;
    vb::Label* Label5 = nullptr;
    vb::Label* Label6 = nullptr;
    vb::Label* Label7 = nullptr;
    vb::Link* Label8 = nullptr;
    vb::Label* Label9 = nullptr;
    vb::Label* Label10 = nullptr;
    vb::Label* Label11 = nullptr;
    vb::Label* Label12 = nullptr;
    vb::Label* Label13 = nullptr;
    vb::Label* Label14 = nullptr;
    std::array<vb::Label*, 2> Label4{};
    vb::Label* Image1 = nullptr;
    vb::Link* Image2 = nullptr;
    vb::Line* Line1 = nullptr;
    vb::Line* Line2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createWindow();
    void createPictures();
    void createNameInputs();
    void createChoices();
    void createResults();
    void applyLayout();
    void applyFonts();
    void applyTabOrder();
    void applyAccessibility();
    void connectHandlers();
    QWidget* widget(form::Control control) const;
    vb::ComboBox* comboBox(form::Control control) const;
    vb::OptionArray* optionArray(form::Control control) const;

    // Makes the control of a row, inside the window or Frame1 as the row
    // says, and files it under that row.
    template <class W, class... Args>
    W* make(layout::RowId id, Args&&... args) {
        QWidget* parent = id.row().inFrame ? static_cast<QWidget*>(Frame1) : client();
        auto* w = new W(parent, std::forward<Args>(args)...);
        controls_[id.index] = w;
        return w;
    }

    std::array<QWidget*, layout::kRows.size()> controls_{};
    form::Form1 form_{*this};
    // The photograph and the icon decode on another core while the controls
    // are built; they are put in place before the window is first painted.
    std::future<QImage> photo_;
    std::future<QList<QImage>> icon_;
};

}  // namespace delvarin
