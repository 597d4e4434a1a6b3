#include "runtime/errors.h"

#include <gtest/gtest.h>

#include <string>

#include "command_test_support.h"
#include "runtime/services.h"

namespace runtime {
namespace {

using testing::Gbk;

struct BoxRow {
    const char* name;
    std::string gbkMessage;
    int32_t code;
    const char* expectedUtf8;
};

TEST(ComposeErrorText, HeadingThenCodeLineThenMessageLine) {
    const BoxRow rows[] = {
        {"allocation failure", Gbk("分配 1024 字节内存失败!"), 0,
         "运行时出错!\r\n\r\n错误信息：分配 1024 字节内存失败!\r\n"},
        {"numbered error 1", NumberedErrorMessage(1), 1,
         "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        {"no code, no message", "", 0, "运行时出错!\r\n\r\n"},
        {"code without message", "", 7, "运行时出错!\r\n\r\n错误代码：7\r\n\r\n"},
        {"negative code in signed decimal", "", -2, "运行时出错!\r\n\r\n错误代码：-2\r\n\r\n"},
    };
    for (const BoxRow& row : rows) {
        EXPECT_EQ(ComposeErrorText(row.gbkMessage, row.code), Gbk(row.expectedUtf8)) << row.name;
    }
}

TEST(NumberedErrorMessage, CoversCodesOneToElevenOnly) {
    EXPECT_EQ(NumberedErrorMessage(11), Gbk("所提供参数的数据类型不符合要求"));
    EXPECT_EQ(NumberedErrorMessage(9),
              Gbk("“多项选择”命令的索引值参数小于零或超出了所提供参数表范围"));
    EXPECT_EQ(NumberedErrorMessage(0), "");
    EXPECT_EQ(NumberedErrorMessage(12), "");
}

// The test presenter writes what the box would show, in UTF-8, to the error
// stream of the dying process, where the death test reads it.
void PresentToStandardError(const std::string& gbkText, const std::string& gbkCaption) {
    std::fprintf(stderr, "[%s]%s", GbkToUtf8(gbkCaption).c_str(), GbkToUtf8(gbkText).c_str());
}

void ExitRoutineThatMustNotRun() {
    std::fprintf(stderr, "exit routine ran");
    std::fflush(stderr);
}

void RaiseAfterRegisteringAnExitRoutine() {
    SetErrorPresenter(PresentToStandardError);
    Services().RuntimeControl(int32_t(ControlFunction::SetExitRoutine),
                              reinterpret_cast<uintptr_t>(ExitRoutineThatMustNotRun));
    FatalRuntimeErrorUtf8(error_message::WindowNotLoaded);
}

TEST(FatalRuntimeErrorDeathTest, PresentsTheBoxAndExitsWith255WithoutTheExitRoutine) {
    EXPECT_EXIT(RaiseAfterRegisteringAnExitRoutine(), ::testing::ExitedWithCode(255),
                "^\\[错误\\]运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n$");
}

void OrderlyExitRunsTheExitRoutine() {
    Services().RuntimeControl(int32_t(ControlFunction::SetExitRoutine),
                              reinterpret_cast<uintptr_t>(ExitRoutineThatMustNotRun));
    Services().ExitProgram(3);
}

TEST(FatalRuntimeErrorDeathTest, AnOrderlyExitRunsTheExitRoutineOnce) {
    EXPECT_EXIT(OrderlyExitRunsTheExitRoutine(), ::testing::ExitedWithCode(3),
                "^exit routine ran$");
}

TEST(FatalRuntimeErrorDeathTest, NumberedErrorsCarryTheirCode) {
    EXPECT_EXIT(
        {
            SetErrorPresenter(PresentToStandardError);
            RaiseRuntimeError(5);
        },
        ::testing::ExitedWithCode(255), "错误代码：5\r\n\r\n错误信息：数据或数组类型不匹配");
}

TEST(ErrorCount, RisesWithEveryError) {
    int32_t before = ErrorCount();
    IncrementErrorCount();
    EXPECT_EQ(ErrorCount(), before + 1);
}

}  // namespace
}  // namespace runtime
