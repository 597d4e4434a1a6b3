#pragma once
// The fixture of the handler tests: a fake runtime holding the main window's
// initial property values, handlers run through the procedure table, and a
// check after every test that each text handed to the engine was freed once.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/handlers.h"
#include "fake_services.h"
#include "runtime/heap.h"

namespace engine::testing {

// The result boxes of the humidity conversion, in the order they are filled.
inline constexpr MainUnit kStandardResultBoxes[] = {
    MainUnit::EditBox2,  MainUnit::EditBox5,  MainUnit::EditBox6,
    MainUnit::EditBox7,  MainUnit::EditBox8,  MainUnit::EditBox9,
    MainUnit::EditBox10, MainUnit::EditBox11, MainUnit::EditBox29};
inline constexpr MainUnit kPressureResultBoxes[] = {
    MainUnit::EditBox30, MainUnit::EditBox18, MainUnit::EditBox19,
    MainUnit::EditBox17, MainUnit::EditBox16, MainUnit::EditBox15,
    MainUnit::EditBox14, MainUnit::EditBox13, MainUnit::EditBox12};
// The edit boxes of the pressure page, top to bottom.
inline constexpr MainUnit kPressureRowBoxes[] = {
    MainUnit::EditBox20, MainUnit::EditBox21, MainUnit::EditBox22, MainUnit::EditBox23,
    MainUnit::EditBox24, MainUnit::EditBox25, MainUnit::EditBox26};
// The captions beside the known-value box.
inline constexpr MainUnit kInputLabels[] = {MainUnit::Label7, MainUnit::Label9, MainUnit::Label10,
                                            MainUnit::Label11, MainUnit::Label12};

using ExpectedTexts = std::vector<std::pair<MainUnit, std::string>>;

class HandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        heapBefore_ = runtime::CurrentHeapCounters();
        Humidity() = {};
        SetMainWindowDefaults();
    }

    void TearDown() override {
        EXPECT_EQ(fake_.OutstandingTexts(), 0u) << "texts the engine did not free";
        EXPECT_EQ(fake_.ForeignFrees(), 0) << "texts freed twice or never handed out";
        EXPECT_EQ(fake_.UnsetReads(), 0);
        runtime::HeapCounters after = runtime::CurrentHeapCounters();
        EXPECT_EQ(after.allocations - heapBefore_.allocations, after.frees - heapBefore_.frees)
            << "runtime heap blocks left behind";
    }

    // The form template's initial values of every property the handlers use.
    void SetMainWindowDefaults() {
        fake_.SetText(MainUnit::EditBox1, "10");
        fake_.SetText(MainUnit::EditBox3, "20");
        fake_.SetText(MainUnit::EditBox4, "0.3");
        fake_.SetInt(MainUnit::ComboBox1, kSelection, 0);
        fake_.SetInt(MainUnit::ComboBox2, kSelection, 0);
        fake_.SetInt(MainUnit::RadioButton1, kSelected, 1);
        fake_.SetInt(MainUnit::RadioButton2, kSelected, 0);
        for (MainUnit box : kStandardResultBoxes) fake_.SetText(box, "");
        for (MainUnit box : kPressureResultBoxes) fake_.SetText(box, "");
        for (MainUnit box : kPressureRowBoxes) fake_.SetText(box, "");
        for (MainUnit label : kInputLabels) fake_.SetInt(label, kVisible, 0);
    }

    void Run(Procedure procedure) {
        runtime::EventRecord event{};
        ProcedureTable()[static_cast<std::size_t>(procedure)](fake_.Services(), event);
    }

    // The units written, in order.
    std::vector<MainUnit> WrittenUnits() const {
        std::vector<MainUnit> units;
        for (const PropertyWrite& write : fake_.Writes()) units.push_back(MainUnit(write.unit));
        return units;
    }

    void ExpectTexts(const ExpectedTexts& expected) const {
        for (const auto& [unit, text] : expected) {
            EXPECT_EQ(fake_.Text(unit), text) << "unit " << std::hex << uint32_t(unit);
        }
    }

    FakeRuntime fake_;

private:
    runtime::HeapCounters heapBefore_;
};

}  // namespace engine::testing
