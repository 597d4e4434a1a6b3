#include "controls/mouse_pointer.h"

#include <QWidget>
#include <cstring>

namespace controls {
namespace {

struct SystemCursor {
    uint32_t id;
    Qt::CursorShape shape;
};

constexpr SystemCursor kSystemCursors[] = {
    {forms::kArrowPointer, Qt::ArrowCursor},
    {32513, Qt::IBeamCursor},
    {32514, Qt::WaitCursor},
    {32515, Qt::CrossCursor},
    {32516, Qt::UpArrowCursor},
    {32642, Qt::SizeFDiagCursor},
    {32643, Qt::SizeBDiagCursor},
    {32644, Qt::SizeHorCursor},
    {32645, Qt::SizeVerCursor},
    {32646, Qt::SizeAllCursor},
    {32648, Qt::ForbiddenCursor},
    {forms::kHandPointer, Qt::PointingHandCursor},
    {32650, Qt::BusyCursor},
    {32651, Qt::WhatsThisCursor},
};

}  // namespace

void ApplyMousePointer(QWidget& control, const forms::Bytes& pointer,
                       std::optional<Qt::CursorShape> ownPointer) {
    uint32_t id = 0;
    if (pointer.size() == sizeof id) std::memcpy(&id, pointer.data(), sizeof id);
    for (const SystemCursor& cursor : kSystemCursors) {
        if (cursor.id == id) return control.setCursor(cursor.shape);
    }
    if (ownPointer) return control.setCursor(*ownPointer);
    control.unsetCursor();
}

}  // namespace controls
