#pragma once
// Access to the embedded template for the window tests: parsed once, units
// looked up by their (UTF-8) names, kind data decoded on request. Every
// lookup fails the test, rather than crashing it, when the unit is missing.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "embedded/embedded_template.h"
#include "engine/form_ids.h"
#include "forms/kind_data.h"
#include "forms/template.h"
#include "runtime/gbk.h"
#include "windows/main_window.h"

namespace forms::testing {

inline std::string Gbk(std::string_view utf8) {
    return runtime::Utf8ToGbk(utf8);
}

inline const TemplateData& EmbeddedForms() {
    static const TemplateData forms = [] {
        std::optional<TemplateData> parsed = ParseTemplate(embedded::EmbeddedTemplate());
        return parsed ? *parsed : TemplateData{};
    }();
    return forms;
}

using engine::Id;
using engine::MainUnit;
using engine::WindowId;

inline const WindowRecord& Window(WindowId windowId) {
    static const WindowRecord missing;
    const WindowRecord* window = FindWindow(EmbeddedForms(), Id(windowId));
    EXPECT_NE(window, nullptr) << std::hex << Id(windowId);
    return window ? *window : missing;
}

inline const UnitRecord& Unit(WindowId windowId, std::string_view utf8Name) {
    static const UnitRecord missing;
    const std::string name = Gbk(utf8Name);
    for (const forms::Unit& unit : Window(windowId).units) {
        const auto* record = std::get_if<UnitRecord>(&unit);
        if (record && record->name == name) return *record;
    }
    ADD_FAILURE() << "no unit " << utf8Name;
    return missing;
}

template <typename KindData>
KindData Decode(const UnitRecord& unit) {
    std::optional<KindData> data = ReadKindData<KindData>(unit.kindData);
    EXPECT_TRUE(data.has_value()) << runtime::GbkToUtf8(unit.name);
    return data.value_or(KindData{});
}

}  // namespace forms::testing
