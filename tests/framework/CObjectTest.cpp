#include <gtest/gtest.h>

#include "framework/CObject.h"

using RVK::CObject;

namespace {

// A chain of the test's own, to exercise the record macros beyond one level.
class CLevelOne : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()
};
class CLevelTwo : public CLevelOne {
    RVK_DECLARE_RUNTIME_CLASS()
};
class CUnrecorded : public CLevelTwo {};

RVK_IMPLEMENT_RUNTIME_CLASS(CLevelOne, CObject)
RVK_IMPLEMENT_RUNTIME_CLASS(CLevelTwo, CLevelOne)

} // namespace

TEST(RuntimeClassTest, IsKindOfFollowsTheWholeChainUpwardsOnly) {
    const CLevelTwo two;
    EXPECT_TRUE(two.IsKindOf(CLevelTwo::ClassRecord()));
    EXPECT_TRUE(two.IsKindOf(CLevelOne::ClassRecord()));
    EXPECT_TRUE(two.IsKindOf(CObject::ClassRecord()));
    EXPECT_FALSE(CLevelOne().IsKindOf(CLevelTwo::ClassRecord()));
    EXPECT_EQ(CUnrecorded().GetRuntimeClass(), CLevelTwo::ClassRecord());
}
