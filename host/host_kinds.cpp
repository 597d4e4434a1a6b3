#include "host/host_kinds.h"

#include "controls/kind_registry.h"
#include "host/hyperlink_kind.h"
#include "host/timer_kind.h"
#include "host/trans_label_kind.h"

namespace runtime {

void RegisterRuntimeKinds() {
    forms::RegisterKind(TimerKind());
    forms::RegisterKind(TransLabelKind());
    forms::RegisterKind(HyperLinkerKind());
}

}  // namespace runtime
