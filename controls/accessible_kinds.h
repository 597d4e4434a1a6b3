#pragma once
// What assistive technology reads of the core kinds beyond what Qt's own
// interfaces give: labels paint their caption themselves, so they are named
// by it and read as static text; a tab strip's page tab reports the focus
// only while the strip has it, and a control that hands its focus on (an
// edit box to its editor) does not report it too, so that exactly one object
// holds the focus.
//
//   assistive technology asks ──► Qt's factories ──► CoreAccessible(object)
//                                                └─► label / tab strip interface

class QAccessibleInterface;
class QObject;
class QString;

namespace controls {

// Adds the core kinds' interfaces to Qt's factories; once is enough.
void InstallCoreAccessibility();

// The interface of a core kind's control, or null for Qt's own.
QAccessibleInterface* CoreAccessible(const QString& className, QObject* object);

}  // namespace controls
