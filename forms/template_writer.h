#pragma once
// The inverse of the template reader: plain records → the template's bytes,
// with every length, count and offset computed. Used by the build-time
// template compiler and by the reader's tests.

#include <stdexcept>

#include "forms/template.h"

namespace forms {

// Raised for records that cannot be stored: an invalid unit ID, or a unit
// whose ID names the other record type (a menu item ID on a control record
// or the reverse).
class TemplateWriteError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The whole template block.
Bytes WriteTemplate(const TemplateData& data);

// One unit's record data (without its u32 length prefix).
Bytes WriteUnit(const Unit& unit);

}  // namespace forms
