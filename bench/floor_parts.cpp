#include "bench/floor_parts.h"

#include <QDate>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <string>

#include "controls/kind_support.h"
#include "controls/window_builder.h"
#include "platform/platform.h"

namespace startup_floor {
namespace {

Qt::WindowFlags FrameFlags(const forms::WindowData& data) {
    using forms::WindowBorder;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (data.borderStyle == uint32_t(WindowBorder::None)) return flags | Qt::FramelessWindowHint;
    if (data.borderStyle == uint32_t(WindowBorder::ToolSizable) ||
        data.borderStyle == uint32_t(WindowBorder::ToolFixed) || data.shownOnTaskBar == 0) {
        flags |= Qt::Tool;
    }
    flags |= Qt::WindowTitleHint;
    if (data.controlBox != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (data.minimizeButton != 0) flags |= Qt::WindowMinimizeButtonHint;
        if (data.maximizeButton != 0) flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// Sunday is day 7 to Qt and shown as 0.
constexpr int kDaysInWeek = 7;

}  // namespace

forms::Bytes AssetBytes(std::span<const uint8_t> bytes) {
    return forms::Bytes(bytes.begin(), bytes.end());
}

forms::FontRecord FontWithFace(forms::FontRecord font, std::string_view gbkFace) {
    font.SetFace(gbkFace);
    return font;
}

Frame MakeFrame(const forms::WindowData& data, const forms::Bytes& icon) {
    auto* window = new QMainWindow;
    auto* client = new QWidget(window);
    window->setCentralWidget(client);
    window->setWindowFlags(FrameFlags(data));
    window->setWindowTitle(controls::DisplayText(data.title));
    if (const std::optional<QImage> image = platform::DecodeIcon(icon)) {
        window->setWindowIcon(QIcon(QPixmap::fromImage(*image)));
    }
    controls::ApplyColours(*client, QPalette::WindowText, forms::kBlack, QPalette::Window,
                           data.backgroundColour);
    client->setAutoFillBackground(true);
    return {window, client};
}

void PlaceEditBox(QWidget& box, QRect place, const forms::EditBoxData& data) {
    if (data.multiLine == 0) {
        const int minimum = QFontMetrics(box.font()).height() + 2 * controls::kinds::kEditEdgeWidth;
        place.setHeight(std::max(place.height(), minimum));
    }
    box.setGeometry(place);
    if (data.selectionStart != 0 || data.selectionLength != 0) {
        static_cast<controls::kinds::EditBoxWidget&>(box).setSelection(data.selectionStart,
                                                                       data.selectionLength);
    }
}

void FocusFirstTabStop(QWidget& control) {
    control.setFocus(Qt::TabFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(control.window()->focusWidget())) line->selectAll();
}

void ShowWeekday(extended_controls::TransLabelWidget& label) {
    forms::TransLabelData data = label.data();
    data.caption = std::to_string(QDate::currentDate().dayOfWeek() % kDaysInWeek);
    label.setData(data);
}

void FixClientSize(QMainWindow& window, QWidget& client, int outerWidth, int outerHeight) {
    const int width = outerWidth - 2 * controls::kClassicBorder;
    const int menu = window.menuBar()->heightForWidth(width);
    client.setFixedSize(
        width, outerHeight - 2 * controls::kClassicBorder - controls::kClassicCaption - menu);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.layout()->activate();
    window.move(platform::CentredOnScreen(window.size()).value_or(QPoint()));
}

}  // namespace startup_floor
