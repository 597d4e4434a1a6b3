#pragma once
// Runtime errors: the one way the runtime fails. FatalRuntimeError counts the
// error (no control event is dispatched from then on), shows the error box
// through the installed presenter, forgets the engine's exit routine and ends
// the process with exit code -1 through ExitProgram.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/program_exit.h"

namespace runtime {

// Messages of the errors the runtime raises with code 0 (UTF-8 here; the box
// shows them in GBK).
namespace error_message {
inline constexpr const char* AllocationFailed = "分配 %d 字节内存失败!";
inline constexpr const char* TemplateUnreadable = "载入窗口模板数据段出错!";
inline constexpr const char* StartWindowFailed = "载入启动窗口失败";
inline constexpr const char* WindowNotLoaded = "未载入欲访问窗口组件所在的窗口";
inline constexpr const char* ControlWindowMissing = "指定窗口尚未载入";
inline constexpr const char* WindowOrUnitMissing = "指定窗口或窗口组件不存在或尚未载入";
inline constexpr const char* EventWindowMissing = "未找到引发事件的窗口";
inline constexpr const char* EventUnitMissing = "未找到引发事件的窗口组件";
inline constexpr const char* EventUnitInvalid = "引发事件的窗口组件无效";
inline constexpr const char* NotNumeric = "欲转换数据类型不是数值";
inline constexpr const char* UnitNotInWindow = "指定窗口组件不存在";
}  // namespace error_message

// The numbered error's message (GBK), or empty for an unknown number.
std::string NumberedErrorMessage(int32_t code);

// The error box text (GBK) for a GBK message and a code.
std::string ComposeErrorText(std::string_view gbkMessage, int32_t code);

// Shows the composed text (GBK) under the caption (GBK) and waits until the
// user dismisses it. The windowing layer installs a real box; tests install
// their own.
using ErrorPresenter = void (*)(const std::string& gbkText, const std::string& gbkCaption);
void SetErrorPresenter(ErrorPresenter presenter);

[[noreturn]] void FatalRuntimeError(std::string_view gbkMessage, int32_t code = 0);
// The same with a UTF-8 message constant from error_message.
[[noreturn]] void FatalRuntimeErrorUtf8(std::string_view utf8Message, int32_t code = 0);
[[noreturn]] void RaiseRuntimeError(int32_t code);

}  // namespace runtime
