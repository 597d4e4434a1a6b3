#pragma once
// The program's windows held in memory, so that the engine's own handlers
// run without any window: the command line converts on it, and the engine's
// tests check what the handlers read, write and call.
//
//   MemoryWindow (scoped: installed as the runtime's host while it lives)
//   handler ─► runtime::Services() ─► host hooks ─► property store (window, unit, property)
//                                                ├─► window commands, start-up calls (recorded)
//                                                └─► the clock (a set moment, else the real one)
//
// The engine reaches windows only through the runtime's host hooks, so a
// handler run here runs exactly the code the window runs, commands and
// rounding included. Texts are GBK, as in the window; an edit box's content
// and tooltip (and a transparent label's caption) are texts, every other
// property an integer.
//
// Two modes: the command line's window starts with the main window's
// initial values and reads a property nobody wrote as the empty text or 0;
// a strict window (the tests) starts empty, counts a read of a property
// nobody wrote as a fault, and records every write, window command and
// start-up call.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/form_ids.h"
#include "runtime/services.h"

namespace engine {

// One property write as the engine made it.
struct PropertyWrite {
    uint32_t window = 0;
    uint32_t unit = 0;
    int32_t property = 0;
    int32_t element = 0;
    std::string text;   // for text properties
    int32_t value = 0;  // for integer properties
};

// One LoadWindow or CloseWindow as the runtime hands it to its host.
struct WindowCommand {
    enum class Kind { Load, Close };
    Kind kind = Kind::Load;
    uint32_t window = 0;
    bool modal = false;   // Load: opened modally
    bool atOnce = false;  // Close: closed without the close request
    friend bool operator==(const WindowCommand&, const WindowCommand&) = default;
};

// The handlers' state kept between events (the humidity conversion's
// variables), as at program start.
void ResetHandlerState();

class MemoryWindow {
public:
    enum class Mode {
        WindowDefaults,  // the main window's initial values; unset reads are empty
        Strict,          // nothing set; unset reads are faults; everything recorded
    };

    explicit MemoryWindow(Mode mode);
    ~MemoryWindow();
    MemoryWindow(const MemoryWindow&) = delete;
    MemoryWindow& operator=(const MemoryWindow&) = delete;

    // The form template's initial values of every property the handlers use.
    void SetMainWindowDefaults();

    void SetText(MainUnit unit, std::string_view gbk,
                 EditBoxProperty property = EditBoxProperty::Content);
    void SetInt(MainUnit unit, int32_t property, int32_t value);
    // Empty (0) when nothing was written.
    const std::string& Text(MainUnit unit,
                            EditBoxProperty property = EditBoxProperty::Content) const;
    int32_t Int(MainUnit unit, int32_t property) const;
    bool Has(MainUnit unit, int32_t property) const;

    // The moment CurrentDateTime answers; the real clock until one is set.
    void SetNow(double dateTime);

    // Runs one engine handler on this window.
    void Run(runtime::EngineProcedure procedure);

    // What a strict window recorded since it was made or last cleared.
    const std::vector<PropertyWrite>& Writes() const { return writes_; }
    const std::vector<WindowCommand>& WindowCommands() const { return windowCommands_; }
    // "Initialise", "LoadStartWindow 52010001" and "RunMessageLoop", in order.
    const std::vector<std::string>& StartUpCalls() const { return startUpCalls_; }
    // Reads of a property nobody wrote, described.
    const std::vector<std::string>& UnsetReads() const { return unsetReads_; }
    void ClearRecords();

private:
    using Key = std::tuple<uint32_t, uint32_t, int32_t>;
    struct Stored {
        std::string text;
        int32_t value = 0;
    };

    static MemoryWindow& Current();
    static runtime::Payload ReadProperty(uint32_t window, uint32_t unit, int32_t property,
                                         int32_t element);
    static void WriteProperty(uint32_t window, uint32_t unit, int32_t property, int32_t element,
                              runtime::Payload payload);
    static void Initialise();
    static void LoadStartWindow(uint32_t window);
    static void RunMessageLoop();
    static bool LoadWindow(uint32_t window, uint32_t parent, bool hasParent, bool modal);
    static void CloseWindow(uint32_t window, uint32_t unit, bool atOnce);
    static double Now();
    static const runtime::RuntimeHost& Hooks();

    void NoteStartUp(std::string call);
    void NoteWindowCommand(const WindowCommand& command);

    const Stored* Find(const Key& key) const;

    Mode mode_;
    std::map<Key, Stored> properties_;
    std::vector<PropertyWrite> writes_;
    std::vector<WindowCommand> windowCommands_;
    std::vector<std::string> startUpCalls_;
    std::vector<std::string> unsetReads_;
    double now_ = 0.0;
    bool nowSet_ = false;
    // What was installed before this window, restored when it goes.
    const runtime::RuntimeHost* previousHost_;
    MemoryWindow* previousWindow_;
};

}  // namespace engine
