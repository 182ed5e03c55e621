#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/InstanceLock.h"

using namespace kex;

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstEnds)
{
    std::string name = "kextest-instance-" + std::to_string(getpid());
    InstanceLock first(name);
    ASSERT_TRUE(first.acquire());
    InstanceLock second(name);
    EXPECT_FALSE(second.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
    unlink(second.path().c_str());
}
