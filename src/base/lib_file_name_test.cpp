// Tests of the LIB file name tests.
#include "base/lib_file_name.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(LibFileName, EndsInLibInAnyCaseTrailingBlanksIgnored)
{
    EXPECT_TRUE(isLibFileName("all.lib"));
    EXPECT_TRUE(isLibFileName("/home/me/ALL.Lib  "));
    EXPECT_FALSE(isLibFileName("all.lib.bak"));
    EXPECT_FALSE(isLibFileName("KERNEL32.DLL"));
    EXPECT_FALSE(isLibFileName("lib"));
    // The looser test finds the extension anywhere.
    EXPECT_TRUE(containsLibExtension("all.lib.bak"));
    EXPECT_TRUE(containsLibExtension("C:\\LIBS\\WIN32.LIB"));
    EXPECT_FALSE(containsLibExtension("KERNEL32.DLL"));
}

}  // namespace
}  // namespace quillon
