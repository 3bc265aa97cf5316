#include <gtest/gtest.h>

#include "app/CSystemData.h"
#include "calendar/CDate.h"
#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "framework/CString.h"

using RVK::CFile;
using RVK::CFileBase;
using RVK::CFileFind;
using RVK::CObject;
using RVK::CString;

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

TEST(RuntimeClassTest, EachClassAnswersItsOwnRecordChainedToItsBase) {
    EXPECT_EQ(CObject::ClassRecord()->m_pBaseClass, nullptr);
    EXPECT_EQ(CString::ClassRecord()->m_pBaseClass, CObject::ClassRecord());
    EXPECT_EQ(CDate::ClassRecord()->m_pBaseClass, CObject::ClassRecord());
    EXPECT_EQ(CFileFind::ClassRecord()->m_pBaseClass, CObject::ClassRecord());
    EXPECT_EQ(CFileBase::ClassRecord()->m_pBaseClass, CObject::ClassRecord());
    EXPECT_EQ(CFile::ClassRecord()->m_pBaseClass, CFileBase::ClassRecord());
    EXPECT_EQ(CString().GetRuntimeClass(), CString::ClassRecord());
    EXPECT_EQ(CDate().GetRuntimeClass(), CDate::ClassRecord());
}

TEST(RuntimeClassTest, IsKindOfFollowsTheWholeChainAndNothingElse) {
    const CFile file;
    EXPECT_TRUE(file.IsKindOf(CFile::ClassRecord()));
    EXPECT_TRUE(file.IsKindOf(CFileBase::ClassRecord()));
    EXPECT_TRUE(file.IsKindOf(CObject::ClassRecord()));
    EXPECT_FALSE(file.IsKindOf(CFileFind::ClassRecord()));
    EXPECT_FALSE(CFileBase().IsKindOf(CFile::ClassRecord()));

    const CLevelTwo two;
    EXPECT_TRUE(two.IsKindOf(CLevelOne::ClassRecord()));
    EXPECT_TRUE(two.IsKindOf(CObject::ClassRecord()));
    EXPECT_FALSE(CLevelOne().IsKindOf(CLevelTwo::ClassRecord()));
}

TEST(RuntimeClassTest, AClassWithoutARecordReportsItsNearestBase) {
    EXPECT_EQ(CUnrecorded().GetRuntimeClass(), CLevelTwo::ClassRecord());

    ASSERT_TRUE(CSystemData::CreateInstance());
    EXPECT_EQ(CSystemData::GetInstance()->GetRuntimeClass(), CObject::ClassRecord());
    CSystemData::DestroyInstance();
}
