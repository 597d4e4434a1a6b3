#pragma once
// Property and command access shared by the handlers: every read, write and
// command call goes through the service table, and every text the runtime
// hands over is freed here once it has been used.
//
//   ReadProperty ─► heap text ─► TextToNumber ─► double        (text freed)
//   double ─► NumberToFormattedText ─► heap text ─► WriteProperty (text freed)

#include <cstdint>
#include <initializer_list>
#include <string>

#include "engine/form_ids.h"
#include "runtime/services.h"
#include "runtime/values.h"

namespace engine::support {

using runtime::RuntimeServices;

// Calls a command with the given arguments, first argument first.
runtime::TaggedValue Call(const RuntimeServices& services, runtime::CommandRoutine command,
                          std::initializer_list<runtime::TaggedValue> args);

// The number in an edit box of the main window; an empty box reads as 0.
double ReadNumber(const RuntimeServices& services, MainUnit editBox);
// The selection index of a combo box of the main window.
int32_t ReadSelection(const RuntimeServices& services, MainUnit comboBox);
// Whether a radio button of the main window is selected.
bool ReadSelected(const RuntimeServices& services, MainUnit radioButton);

// Writes a value into an edit box of the main window with a fixed number of
// decimals and no digit grouping.
void WriteNumber(const RuntimeServices& services, MainUnit editBox, double value, int32_t decimals);
// Writes an edit box's tooltip; the empty text removes it.
void WriteToolTip(const RuntimeServices& services, MainUnit editBox, const std::string& gbk);
// Writes the text a command returned into a transparent label's caption and
// frees it.
void WriteCaptionAndFree(const RuntimeServices& services, MainUnit transLabel, char* text);
void WriteVisible(const RuntimeServices& services, MainUnit label, bool visible);
void WriteTextColour(const RuntimeServices& services, MainUnit label, Colour colour);

// A text result of a command, owned by the caller.
char* TextResult(const runtime::TaggedValue& result);

}  // namespace engine::support
