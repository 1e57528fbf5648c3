// Run-time classes: kind tests, dynamic creation and creation by registered name.
#include <gtest/gtest.h>

#include "framework/core/CObject.h"

namespace
{
class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_SERIAL(CCircle)
public:
    int m_radius = 3;
};
IMPLEMENT_SERIAL(CCircle, CShape, 1)
} // namespace

TEST(CObjectTest, KindAndDowncastFollowTheClassChain)
{
    CCircle circle;
    CObject* p = &circle;
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CCircle, p));
    CShape shape;
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CCircle, static_cast<CObject*>(&shape)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CCircle, static_cast<CObject*>(nullptr)));
}

TEST(CObjectTest, SerialClassesAreCreatedByName)
{
    CRuntimeClass* rc = CRuntimeClass::FromName(L"CCircle");
    ASSERT_NE(nullptr, rc);
    EXPECT_EQ(1u, rc->m_wSchema);
    CObject* made = rc->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(3, DYNAMIC_DOWNCAST(CCircle, made)->m_radius);
    delete made;
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CShape")); // not serialisable, not registered
}
