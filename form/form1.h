// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "controls.h"
#include "front_end.h"
#include "read_data.h"

namespace delvarin::form {

// When the catalogue is read: as the form loads (the Windows window), or
// when the first list needs it (the Qt window and the page, which open
// faster without it).
enum class ReadAt { Load, FirstList };

// The window's behaviour, whatever draws it. The left column takes the
// inputs: the mother's name (Text2, its value in Label13), the prefix
// switched by Label2 or Alt+P (Text6, value in Label14, Check1 mirroring the
// switch), the gender (Option2 with the labels Label11, Label12), the letter
// table (Option1 with Label3, Label5) and the planet group and planet
// (Combo1, Combo2, the planet's description in Label9). Command2 (or Enter in
// a name box) asks the engine's CheckComplete, widens the window to uncover
// the result box and arms Timer1; its tick calls MakeNameList, which hands
// the inputs to the engine once and writes the list into Text5 ten lines at
// a time. A front end builds its widgets from the layout table, calls
// Form_Load once before the window shows, draws what the form shows it and
// reports what the user does; the events table (events.h) says which
// handler runs.
class Form1 {
public:
    explicit Form1(FrontEnd& frontEnd, ReadAt readAt = ReadAt::Load);

    // What the user did: the control's rule, then the event's handler.
    void Report(const UserEvent& event) { controls_.Report(event); }
    const Controls& controls() const { return controls_; }

    void Form_Load();
    // The face the captions are drawn in, registered from the file beside the
    // program where the system lacks it. Form_Load sees to it; a front end may
    // first, so that its controls take the face as they are made.
    void ProvideFace();
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

    // The full outer width in twips: the design's client area and the frame.
    // A front end whose frame is known only once the window is up sets it.
    std::int32_t FullWidth = 0;
    // The catalogue index of each line of the last list written.
    const std::vector<int>& LineIndices() const { return lineIndices_; }

private:
    void CheckANSICodePage();
    bool CheckComplete();
    void MakeNameList();
    void ShowList(std::u16string_view all);
    void EndBusy();
    bool ConvertLetters() const;

    void Raise(std::size_t row, Event event);

    FrontEnd& frontEnd_;
    Controls controls_;
    ReadAt readAt_;
    const NameData* data_ = nullptr;
    std::vector<int> lineIndices_;
};

}  // namespace delvarin::form
