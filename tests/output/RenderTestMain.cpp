#include "output/render/RenderApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const auto app = zoruka::makeRenderApplication(argc, argv);
    return RUN_ALL_TESTS();
}
