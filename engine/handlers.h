#pragma once
// The engine's event handlers and its entry routine.
//
//   runtime start hook ─► EngineMain ─► initialise, load the main window, message loop
//   bound event ─► ProcedureTable()[Procedure] ─► handler ─► services
//                  (Read/WriteProperty, CallCommand, FreeMemory)
//
// Every handler has the EngineProcedure signature; it reaches the windows
// only through the service table it is given, so the same code runs against
// the runtime and against the tests' in-memory services.

#include <span>

#include "engine/procedures.h"
#include "runtime/services.h"

namespace engine {

using runtime::EngineProcedure;
using runtime::EventRecord;
using runtime::RuntimeServices;

// The entry routine: initialises the runtime, loads the main window, runs
// the message loop and returns the exit code 0.
int EngineMain(const RuntimeServices& services);

// The procedure table, one entry per Procedure in its order.
std::span<const EngineProcedure> ProcedureTable();

// The humidity conversion's program-lifetime variables, all 0 at start and
// kept between clicks.
struct HumidityVariables {
    double absoluteHumidityFactor = 0.0;  // set to 2.165 at the start of every run
    double e = 0.0;                       // vapour pressure, Pa
    double es = 0.0;                      // saturation vapour pressure, Pa
    double k = 0.0;                       // absolute-to-reference pressure ratio
    double e2 = 0.0;                      // vapour pressure after the pressure conversion, Pa
};
HumidityVariables& Humidity();

// 按钮1 "计算": the humidity conversion.
void ConvertHumidity(const RuntimeServices& services, EventRecord& event);

// Pressure page: 按钮3-按钮9 convert their row, 编辑框20-编辑框26 highlight it.
void ConvertBarRow(const RuntimeServices& services, EventRecord& event);
void ConvertMpaRow(const RuntimeServices& services, EventRecord& event);
void ConvertKpaRow(const RuntimeServices& services, EventRecord& event);
void ConvertAtmRow(const RuntimeServices& services, EventRecord& event);
void ConvertKgfRow(const RuntimeServices& services, EventRecord& event);
void ConvertMmHgRow(const RuntimeServices& services, EventRecord& event);
void ConvertPsiRow(const RuntimeServices& services, EventRecord& event);
void FocusBarRow(const RuntimeServices& services, EventRecord& event);
void FocusMpaRow(const RuntimeServices& services, EventRecord& event);
void FocusKpaRow(const RuntimeServices& services, EventRecord& event);
void FocusAtmRow(const RuntimeServices& services, EventRecord& event);
void FocusKgfRow(const RuntimeServices& services, EventRecord& event);
void FocusMmHgRow(const RuntimeServices& services, EventRecord& event);
void FocusPsiRow(const RuntimeServices& services, EventRecord& event);

// 时钟1 elapsed: the date and time into 透明标签1, 2 and 3.
void UpdateClock(const RuntimeServices& services, EventRecord& event);
// Main window created: the day-of-week numbers and the input label.
void MainWindowCreated(const RuntimeServices& services, EventRecord& event);
// 组合框1 item chosen: show the caption of the selected known quantity.
void UpdateInputLabel(const RuntimeServices& services, EventRecord& event);

// Opening and closing the windows.
void CloseMainWindow(const RuntimeServices& services, EventRecord& event);
void OpenAboutWindow(const RuntimeServices& services, EventRecord& event);
void OpenCompanyWindow(const RuntimeServices& services, EventRecord& event);
void CloseAboutWindow(const RuntimeServices& services, EventRecord& event);
void CloseCompanyWindow(const RuntimeServices& services, EventRecord& event);

}  // namespace engine
