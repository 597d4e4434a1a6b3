// A click on "计算" through the main window up to the moment all eighteen
// result boxes are painted again, against eighteen bare QLineEdit::setText
// calls up to their repaint in a plain window of the same size.
//
// Each round types other inputs first (untimed), so that every result text
// changes and every result box has to be repainted.

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "bench/paint_watch.h"
#include "controls/control_model.h"
#include "engine/form_ids.h"

namespace {

using engine::MainUnit;

constexpr uint32_t kMainWindow = engine::Id(engine::WindowId::Main);

// Every result box, at standard pressure first.
constexpr auto kResultBoxes = [] {
    std::array<MainUnit, 2 * engine::kStandardResultBoxes.size()> boxes{};
    std::ranges::copy(engine::kStandardResultBoxes, boxes.begin());
    std::ranges::copy(engine::kConvertedResultBoxes,
                      boxes.begin() + engine::kStandardResultBoxes.size());
    return boxes;
}();

// Texts for the baseline's boxes, one per result box.
using BoxTexts = std::array<QString, kResultBoxes.size()>;

// Two sets of inputs (known value, temperature) under which every result
// differs, with no value in common; the rounds alternate between them.
struct Inputs {
    const char* knownValue;
    const char* temperature;
};
constexpr std::array<Inputs, 2> kInputRounds = {{{"10", "20"}, {"5", "25"}}};

// The baseline's boxes: two columns like the result groups of the window.
constexpr int kBareBoxWidth = 100;
constexpr int kBareBoxHeight = 20;
constexpr int kBareBoxRows = 9;
constexpr int kBareColumnGap = 200;

QLineEdit* EditorOf(MainUnit unit) {
    QWidget* control = controls::LiveControl(kMainWindow, engine::Id(unit));
    return control != nullptr ? control->findChild<QLineEdit*>() : nullptr;
}

std::vector<QWidget*> ResultEditors() {
    std::vector<QWidget*> editors;
    for (MainUnit unit : kResultBoxes) {
        if (QLineEdit* editor = EditorOf(unit)) editors.push_back(editor);
    }
    return editors;
}

// Types the set of inputs that differs from what the input boxes show now
// and waits until they show it.
bool TypeOtherInputs() {
    QLineEdit* value = EditorOf(MainUnit::KnownValue);
    QLineEdit* temperature = EditorOf(MainUnit::GasTemperature);
    if (value == nullptr || temperature == nullptr) return false;
    const bool showsFirst = value->text() == QLatin1String(kInputRounds[0].knownValue);
    const Inputs& inputs = kInputRounds[showsFirst ? 1 : 0];
    bench::PaintWatch watch({value, temperature});
    value->setText(QString::fromLatin1(inputs.knownValue));
    temperature->setText(QString::fromLatin1(inputs.temperature));
    return watch.WaitUntilAllPainted();
}

// The timed part of a round, kept out of line so that a profile counts one
// call of it per round.
[[gnu::noinline]] bool ClickAndWait(QWidget* control, bench::PaintWatch& results) {
    QWidget* window = control->window();
    const QPoint inWindow = control->mapTo(window, control->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
    return results.WaitUntilAllPainted();
}

[[gnu::noinline]] bool SetTextsAndWait(const std::vector<QLineEdit*>& edits, const BoxTexts& texts,
                                       bench::PaintWatch& watch) {
    watch.Reset();
    for (size_t i = 0; i < edits.size(); ++i) edits[i]->setText(texts[i]);
    return watch.WaitUntilAllPainted();
}

void CalculateClick(benchmark::State& state) {
    QWidget* button = controls::LiveControl(kMainWindow, engine::Id(MainUnit::ComputeButton));
    std::vector<QWidget*> editors = ResultEditors();
    if (button == nullptr || !button->isVisible() || editors.size() != kResultBoxes.size()) {
        state.SkipWithError("the main window does not show the button and its result boxes");
        return;
    }
    bench::PaintWatch results(std::move(editors));
    for (auto _ : state) {
        state.PauseTiming();
        const bool typed = TypeOtherInputs();
        results.Reset();
        state.ResumeTiming();
        if (!typed || !ClickAndWait(button, results)) {
            state.SkipWithError("not every result box was repainted");
            break;
        }
    }
}
BENCHMARK(CalculateClick)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Result-like texts of one round: the same lengths as the boxes show.
BoxTexts BareTexts(size_t round) {
    BoxTexts texts;
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i] = QString::number(12.3456 * double(i + 1) + double(round), 'f', 4);
    }
    return texts;
}

void EighteenSetTextBaseline(benchmark::State& state) {
    QWidget* program = controls::LoadedWindowWidget(kMainWindow);
    if (program == nullptr) {
        state.SkipWithError("the main window is not loaded");
        return;
    }
    QWidget window;
    window.setFixedSize(program->size());
    std::vector<QWidget*> boxes;
    std::vector<QLineEdit*> edits;
    for (size_t i = 0; i < kResultBoxes.size(); ++i) {
        auto* edit = new QLineEdit(&window);
        const int column = int(i) / kBareBoxRows;
        const int row = int(i) % kBareBoxRows;
        edit->setGeometry(column * kBareColumnGap, row * kBareBoxHeight, kBareBoxWidth,
                          kBareBoxHeight);
        edits.push_back(edit);
        boxes.push_back(edit);
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the baseline window was not shown");
        return;
    }
    const std::array<BoxTexts, 2> texts = {BareTexts(0), BareTexts(1)};
    bench::PaintWatch watch(std::move(boxes));
    size_t round = 0;
    for (auto _ : state) {
        if (!SetTextsAndWait(edits, texts[round++ % texts.size()], watch)) {
            state.SkipWithError("not every box was repainted");
            break;
        }
    }
}
BENCHMARK(EighteenSetTextBaseline)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
