// The XML tree: linking children, the child walk, sorted attributes, clearing, entities, text runs and
// the element search.
#include <gtest/gtest.h>

#include "tests/update/XMLTestSupport.h"

namespace
{
int g_deleted = 0;

// A node that counts its own destruction, to see who deletes what.
class CountedXML : public CXML
{
public:
    explicit CountedXML(const wchar_t* name = L"") { SetName(name); }
    ~CountedXML() override { ++g_deleted; }
};

CXML* AddNamed(CXML& parent, const wchar_t* name, const wchar_t* text = L"")
{
    CXML* child = new CXML;
    child->SetName(name);
    child->AppendText(text);
    parent.AddChild(child);
    return child;
}
} // namespace

TEST(XMLTreeTest, ChildrenAreLinkedUnlinkedAndMovedWithTheirParent)
{
    CXML root, other;
    root.SetName(L"r");
    root.AddChild(nullptr);
    CXML* a = AddNamed(root, L"a");
    CXML* unnamed = AddNamed(root, L"");
    CXML* c = AddNamed(root, L"c");
    EXPECT_EQ(L"r(a Unknown c)", DumpTree(root));
    EXPECT_EQ(&root, unnamed->GetParent());

    // Moving a child: the old parent lets go of it.
    other.SetName(L"o");
    other.AddChild(c);
    EXPECT_EQ(&other, c->GetParent());
    EXPECT_EQ(L"r(a Unknown)", DumpTree(root));
    EXPECT_EQ(L"o(c)", DumpTree(other));

    // Unlinking does not delete; deleting unlinks.
    root.RemoveChild(a);
    EXPECT_EQ(nullptr, a->GetParent());
    EXPECT_EQ(L"r(Unknown)", DumpTree(root));
    root.RemoveChild(a); // not a child (any more): nothing happens
    delete a;
    delete unnamed;
    EXPECT_EQ(L"r", DumpTree(root));
}

TEST(XMLTreeTest, ChildWalkRestartsAndStopsPerNode)
{
    CXML root;
    EXPECT_EQ(nullptr, root.GetFirstChild());
    EXPECT_EQ(nullptr, root.GetNextChild());
    CXML* a = AddNamed(root, L"a");
    CXML* b = AddNamed(root, L"b");
    CXML* c = AddNamed(root, L"c");
    AddNamed(*a, L"a1");

    EXPECT_EQ(a, root.GetFirstChild());
    EXPECT_NE(nullptr, a->GetFirstChild()); // another node's walk does not disturb this one
    EXPECT_EQ(b, root.GetNextChild());
    EXPECT_EQ(a, root.GetFirstChild()); // restarts
    EXPECT_EQ(b, root.GetNextChild());
    EXPECT_EQ(c, root.GetNextChild());
    EXPECT_EQ(nullptr, root.GetNextChild());
    EXPECT_EQ(nullptr, root.GetNextChild());

    // RemoveChild uses the same cursor: the walk ends there.
    EXPECT_EQ(a, root.GetFirstChild());
    root.RemoveChild(c);
    EXPECT_EQ(nullptr, root.GetNextChild());
    delete c;

    // The search keeps its own place: a walk in progress goes on where it was.
    EXPECT_EQ(a, root.GetFirstChild());
    CString value;
    EXPECT_TRUE(root.GetChildValue(L"b", value));
    EXPECT_EQ(b, root.GetNextChild());
}

TEST(XMLTreeTest, ClearDeletesTheSubtreeButKeepsTheNameAndAWalkCannotReachFreedNodes)
{
    g_deleted = 0;
    {
        CXML root;
        root.SetName(L"r");
        root.AppendText(L"text");
        root.AddAttribute(L"x", L"1");
        CountedXML* a = new CountedXML(L"a");
        root.AddChild(a);
        a->AddChild(new CountedXML(L"a1"));
        root.AddChild(new CountedXML(L"b"));

        EXPECT_NE(nullptr, root.GetFirstChild());
        root.Clear();
        EXPECT_EQ(3, g_deleted);
        EXPECT_EQ(L"r", DumpTree(root));
        EXPECT_EQ(nullptr, root.GetNextChild());

        root.AddChild(new CountedXML(L"c"));
    }
    EXPECT_EQ(4, g_deleted); // the destructor frees what is left
}

