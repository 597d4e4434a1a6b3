#pragma once
// The main window's properties held in memory, so that the engine's own
// handlers fill result boxes without any window.
//
//   inputs ─► WindowProperties ─► Run(procedure) ─► runtime::Services()
//        ─► RuntimeHost read/write hooks ─► this store ─► result texts
//
// The engine reaches properties only through the runtime's host hooks, so
// installing this store as the host for the length of one handler call runs
// exactly the code the window runs, commands and rounding included. Texts are
// GBK, as in the window; an edit box's content and tooltip are texts, every
// other property an integer.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "engine/form_ids.h"
#include "runtime/services.h"

namespace cli {

class WindowProperties {
public:
    void SetText(engine::MainUnit box, std::string_view gbk);
    void SetInt(engine::MainUnit unit, int32_t property, int32_t value);
    // The content of an edit box; empty when nothing was written.
    const std::string& Text(engine::MainUnit box) const;

    // Runs one engine handler against this store.
    void Run(runtime::EngineProcedure procedure);

private:
    struct Stored {
        std::string text;
        int32_t value = 0;
    };
    using Key = std::pair<uint32_t, int32_t>;

    static runtime::Payload Read(uint32_t windowId, uint32_t unitId, int32_t property,
                                 int32_t element);
    static void Write(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element,
                      runtime::Payload payload);

    std::map<Key, Stored> properties_;
};

}  // namespace cli
