// The arguments of the common events in the units the engine expects.

#include "controls/event_arguments.h"

#include "controls/control_model.h"
#include "platform/platform.h"

namespace controls {
namespace {

struct KeyCode {
    int qtKey;
    int32_t virtualKey;
};

// Keys whose virtual-key code is not their character's.
constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},          {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},     {Qt::Key_Enter, 0x0D},        {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},    {Qt::Key_Alt, 0x12},          {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},   {Qt::Key_Escape, 0x1B},       {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22},     {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},       {Qt::Key_Left, 0x25},         {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},      {Qt::Key_Down, 0x28},         {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},     {Qt::Key_Menu, 0x5D},         {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Semicolon, 0xBA},    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Comma, 0xBC},      {Qt::Key_Minus, 0xBD},        {Qt::Key_Period, 0xBE},
    {Qt::Key_Slash, 0xBF},      {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},  {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
};

// Keypad keys, told apart by the keypad modifier.
constexpr KeyCode kKeypadCodes[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Slash, 0x6F},
};
constexpr int32_t kKeypadDigitZero = 0x60;
constexpr int32_t kFunctionKeyOne = 0x70;
constexpr int kFunctionKeyCount = 24;

}  // namespace

int32_t ModifierState(Qt::KeyboardModifiers modifiers) {
    int32_t state = 0;
    if (modifiers & Qt::ControlModifier) state |= kCtrlHeld;
    if (modifiers & Qt::ShiftModifier) state |= kShiftHeld;
    if (modifiers & Qt::AltModifier) state |= kAltHeld;
    return state;
}

int32_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kKeypadDigitZero + (qtKey - Qt::Key_0);
        for (const KeyCode& code : kKeypadCodes) {
            if (code.qtKey == qtKey) return code.virtualKey;
        }
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeyCount) {
        return kFunctionKeyOne + (qtKey - Qt::Key_F1);
    }
    for (const KeyCode& code : kKeyCodes) {
        if (code.qtKey == qtKey) return code.virtualKey;
    }
    return 0;
}

std::vector<int32_t> CharacterCodes(const QString& text) {
    std::vector<int32_t> codes;
    for (char byte : platform::QStringToGbk(text)) codes.push_back(int32_t(uint8_t(byte)));
    return codes;
}

}  // namespace controls
