#pragma once
// The runtime's own control kinds: the timer "时钟", the transparent label
// "透明标签" and the hyperlink box "超级链接框". They plug into the control
// model like every other kind.
//
//   RegisterRuntimeKinds ──► forms::RegisterKind(descriptor) ×3
//   window loading ──► create(kind data) ──► TimerControl / TransLabelControl / HyperLinkControl
//   ReadProperty / WriteProperty ──► getProperty / setProperty (number − 8)
//   timer tick ──► forms::FireEvent(window, unit, 0) ──► bound engine procedure
//   control destroyed ──► forms::ReportUnitGone(window, unit)

namespace runtime {

// Registers the three kinds with the control model; call once at start-up,
// before the first window is loaded. Calling it again changes nothing.
void RegisterRuntimeKinds();

}  // namespace runtime
