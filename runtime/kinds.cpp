#include "runtime/kinds.h"

#include "forms/kind_registry.h"
#include "runtime/hyperlink_kind.h"
#include "runtime/timer_kind.h"
#include "runtime/trans_label_kind.h"

namespace runtime {

void RegisterRuntimeKinds() {
    forms::RegisterKind(TimerKind());
    forms::RegisterKind(TransLabelKind());
    forms::RegisterKind(HyperLinkerKind());
}

}  // namespace runtime
