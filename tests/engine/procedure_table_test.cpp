// The procedure table and the entry routine.

#include <algorithm>

#include "handler_fixture.h"

namespace engine::testing {
namespace {

TEST(ProcedureTable, HasOneHandlerPerProcedure) {
    std::span<const EngineProcedure> table = ProcedureTable();
    ASSERT_EQ(table.size(), ProcedureCount);
    EXPECT_TRUE(std::ranges::none_of(table, [](EngineProcedure p) { return p == nullptr; }));
}

TEST(EngineMain, InitialisesLoadsTheMainWindowAndRunsTheLoop) {
    FakeRuntime fake;
    EXPECT_EQ(EngineMain(fake.Services()), 0);
    const std::vector<std::string> expected = {"RuntimeControl 6", "RuntimeControl 3 routine",
                                               "LoadStartWindow 52010001", "RunMessageLoop"};
    EXPECT_EQ(fake.StartUpCalls(), expected);
    EXPECT_TRUE(fake.Writes().empty());
}

}  // namespace
}  // namespace engine::testing
