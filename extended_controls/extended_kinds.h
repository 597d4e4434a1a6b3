#pragma once
// The runtime's own control kinds: the timer "时钟", the transparent label
// "透明标签" and the hyperlink box "超级链接框", which come with the
// extended controls library.

#include "controls/kind_registry.h"

namespace extended_controls {

controls::KindDescriptor TimerKind();
controls::KindDescriptor TransLabelKind();
controls::KindDescriptor HyperLinkerKind();

// The extended controls library's kinds, as the program's support-library
// table lists them.
inline constexpr controls::KindMaker kExtendedKinds[] = {TimerKind, TransLabelKind,
                                                         HyperLinkerKind};

}  // namespace extended_controls
