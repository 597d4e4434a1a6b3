#pragma once
// What assistive technology reads of the extended kinds that paint their
// text themselves: a transparent label (the clock, the weekday, their
// captions) is static text named by what it shows, a hyperlink box a link
// named by its text, which its press action opens.

class QAccessibleInterface;
class QObject;
class QString;

namespace extended_controls {

// Adds the extended kinds' interfaces to Qt's factories; once is enough.
void InstallExtendedAccessibility();

// The interface of an extended kind's control, or null for another.
QAccessibleInterface* ExtendedAccessible(const QString& className, QObject* object);

}  // namespace extended_controls
