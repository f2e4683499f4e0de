// Tests of the captured environment.
#include "platform/environment.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillon::platform {
namespace {

TEST(Environment, SetGetAndUnset)
{
    Environment env;
    EXPECT_EQ(env.get("HOME"), std::nullopt);
    EXPECT_EQ(env.value("HOME"), "");
    env.set("HOME", "/home/u");
    env.set("EMPTY", "");
    EXPECT_EQ(env.get("HOME"), "/home/u");
    EXPECT_EQ(env.get("EMPTY"), "");
    env.unset("HOME");
    EXPECT_EQ(env.get("HOME"), std::nullopt);
}

#ifndef _WIN32
TEST(Environment, FromProcessCapturesTheProcessVariables)
{
    ASSERT_EQ(::setenv("QUILLON_ENV_PROBE", "a=b", 1), 0);
    const Environment env = Environment::fromProcess();
    ::unsetenv("QUILLON_ENV_PROBE");
    EXPECT_EQ(env.get("QUILLON_ENV_PROBE"), "a=b");
    EXPECT_EQ(env.get("quillon_env_probe"), std::nullopt);
}
#endif

}  // namespace
}  // namespace quillon::platform
