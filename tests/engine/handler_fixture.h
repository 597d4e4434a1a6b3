#pragma once
// The fixture of the handler tests: a strict in-memory window holding the
// main window's initial property values, handlers run through the procedure
// table, and a check after every test that no property was read before it
// was written and that every text handed to the engine was freed.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/handlers.h"
#include "engine/memory_window.h"
#include "runtime/heap.h"

namespace engine::testing {

// The property numbers as the window keys them.
inline constexpr int32_t kContent = static_cast<int32_t>(EditBoxProperty::Content);
inline constexpr int32_t kToolTip = static_cast<int32_t>(EditBoxProperty::ToolTip);
inline constexpr int32_t kCaption = static_cast<int32_t>(TransLabelProperty::Caption);
inline constexpr int32_t kVisible = static_cast<int32_t>(LabelProperty::Visible);
inline constexpr int32_t kTextColour = static_cast<int32_t>(LabelProperty::TextColour);
inline constexpr int32_t kSelected = static_cast<int32_t>(RadioButtonProperty::Selected);
inline constexpr int32_t kSelection = static_cast<int32_t>(ComboBoxProperty::Selection);

using ExpectedTexts = std::vector<std::pair<MainUnit, std::string>>;

class HandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        heapBefore_ = runtime::CurrentHeapCounters();
        ResetHandlerState();
        window_.SetMainWindowDefaults();
    }

    void TearDown() override {
        EXPECT_EQ(window_.UnsetReads(), std::vector<std::string>{}) << "reads of unset properties";
        runtime::HeapCounters after = runtime::CurrentHeapCounters();
        EXPECT_EQ(after.allocations - heapBefore_.allocations, after.frees - heapBefore_.frees)
            << "runtime heap blocks left behind";
    }

    void Run(Procedure procedure) {
        window_.Run(ProcedureTable()[static_cast<std::size_t>(procedure)]);
    }

    // The units written, in order.
    std::vector<MainUnit> WrittenUnits() const {
        std::vector<MainUnit> units;
        for (const PropertyWrite& write : window_.Writes()) units.push_back(MainUnit(write.unit));
        return units;
    }

    void ExpectTexts(const ExpectedTexts& expected) const {
        for (const auto& [unit, text] : expected) {
            EXPECT_EQ(window_.Text(unit), text) << "unit " << std::hex << uint32_t(unit);
        }
    }

    MemoryWindow window_{MemoryWindow::Mode::Strict};

private:
    runtime::HeapCounters heapBefore_;
};

}  // namespace engine::testing
