#include "fakes.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

TEST(ImageHandlerTest, NewHandlerIsEmpty)
{
    FakeServices fakes;
    ImageHandler handler(fakes.services());
    EXPECT_EQ(handler.numImages(), 0);
    EXPECT_EQ(handler.curImage(), nullptr);
}
