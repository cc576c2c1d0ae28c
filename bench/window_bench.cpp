// SPDX-License-Identifier: GPL-3.0-or-later
// From the timer's tick to the finished list in the result box, for the
// largest list (a daughter under all six planets: 1719 lines), beside the
// floor: the same final text set into the box at once. Offscreen.
#include <QApplication>

#include <algorithm>

#include <benchmark/benchmark.h>

#include "widgets.h"
#include "window.h"

namespace {

delvarin::Window* PreparedForm() {
    static delvarin::Window* form = [] {
        qputenv("LC_ALL", "fa_IR.UTF-8");
        auto* f = new delvarin::Window;
        f->load();
        f->show();
        f->Text2->setText(QStringLiteral("مريم"));
        f->form().Label12_Click();
        f->form().Command2_Click();
        f->Timer1->stop();
        return f;
    }();
    return form;
}

void BM_TickToFinishedList(benchmark::State& state) {
    delvarin::Window* form = PreparedForm();
    for (auto _ : state) form->form().Timer1_Timer();
    const std::u16string list = form->Text5->textValue();
    state.counters["lines"] = static_cast<double>(std::count(list.begin(), list.end(), u'\n'));
}
BENCHMARK(BM_TickToFinishedList)->Unit(benchmark::kMillisecond);

void BM_FloorSetFinalTextAtOnce(benchmark::State& state) {
    delvarin::Window* form = PreparedForm();
    form->form().Timer1_Timer();
    const std::u16string text = form->Text5->textValue();
    for (auto _ : state) form->Text5->setTextValue(text);
}
BENCHMARK(BM_FloorSetFinalTextAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each width step asks the offscreen platform for size hints it lacks.
    qputenv("QT_LOGGING_RULES", "default.warning=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
