// Object lists: positions, insertion, removal and the typed face.
#include <gtest/gtest.h>

#include "framework/core/CTypedPtrList.h"

namespace
{
class CItem : public CObject
{
    DECLARE_SERIAL(CItem)
public:
    int m_n = 0;
};
IMPLEMENT_SERIAL(CItem, CObject, 0)

std::string Order(CTypedPtrList<CObList, CItem*>& list)
{
    std::string s;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        s += static_cast<char>('0' + list.GetNext(pos)->m_n);
    return s;
}
} // namespace

TEST(CObListTest, PositionsSurviveInsertionAndRemovalAroundThem)
{
    CItem items[6];
    for (int i = 0; i < 6; ++i)
        items[i].m_n = i;
    CTypedPtrList<CObList, CItem*> list(10);
    EXPECT_TRUE(list.IsEmpty());
    POSITION p2 = list.AddTail(&items[2]);
    list.AddHead(&items[0]);
    POSITION p4 = list.AddTail(&items[4]);
    list.InsertBefore(p2, &items[1]);
    list.InsertBefore(p4, &items[3]);
    list.InsertBefore(list.GetHeadPosition(), &items[5]);
    EXPECT_EQ("501234", Order(list));
    EXPECT_EQ(6, list.GetCount());

    list.RemoveAt(p2);
    EXPECT_EQ(&items[5], list.RemoveHead());
    EXPECT_EQ(&items[4], list.RemoveTail());
    EXPECT_EQ("013", Order(list));
    list.SetAt(list.GetHeadPosition(), &items[4]);
    EXPECT_EQ(&items[4], list.GetHead());
    EXPECT_EQ(&items[3], list.GetTail());

    // Removing the only entry leaves a list that works again from empty.
    list.RemoveAll();
    POSITION only = list.AddTail(&items[1]);
    list.RemoveAt(only);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddHead(&items[2]);
    EXPECT_EQ("2", Order(list));
}