TEST(XMLTreeTest, AttributesStaySortedWithOneValuePerName)
{
    CXML node;
    node.AddAttribute(L"b", L"1");
    node.AddAttribute(L"a", L"2");
    node.AddAttribute(L"b", L"3");
    EXPECT_EQ(L"[a=2,b=3]", DumpTree(node));

    // Ordinal and case-sensitive: "B" sorts before "a" and is another name than "b".
    node.AddAttribute(L"B", L"4");
    node.AddAttribute(L"ab", L"5");
    node.AddAttribute(L"c", L"6");
    node.AddAttribute(L"a", L"7");
    EXPECT_EQ(L"[B=4,a=7,ab=5,b=3,c=6]", DumpTree(node));
}

TEST(XMLTreeTest, EntitiesAreDecodedInTheirFixedOrderOnePassEach)
{
    EXPECT_EQ(CString(L"<a> & \"q\" 'p'"),
              CXML::DecodeEntities(L"&lt;a&gt; &amp; &quot;q&quot; &apos;p&apos;"));
    // "&amp;" first: what was escaped once more is decoded twice...
    EXPECT_EQ(CString(L"<"), CXML::DecodeEntities(L"&amp;lt;"));
    EXPECT_EQ(CString(L"<>"), CXML::DecodeEntities(L"&lt;&amp;gt;"));
    // ...but each replacement is a single pass, and nothing else is decoded.
    EXPECT_EQ(CString(L"&amp;"), CXML::DecodeEntities(L"&amp;amp;"));
    EXPECT_EQ(CString(L"&#65; &#x42; &nbsp; &LT;"), CXML::DecodeEntities(L"&#65; &#x42; &nbsp; &LT;"));
    EXPECT_EQ(CString(L"&"), CXML::DecodeEntities(L"&"));
}

TEST(XMLTreeTest, TextRunsDropLineBreaksLeftOverFromTheMarkup)
{
    struct Case
    {
        const wchar_t* run;
        const wchar_t* text;
    } cases[] = {
        {L"", L""},           {L"\n", L""},           {L"\r\n", L""},
        {L"\nx", L""},        {L"\rx", L""},          {L"x", L"x"},
        {L"x\n", L"x\n"},     {L"ab", L"ab"},         {L"abc", L"abc"},
        {L"\nabc", L"\nabc"}, {L"\r\nabc", L"abc"},   {L"\rabc", L"abc"},
        {L" \nabc", L"abc"},  {L"\n\nabc", L"abc"},   {L"a\nbc", L"a\nbc"},
        {L" \n ", L" "},      {L"ab\r\n", L"ab\r\n"}, {L"\r\r\n", L"\r\n"},
    };
    for (const Case& c : cases)
    {
        CXML node;
        node.AppendText(L"<");
        node.AppendText(c.run);
        EXPECT_EQ(std::wstring(L"<") + c.text, node.GetText()) << DumpTree(node);
    }
}

TEST(XMLTreeTest, ChildValueIsTheFirstMatchInDocumentOrderBelowTheStart)
{
    // r{root}(b{1} c(b{2}) d(x{deep}) x{shallow})
    CXML root;
    root.SetName(L"r");
    root.AppendText(L"root");
    AddNamed(root, L"b", L"1");
    CXML* c = AddNamed(root, L"c");
    AddNamed(*c, L"b", L"2");
    CXML* d = AddNamed(root, L"d");
    AddNamed(*d, L"x", L"deep");
    AddNamed(root, L"x", L"shallow");

    CString value = L"old";
    EXPECT_TRUE(root.GetChildValue(L"b", value));
    EXPECT_EQ(CString(L"1"), value);
    EXPECT_TRUE(root.GetChildValue(L"x", value));
    EXPECT_EQ(CString(L"deep"), value);
    EXPECT_TRUE(root.GetChildValue(L"b", value, c));
    EXPECT_EQ(CString(L"2"), value);

    // The node's own name counts only when it is the start node.
    value = L"old";
    EXPECT_FALSE(root.GetChildValue(L"r", value));
    EXPECT_EQ(CString(L""), value);
    EXPECT_TRUE(root.GetChildValue(L"r", value, &root));
    EXPECT_EQ(CString(L"root"), value);

    // Names match exactly; with a start node a miss leaves the out string as it was.
    value = L"old";
    EXPECT_FALSE(root.GetChildValue(L"B", value, &root));
    EXPECT_EQ(CString(L"old"), value);
    EXPECT_FALSE(root.GetChildValue(L"B", value));
    EXPECT_EQ(CString(L""), value);
    value = L"old";
    EXPECT_FALSE(root.GetChildValue(nullptr, value, &root));
    EXPECT_EQ(CString(L""), value);
}
