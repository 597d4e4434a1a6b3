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
    MemoryWindow window(MemoryWindow::Mode::Strict);
    runtime::ForgetExitRoutine();
    EXPECT_EQ(EngineMain(runtime::Services()), 0);
    const std::vector<std::string> expected = {"Initialise", "LoadStartWindow 52010001",
                                               "RunMessageLoop"};
    EXPECT_EQ(window.StartUpCalls(), expected);
    EXPECT_NE(runtime::RegisteredExitRoutine(), nullptr);
    EXPECT_TRUE(window.Writes().empty());
}

}  // namespace
}  // namespace engine::testing
