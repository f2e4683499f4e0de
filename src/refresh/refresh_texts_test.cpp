// The count line of an update and the working name of a module.
#include "refresh/refresh_texts.h"

#include <gtest/gtest.h>

namespace quillon::refresh {
namespace {

TEST(RefreshTexts, CountLineForEveryCase)
{
    EXPECT_EQ(updateCountText(3, 2), "3 modules updated - 2 modules not located");
    EXPECT_EQ(updateCountText(1, 1), "1 module updated - 1 module not located");
    EXPECT_EQ(updateCountText(0, 4), "None of the 4 modules located");
    EXPECT_EQ(updateCountText(0, 1), "Module NOT located");
    EXPECT_EQ(updateCountText(12, 0), "All 12 modules updated from DLL/EXE files");
    EXPECT_EQ(updateCountText(2, 0), "Both modules updated from DLL/EXE files");
    EXPECT_EQ(updateCountText(1, 0), "One module was updated from DLL/EXE file");
    EXPECT_EQ(updateCountText(0, 0), "No modules was updated from DLL/EXE files");
    EXPECT_EQ(updateCountText(3, 1, 2),
              "3 modules updated - 1 module not located - 2 modules kept: <read error>");
    EXPECT_EQ(updateCountText(0, 0, 1),
              "No modules was updated from DLL/EXE files - 1 module kept: <read error>");
    EXPECT_EQ(workingName("KERNEL32 "), "Kernel32...");
    EXPECT_EQ(workingName(""), "...");
}

}  // namespace
}  // namespace quillon::refresh
