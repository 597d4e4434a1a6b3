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
inline constexpr MainUnit kStandardResultBoxes[] = {MainUnit::RelativeHumidity,
                                                    MainUnit::DewPoint,
                                                    MainUnit::VolumeRatio,
                                                    MainUnit::AbsoluteHumidityGrams,
                                                    MainUnit::AbsoluteHumidityMilligrams,
                                                    MainUnit::MixingRatio,
                                                    MainUnit::SaturationVapourPressure,
                                                    MainUnit::VapourPressure,
                                                    MainUnit::SupercooledDewPoint};
inline constexpr MainUnit kPressureResultBoxes[] = {
    MainUnit::SupercooledDewPointAfterConversion,
    MainUnit::DewPointAfterConversion,
    MainUnit::RelativeHumidityAfterConversion,
    MainUnit::VolumeRatioAfterConversion,
    MainUnit::AbsoluteHumidityGramsAfterConversion,
    MainUnit::AbsoluteHumidityMilligramsAfterConversion,
    MainUnit::MixingRatioAfterConversion,
    MainUnit::SaturationVapourPressureAfterConversion,
    MainUnit::VapourPressureAfterConversion};
// The edit boxes of the pressure page, top to bottom.
inline constexpr MainUnit kPressureRowBoxes[] = {
    MainUnit::BarValue, MainUnit::MpaValue,  MainUnit::KpaValue, MainUnit::AtmValue,
    MainUnit::KgfValue, MainUnit::MmHgValue, MainUnit::PsiValue};
// The captions beside the known-value box.
inline constexpr MainUnit kInputLabels[] = {
    MainUnit::RelativeHumidityCaption, MainUnit::DewPointCaption, MainUnit::AbsoluteHumidityCaption,
    MainUnit::MixingRatioCaption, MainUnit::VolumeRatioCaption};

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
        fake_.SetText(MainUnit::KnownValue, "10");
        fake_.SetText(MainUnit::GasTemperature, "20");
        fake_.SetText(MainUnit::GaugePressure, "0.3");
        fake_.SetInt(MainUnit::KnownQuantity, kSelection, 0);
        fake_.SetInt(MainUnit::GaugePressureUnit, kSelection, 0);
        fake_.SetInt(MainUnit::PresentToStandard, kSelected, 1);
        fake_.SetInt(MainUnit::StandardToPresent, kSelected, 0);
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
