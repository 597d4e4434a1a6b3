#include "runtime/errors.h"

#include <cstdio>
#include <iterator>

#include "runtime/gbk.h"

namespace runtime {
namespace {

// Messages of the numbered errors, indexed by code - 1.
constexpr const char* NumberedMessages[] = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

constexpr int32_t ExitCodeAfterError = -1;

struct BoxTexts {
    std::string heading = Utf8ToGbk("运行时出错!\r\n\r\n");
    std::string codeLabel = Utf8ToGbk("错误代码：");
    std::string messageLabel = Utf8ToGbk("错误信息：");
    std::string caption = Utf8ToGbk("错误");
};

const BoxTexts& Texts() {
    static const BoxTexts texts;
    return texts;
}

// Without a windowing layer the box goes to the standard error stream.
void PresentOnStandardError(const std::string& gbkText, const std::string& gbkCaption) {
    std::fprintf(stderr, "%s\n%s\n", GbkToUtf8(gbkCaption).c_str(), GbkToUtf8(gbkText).c_str());
    std::fflush(stderr);
}

ErrorPresenter& Presenter() {
    static ErrorPresenter presenter = PresentOnStandardError;
    return presenter;
}

}  // namespace

std::string NumberedErrorMessage(int32_t code) {
    if (code < 1 || code > int32_t(std::size(NumberedMessages))) return {};
    return Utf8ToGbk(NumberedMessages[code - 1]);
}

std::string ComposeErrorText(std::string_view gbkMessage, int32_t code) {
    const BoxTexts& texts = Texts();
    std::string text = texts.heading;
    if (code != 0) {
        text += texts.codeLabel;
        text += std::to_string(code);
        text += "\r\n\r\n";
    }
    if (!gbkMessage.empty()) {
        text += texts.messageLabel;
        text += gbkMessage;
        text += "\r\n";
    }
    return text;
}

void SetErrorPresenter(ErrorPresenter presenter) {
    Presenter() = presenter != nullptr ? presenter : PresentOnStandardError;
}

void FatalRuntimeError(std::string_view gbkMessage, int32_t code) {
    IncrementErrorCount();
    // An error raised while the box is being shown (the heap failing again,
    // say) must not show another box: the process is already on its way out.
    static bool presenting = false;
    if (!presenting) {
        presenting = true;
        Presenter()(ComposeErrorText(gbkMessage, code), Texts().caption);
    }
    ForgetExitRoutine();
    ExitProgram(ExitCodeAfterError);
}

void FatalRuntimeErrorUtf8(std::string_view utf8Message, int32_t code) {
    FatalRuntimeError(Utf8ToGbk(utf8Message), code);
}

void RaiseRuntimeError(int32_t code) {
    FatalRuntimeError(NumberedErrorMessage(code), code);
}

}  // namespace runtime
