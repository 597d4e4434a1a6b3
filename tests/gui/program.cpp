#include "tests/gui/program.h"

#include <QComboBox>

#include "app/program.h"
#include "controls/control_model.h"
#include "engine/handlers.h"
#include "runtime/convert.h"
#include "runtime/services.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

constexpr MainUnit kKnownCaptions[] = {MainUnit::RelativeHumidityCaption, MainUnit::DewPointCaption,
                                       MainUnit::AbsoluteHumidityCaption,
                                       MainUnit::MixingRatioCaption, MainUnit::VolumeRatioCaption};

}  // namespace

int RunProgram(int& argc, char** argv, std::function<void()> work) {
    return app::RunProgramWith(argc, argv, [&](host::RuntimeApp&) { work(); });
}

std::string_view OptionValue(int argc, char** argv, std::string_view option) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(option)) return argument.substr(option.size());
    }
    return {};
}

void CloseMainWindow() {
    if (controls::LoadedWindow(kMainWindow) == nullptr) return;
    const runtime::TaggedValue window = runtime::MakeWindowRef(kMainWindow);
    runtime::Services().CallCommand(runtime::CloseWindow, 1, &window);
}

StartView& ProgramStartView() {
    static StartView view;
    return view;
}

void RecordStartView() {
    StartView& view = ProgramStartView();
    view.readAt = QDateTime::currentDateTime();
    view.pageTwoClock = TransLabelCaption(MainUnit::CalendarPageClock);
    if (auto* combo = qobject_cast<QComboBox*>(Control(Unit(MainUnit::KnownQuantity)))) {
        view.knownQuantity = combo->currentIndex();
    }
    for (MainUnit caption : kKnownCaptions) {
        QWidget* label = Control(Unit(caption));
        if (label != nullptr && label->isVisible())
            view.shownKnownCaptions.push_back(Unit(caption));
    }
}

}  // namespace gui_testing
