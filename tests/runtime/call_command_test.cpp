#include <gtest/gtest.h>

#include "command_test_support.h"
#include "runtime/convert.h"
#include "runtime/services.h"

namespace runtime {
namespace {

using testing::Call;

// What the probe command saw, so the contract can be checked from outside.
struct ProbeCall {
    TaggedValue resultOnEntry{1, 1, 1};
    int32_t argCount = -1;
    const TaggedValue* args = nullptr;
};
ProbeCall probeCall;

void ProbeCommand(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    probeCall = {*result, argCount, args};
    result->low = 0xAAAAAAAA;
    result->high = 0xBBBBBBBB;
}

TEST(CallCommand, HandsTheCommandAZeroedResultAndTheArgumentsAsGiven) {
    TaggedValue args[2] = {MakeDouble(1.5), MakeInt(3)};
    TaggedValue result = CallCommand(ProbeCommand, 2, args);

    EXPECT_EQ(probeCall.resultOnEntry.low, 0u);
    EXPECT_EQ(probeCall.resultOnEntry.high, 0u);
    EXPECT_EQ(probeCall.resultOnEntry.type, 0u);
    EXPECT_EQ(probeCall.argCount, 2);
    EXPECT_EQ(probeCall.args, args);
    EXPECT_EQ(result.low, 0xAAAAAAAAu);
    EXPECT_EQ(result.high, 0xBBBBBBBBu);
    EXPECT_EQ(result.type, 0u) << "the type word is left for the caller to know";
}

TEST(CallCommand, BothTableEntriesKeepTheContract) {
    TaggedValue arg = MakeDouble(2.0);
    TaggedValue viaTable = Services().CallCommand(ProbeCommand, 1, &arg);
    TaggedValue viaSecond = Services().CallCommand2(ProbeCommand, 1, &arg);
    EXPECT_EQ(viaTable.low, 0xAAAAAAAAu);
    EXPECT_EQ(viaSecond.low, 0xAAAAAAAAu);
    EXPECT_EQ(probeCall.args, &arg);
}

TEST(CallCommand, ArgumentTextsAreBorrowedNotFreed) {
    HeapCounters before = CurrentHeapCounters();
    std::string typed = "12.5";
    EXPECT_EQ(testing::CallForDouble(TextToNumber, {MakeText(typed.c_str())}), 12.5);
    EXPECT_EQ(testing::CallForDouble(TextToNumber, {MakeText(StaticEmptyText())}), 0.0);
    EXPECT_EQ(CurrentHeapCounters().frees, before.frees);
    EXPECT_EQ(typed, "12.5");
}

TEST(ServiceTable, HeapEntriesAreTheRuntimeHeap) {
    const RuntimeServices& services = Services();
    HeapCounters before = CurrentHeapCounters();
    void* block = services.AllocMemory(16);
    block = services.ReallocMemory(block, 32);
    services.FreeMemory(block);
    services.FreeMemory(nullptr);
    EXPECT_EQ(CurrentHeapCounters().allocations, before.allocations + 1);
    EXPECT_EQ(CurrentHeapCounters().frees, before.frees + 1);
}

int initialiseCalls = 0;
void CountInitialise() {
    ++initialiseCalls;
}
void EmptyExitRoutine() {}

TEST(ServiceTable, RuntimeControlInitialisesTheHostAndStoresTheExitRoutine) {
    RuntimeHost host{};
    host.initialise = CountInitialise;
    InstallRuntimeHost(&host);
    Services().RuntimeControl(int32_t(ControlFunction::Initialise), 0);
    EXPECT_EQ(initialiseCalls, 1);
    InstallRuntimeHost(nullptr);
    Services().RuntimeControl(int32_t(ControlFunction::Initialise), 0);
    EXPECT_EQ(initialiseCalls, 1) << "without a host initialisation does nothing more";

    Services().RuntimeControl(int32_t(ControlFunction::SetExitRoutine),
                              reinterpret_cast<uintptr_t>(EmptyExitRoutine));
    EXPECT_EQ(RegisteredExitRoutine(), EmptyExitRoutine);
    ForgetExitRoutine();
    EXPECT_EQ(RegisteredExitRoutine(), nullptr);
}

// A host that records property traffic and window commands.
struct HostLog {
    uint32_t windowId = 0, unitId = 0;
    int32_t property = 0, element = 0;
    Payload written = 0;
    bool hasParent = false, modal = false, atOnce = false;
};
HostLog hostLog;

Payload RecordRead(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element) {
    hostLog.windowId = windowId;
    hostLog.unitId = unitId;
    hostLog.property = property;
    hostLog.element = element;
    return 0x1122334455667788ull;
}
void RecordWrite(uint32_t windowId, uint32_t unitId, int32_t property, int32_t, Payload payload) {
    hostLog.windowId = windowId;
    hostLog.unitId = unitId;
    hostLog.property = property;
    hostLog.written = payload;
}
bool RecordLoad(uint32_t windowId, uint32_t, bool hasParent, bool modal) {
    hostLog.windowId = windowId;
    hostLog.hasParent = hasParent;
    hostLog.modal = modal;
    return true;
}
void RecordClose(uint32_t windowId, uint32_t unitId, bool atOnce) {
    hostLog.windowId = windowId;
    hostLog.unitId = unitId;
    hostLog.atOnce = atOnce;
}

TEST(ServiceTable, PropertiesAndWindowCommandsGoThroughTheHost) {
    RuntimeHost host{};
    host.readProperty = RecordRead;
    host.writeProperty = RecordWrite;
    host.loadWindow = RecordLoad;
    host.closeWindow = RecordClose;
    InstallRuntimeHost(&host);

    EXPECT_EQ(Services().ReadProperty(0x52010001, 0x16000002, 9, -1), 0x1122334455667788ull);
    EXPECT_EQ(hostLog.unitId, 0x16000002u);
    EXPECT_EQ(hostLog.element, -1);
    Services().WriteProperty(0x52010001, 0x16000003, 8, -1, 0x55667788, 0x11223344);
    EXPECT_EQ(hostLog.written, 0x1122334455667788ull);

    EXPECT_EQ(
        testing::CallForInt(LoadWindow, {MakeWindowRef(0x5201041B), MakeOmitted(), MakeBool(true)}),
        1);
    EXPECT_FALSE(hostLog.hasParent);
    EXPECT_TRUE(hostLog.modal);
    Call(CloseWindow, {MakeWindowRef(0x5201041B)});
    EXPECT_EQ(hostLog.unitId, 0u);
    EXPECT_FALSE(hostLog.atOnce);
    InstallRuntimeHost(nullptr);
}

TEST(ServiceTable, WithoutAHostTheWindowServicesActAsIfNoWindowIsLoaded) {
    InstallRuntimeHost(nullptr);
    Services().RunMessageLoop();
    EXPECT_EQ(
        testing::CallForInt(LoadWindow, {MakeWindowRef(0x5201041B), MakeOmitted(), MakeBool(true)}),
        0);
}

struct UnloadedCase {
    const char* name;
    void (*action)();
    const char* message;
};

TEST(ServiceTableDeathTest, WithoutAHostWindowAccessIsFatal) {
    const UnloadedCase cases[] = {
        {"read property", [] { Services().ReadProperty(0x52010001, 0x16000001, 8, -1); },
         "未载入欲访问窗口组件所在的窗口"},
        {"write property", [] { Services().WriteProperty(0x52010001, 0x16000001, 8, -1, 0, 0); },
         "未载入欲访问窗口组件所在的窗口"},
        {"start window", [] { Services().LoadStartWindow(0x52010001); }, "载入启动窗口失败"},
        {"close window", [] { Call(CloseWindow, {MakeWindowRef(0x52010001)}); },
         "指定窗口或窗口组件不存在或尚未载入"},
    };
    InstallRuntimeHost(nullptr);
    for (const UnloadedCase& c : cases) {
        EXPECT_EXIT(c.action(), ::testing::ExitedWithCode(255), c.message) << c.name;
    }
}

}  // namespace
}  // namespace runtime
