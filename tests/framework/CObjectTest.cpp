#include <gtest/gtest.h>

#include "app/CSystemData.h"
#include "calendar/CDate.h"
#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "framework/CObject.h"
#include "framework/CString.h"

using RVK::CFile;
using RVK::CFileBase;
using RVK::CFileFind;
using RVK::CObject;
using RVK::CRuntimeClass;
using RVK::CString;

namespace {

// A three-level chain of the test's own, to exercise the record macros beyond one level.
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

    const CString text;
    const CDate date;
    const CFile file;
    EXPECT_EQ(text.GetRuntimeClass(), CString::ClassRecord());
    EXPECT_EQ(date.GetRuntimeClass(), CDate::ClassRecord());
    EXPECT_EQ(file.GetRuntimeClass(), CFile::ClassRecord());
}

TEST(RuntimeClassTest, RecordsAreBuiltOnceAndDistinctPerClass) {
    EXPECT_EQ(CString::ClassRecord(), CString::ClassRecord());
    EXPECT_NE(CString::ClassRecord(), CDate::ClassRecord());
    EXPECT_NE(CFileBase::ClassRecord(), CFile::ClassRecord());
}

TEST(RuntimeClassTest, IsKindOfFollowsTheWholeChainAndNothingElse) {
    const CFile file;
    EXPECT_TRUE(file.IsKindOf(CFile::ClassRecord()));
    EXPECT_TRUE(file.IsKindOf(CFileBase::ClassRecord()));
    EXPECT_TRUE(file.IsKindOf(CObject::ClassRecord()));
    EXPECT_FALSE(file.IsKindOf(CFileFind::ClassRecord()));
    EXPECT_FALSE(file.IsKindOf(nullptr));

    const CFileBase base;
    EXPECT_FALSE(base.IsKindOf(CFile::ClassRecord()));

    const CLevelTwo two;
    EXPECT_TRUE(two.IsKindOf(CLevelOne::ClassRecord()));
    EXPECT_TRUE(two.IsKindOf(CObject::ClassRecord()));
    EXPECT_FALSE(CLevelOne().IsKindOf(CLevelTwo::ClassRecord()));
}

TEST(RuntimeClassTest, AClassWithoutARecordReportsItsNearestBase) {
    const CUnrecorded object;
    EXPECT_EQ(object.GetRuntimeClass(), CLevelTwo::ClassRecord());

    ASSERT_TRUE(CSystemData::CreateInstance());
    EXPECT_EQ(CSystemData::GetInstance()->GetRuntimeClass(), CObject::ClassRecord());
    EXPECT_FALSE(CSystemData::GetInstance()->IsKindOf(CString::ClassRecord()));
    CSystemData::DestroyInstance();
}
