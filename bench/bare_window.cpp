// The start-up baseline: a bare Qt program that opens one fixed-size window
// filled by a tab widget of four empty pages, the same outline as the
// program's main window, and ends as soon as the window has been painted.
// Like any program on a Chinese desktop it shows its tab captions in Chinese,
// in the desktop's default GUI font (a Song face of 12 pixels, as the
// program assumes too); with the environment variable
// HC_BASELINE_LATIN set it shows Latin captions in Qt's own default font
// instead, which needs no CJK font at all. Linked with
// bench/first_paint_exit.cpp, which ends it after the first paint, and timed
// as a whole process beside the program built with the same file.

#include <QApplication>
#include <QFont>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>

namespace {

// The client size of the program's main window and its tab captions.
constexpr int kWindowWidth = 780;
constexpr int kWindowHeight = 699;
constexpr const char* kChineseCaptions[] = {"湿度(带压)换算", "压力单位换算", "农家历", "关于"};
constexpr const char* kLatinCaptions[] = {"Humidity", "Pressure", "Calendar", "About"};

// The Song face a Chinese desktop offers as its default GUI font here.
constexpr const char* kDesktopFontFamily = "AR PL UMing CN";
constexpr int kDesktopFontPixels = 12;

void UseDesktopFont() {
    QFont font(QString::fromUtf8(kDesktopFontFamily));
    font.setPixelSize(kDesktopFontPixels);
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool latin = std::getenv("HC_BASELINE_LATIN") != nullptr;
    if (!latin) UseDesktopFont();
    QWidget window;
    window.setFixedSize(kWindowWidth, kWindowHeight);
    auto* tabs = new QTabWidget(&window);
    for (const char* caption : latin ? kLatinCaptions : kChineseCaptions) {
        tabs->addTab(new QWidget(), QString::fromUtf8(caption));
    }
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    window.show();
    return application.exec();
}
