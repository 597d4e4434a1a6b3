#pragma once
// The fixture of the control-model tests: a QApplication on the offscreen
// platform (set up once in main), a watchdog that fails the test and closes
// any modal box that appears unexpectedly instead of hanging, a fake engine
// procedure table that records every call, and a clean window table for
// each test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <vector>

#include "controls/control_model.h"
#include "controls/form_window.h"
#include "engine/procedures.h"
#include "forms/template.h"
#include "runtime/services.h"

namespace controls::testing {

// One call of a fake engine procedure.
struct Call {
    size_t procedure = 0;
    uint32_t windowId = 0;
    uint32_t unitId = 0;
    int32_t event = 0;
    std::vector<int32_t> args;
    bool operator==(const Call&) const = default;
};

inline constexpr size_t kFakeProcedureCount = 32;

// The recorded calls, oldest first; the result the next calls return.
std::vector<Call>& Calls();
int32_t& NextResult();
// A table of kFakeProcedureCount procedures that record their calls.
std::span<const runtime::EngineProcedure> FakeProcedures();

// Lets posted events and deferred deletions run.
void Settle();

// Registers a stand-in made by `create` for every kind of the kinds table
// that has no registered kind: kinds of other libraries are not linked into
// these tests, and their units would make a window fail to build.
void RegisterStandInKinds(QWidget* (*create)(const CreateRequest&));

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rebases `data` against the fake procedures and installs it as the
    // window table.
    void Install(forms::TemplateData data);
    FormWindow* Open(uint32_t windowId);

    runtime::Payload Read(uint32_t windowId, uint32_t unitId, int32_t property);
    void Write(uint32_t windowId, uint32_t unitId, int32_t property, runtime::Payload payload);
    // Text properties through the service table, with the heap texts freed.
    std::string ReadText(uint32_t windowId, uint32_t unitId, int32_t property);
    void WriteText(uint32_t windowId, uint32_t unitId, int32_t property, const std::string& text);

    // Clicks at a point of a control, through its window as a user does.
    void ClickAt(QWidget* control, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Click(QWidget* control) { ClickAt(control, control->rect().center()); }

public:
    // Windows that left the table, as the window-gone hook reported them.
    static std::vector<std::pair<uint32_t, size_t>>& GoneWindows();

private:
    QTimer modalWatch_;
};

}  // namespace controls::testing
