// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <QPushButton>

#include <array>
#include <future>
#include <memory>

#include "layout.h"
#include "read_data.h"
#include "toolkit.h"

namespace delvarin {

// The one window. Its controls are made from the rows of layout.h. The left
// column takes the inputs: the mother's name (Text2, its value in Label13),
// the prefix switched by Label2 or Alt+P (Text6, value in Label14, Check1
// mirroring the switch), the gender (Option2 with the labels Label11,
// Label12), the letter table (Option1 with Label3, Label5) and the planet
// group and planet (Combo1, Combo2, the planet's description in Label9).
// Handlers read the controls, ask the engine and write the controls back:
// Command2 (or Enter in a name box) asks the engine's CheckComplete, widens
// the window to uncover the result box and arms Timer1; its tick calls
// MakeNameList, which hands the inputs to the engine once, answers every
// status, and writes the list into Text5 ten lines at a time. Form_Load
// brings everything to its starting state before the window is first shown.
class Form1 : public vb::Form {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    void Form_Load();

    void CheckANSICodePage();
    vb::Boolean HasFont(const QString& face);
    void InstalFont(const QString& fileName);

    void Combo1_Click();
    void Combo2_Click();
    void Text2_Change();
    void Text6_Change();
    void Label2_Click();
    void Label3_Click();
    void Label5_Click();
    void Label11_Click();
    void Label12_Click();
    void Option2_Click(int index);
    void Command2_Click();
    void Timer1_Timer();
    void Image2_Click();
    void Label8_Click();

    vb::Boolean CheckComplete();
    void MakeNameList();

    // The full outer width in twips: the design's client area and the frame.
    std::int32_t FullWidth = 0;
    const NameData& nameData() const { return *data_; }

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
    void showList(std::u16string_view text);
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
    std::unique_ptr<NameData> data_;
    // The photograph and the icon decode on another core while the controls
    // are built; they are put in place before the window is first painted.
    std::future<QImage> photo_;
    std::future<QList<QImage>> icon_;
};

}  // namespace delvarin
