#include <gtest/gtest.h>
TEST(GallerySetupBuild, Compiles) { SUCCEED(); }
