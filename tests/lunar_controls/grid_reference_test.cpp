// The painted day grid of a fixed month compared pixel for pixel with a
// committed reference image. Setting HC_WRITE_LUNAR_REFERENCE writes the
// reference instead (once, after checking the picture by eye).

#include <gtest/gtest.h>

#include <QImage>

#include "lunar_controls/day_grid.h"

namespace lunar_controls {
namespace {

const char* const kReferencePath = HC_LUNAR_REFERENCE_DIR "/grid_2014_02.png";

QImage PaintFebruary2014() {
    lunar_controls::CCalendar grid;
    grid.SetGregorianLayout(true);
    grid.SetSolarDate(2014, 2, 10, false);
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(GridReference, February2014MatchesTheReferenceImage) {
    const QImage painted = PaintFebruary2014();
    if (qEnvironmentVariableIsSet("HC_WRITE_LUNAR_REFERENCE")) {
        ASSERT_TRUE(painted.save(kReferencePath));
        GTEST_SKIP() << "reference written to " << kReferencePath;
    }
    QImage reference(kReferencePath);
    ASSERT_FALSE(reference.isNull()) << kReferencePath;
    reference = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(painted.size(), reference.size());
    int differing = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (painted.pixel(x, y) != reference.pixel(x, y)) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace lunar_controls
