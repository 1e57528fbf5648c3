// Archiving the XML tree: a round trip keeps names, texts, sorted attributes and children; loaded
// children are linked to their parent; damaged archives never crash.
#include <gtest/gtest.h>

#include "framework/core/CArchive.h"
#include "tests/update/XMLTestSupport.h"

namespace
{
std::vector<BYTE> Store(CXML& node)
{
    std::vector<BYTE> bytes;
    CArchive ar(bytes, CArchive::store);
    node.Serialize(ar);
    return bytes;
}

void BuildSample(CXML& root)
{
    root.SetName(L"PAD");
    root.AppendText(L"t\x00e9xt");
    root.AddAttribute(L"v", L"1");
    root.AddAttribute(L"a", L"");
    CXML* info = new CXML;
    info->SetName(L"Program_Info");
    root.AddChild(info);
    CXML* version = new CXML;
    version->SetName(L"Program_Version");
    version->AppendText(L"1.7");
    info->AddChild(version);
    CXML* empty = new CXML;
    empty->SetName(L"Empty");
    root.AddChild(empty);
}
} // namespace

TEST(XMLSerializeTest, TreeRoundTripsAndLoadedChildrenKnowTheirParent)
{
    CXML root;
    BuildSample(root);
    std::vector<BYTE> bytes = Store(root);

    CXML loaded;
    loaded.SetName(L"stale");
    loaded.AddChild(new CXML); // replaced, not mixed in
    CArchive ar(bytes, CArchive::load);
    loaded.Serialize(ar);
    EXPECT_FALSE(ar.IsFailed());
    EXPECT_EQ(DumpTree(root), DumpTree(loaded));
    EXPECT_EQ(L"PAD[a=,v=1]{t\x00e9xt}(Program_Info(Program_Version{1.7}) Empty)", DumpTree(loaded));

    // Deleting a loaded child must take it out of its parent's list (else the parent frees it again).
    CXML* info = loaded.GetFirstChild();
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(&loaded, info->GetParent());
    delete info;
    EXPECT_EQ(L"PAD[a=,v=1]{t\x00e9xt}(Empty)", DumpTree(loaded));
}

TEST(XMLSerializeTest, DamagedArchivesLeaveAUsableTree)
{
    CXML root;
    BuildSample(root);
    std::vector<BYTE> bytes = Store(root);
    for (size_t cut = 0; cut < bytes.size(); ++cut)
    {
        std::vector<BYTE> part(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(cut));
        CXML loaded;
        CArchive ar(part, CArchive::load);
        loaded.Serialize(ar);
        EXPECT_TRUE(ar.IsFailed());
        CString value;
        loaded.GetChildValue(L"Program_Version", value);
        DumpTree(loaded);
    }
    // Flipped bytes: whatever loads, loads whole or not at all.
    unsigned seed = 12345;
    for (int round = 0; round < 3000; ++round)
    {
        std::vector<BYTE> bad = bytes;
        for (int k = 0; k < 3; ++k)
        {
            seed = seed * 1103515245u + 12345u;
            bad[(seed >> 8) % bad.size()] = static_cast<BYTE>(seed >> 24);
        }
        CXML loaded;
        CArchive ar(bad, CArchive::load);
        loaded.Serialize(ar);
        DumpTree(loaded);
    }
}

TEST(XMLSerializeTest, NestingDeeperThanTheArchiveAllowsIsRefused)
{
    CXML root;
    CXML* node = &root;
    for (int i = 0; i < CArchive::kMaxObjectDepth + 5; ++i)
    {
        CXML* child = new CXML;
        node->AddChild(child);
        node = child;
    }
    std::vector<BYTE> bytes = Store(root);
    CXML loaded;
    CArchive ar(bytes, CArchive::load);
    loaded.Serialize(ar);
    EXPECT_TRUE(ar.IsFailed());
}
