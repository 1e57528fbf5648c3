// Archives: values, strings and objects round trip; damaged data fails cleanly instead of crashing.
#include <gtest/gtest.h>

#include "framework/core/CArchive.h"
#include "framework/core/CTypedPtrList.h"

namespace
{
class CPoint3 : public CObject
{
    DECLARE_SERIAL(CPoint3)
public:
    DWORD x = 0;
    CString label;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << x << label;
        else
            ar >> x >> label;
    }
};
IMPLEMENT_SERIAL(CPoint3, CObject, 2)

class COther : public CObject
{
    DECLARE_SERIAL(COther)
};
IMPLEMENT_SERIAL(COther, CObject, 0)

CString Labels(CTypedPtrList<CObList, CPoint3*>& list)
{
    CString s;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        CPoint3* p = list.GetNext(pos);
        s += p != nullptr ? p->label : CString(L"(null)");
        s += L";";
    }
    return s;
}

void FreeAll(CTypedPtrList<CObList, CPoint3*>& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}
} // namespace

TEST(CArchiveTest, ValuesStringsAndListsOfObjectsRoundTrip)
{
    CTypedPtrList<CObList, CPoint3*> out;
    const wchar_t* labels[] = {L"", L"plain", L"\x00e9t\x00e9 \xD83D\xDE00"};
    for (int i = 0; i < 3; ++i)
    {
        CPoint3* p = new CPoint3;
        p->x = 7u * i;
        p->label = labels[i];
        out.AddTail(p);
    }
    out.AddTail(nullptr);

    std::vector<BYTE> bytes;
    {
        CArchive ar(bytes, CArchive::store);
        ar << DWORD(0xDEADBEEF) << CString(L"head");
        out.Serialize(ar);
    }
    CArchive ar(bytes, CArchive::load);
    DWORD magic = 0;
    CString head;
    ar >> magic >> head;
    CTypedPtrList<CObList, CPoint3*> in;
    in.Serialize(ar);
    EXPECT_FALSE(ar.IsFailed());
    EXPECT_EQ(0xDEADBEEFu, magic);
    EXPECT_EQ(CString(L"head"), head);
    EXPECT_EQ(Labels(out), Labels(in));

    // Reading past the end fails the archive and gives zeros from then on.
    ar >> magic >> head;
    EXPECT_TRUE(ar.IsFailed());
    EXPECT_EQ(0u, magic);
    EXPECT_TRUE(head.IsEmpty());
    FreeAll(out);
    FreeAll(in);
}

TEST(CArchiveTest, DamagedArchivesLoadWhatIsWholeAndNeverCrash)
{
    CTypedPtrList<CObList, CPoint3*> out;
    for (int i = 0; i < 3; ++i)
    {
        CPoint3* p = new CPoint3;
        p->label = L"abc";
        out.AddTail(p);
    }
    std::vector<BYTE> bytes;
    {
        CArchive ar(bytes, CArchive::store);
        out.Serialize(ar);
    }
    // Every truncation: the objects that arrived whole, the archive failed.
    for (size_t cut = 0; cut < bytes.size(); ++cut)
    {
        std::vector<BYTE> part(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(cut));
        CArchive ar(part, CArchive::load);
        CTypedPtrList<CObList, CPoint3*> in;
        in.Serialize(ar);
        EXPECT_TRUE(ar.IsFailed()) << cut;
        EXPECT_LT(in.GetCount(), 3) << cut;
        FreeAll(in);
    }
    // A huge count or string length is not believed.
    std::vector<BYTE> huge = {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F};
    CArchive ar(huge, CArchive::load);
    CTypedPtrList<CObList, CPoint3*> in;
    in.Serialize(ar);
    EXPECT_TRUE(ar.IsFailed());
    EXPECT_TRUE(in.IsEmpty());
    FreeAll(out);
}

TEST(CArchiveTest, ObjectsOfAnUnknownOrUnexpectedClassOrSchemaAreRefused)
{
    auto storeOne = [](CObject* p)
    {
        std::vector<BYTE> bytes;
        CArchive ar(bytes, CArchive::store);
        ar.WriteCount(1);
        ar << p;
        return bytes;
    };
    COther other;
    std::vector<BYTE> bytes = storeOne(&other);
    {
        CArchive ar(bytes, CArchive::load);
        CTypedPtrList<CObList, CPoint3*> typed; // a COther must not land in a list of CPoint3
        typed.Serialize(ar);
        EXPECT_TRUE(ar.IsFailed());
        EXPECT_TRUE(typed.IsEmpty());
    }
    {
        CArchive ar(bytes, CArchive::load);
        CObList any; // an untyped list takes any registered class
        any.Serialize(ar);
        EXPECT_FALSE(ar.IsFailed());
        ASSERT_EQ(1, any.GetCount());
        EXPECT_TRUE(any.GetHead()->IsKindOf(RUNTIME_CLASS(COther)));
        delete any.RemoveHead();
    }
    CPoint3 point;
    bytes = storeOne(&point);
    bytes[4 + 4 + 2 * 7] = 3; // the schema behind the class name "CPoint3": 2 becomes 3
    {
        CArchive ar(bytes, CArchive::load);
        CObject* p = nullptr;
        ar.ReadCount();
        ar >> p;
        EXPECT_TRUE(ar.IsFailed());
        EXPECT_EQ(nullptr, p);
    }
    bytes = storeOne(&point);
    bytes[8] = L'X'; // "XPoint3": no such class
    {
        CArchive ar(bytes, CArchive::load);
        CObject* p = nullptr;
        ar.ReadCount();
        ar >> p;
        EXPECT_TRUE(ar.IsFailed());
        EXPECT_EQ(nullptr, p);
    }
}
