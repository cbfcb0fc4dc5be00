// Moving the cursor: finding elements by name, into and out of levels, data of the child.
#include <gtest/gtest.h>

#include "tests/xml/XmlTestSupport.h"

namespace {

const char kUpdate[] =
    "<?xml version=\"1.0\"?>\n"
    "<update>\n"
    "  <patchVersion>2.4.17</patchVersion>\n"
    "  <patchname>ZelvoPatch_2_4_17.exe</patchname>\n"
    "  <patchsize>1834221</patchsize>\n"
    "</update>\n";

TEST(XmlCursor, FindChildElementStraightAfterLoadEntersTheRoot) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.Load(kUpdate));
    ASSERT_TRUE(doc.FindChildElement("patchname"));
    EXPECT_EQ(doc.GetChildData(), "ZelvoPatch_2_4_17.exe");
    EXPECT_EQ(xmltest::TagName(doc, doc.GetCurrentPosition()), "update");
    EXPECT_EQ(doc.GetParentPosition(), 0u);
    EXPECT_EQ(doc.GetNodeKind(), 1);
    // The search goes on after the child found; a reload starts over.
    EXPECT_FALSE(doc.FindChildElement("patchVersion"));
    doc.Load(kUpdate);
    EXPECT_TRUE(doc.FindChildElement("patchVersion"));
    EXPECT_EQ(doc.GetChildData(), "2.4.17");
    EXPECT_TRUE(doc.FindChildElement());
    EXPECT_EQ(doc.GetChildData(), "ZelvoPatch_2_4_17.exe");
}

TEST(XmlCursor, NamesMatchWholeTagNames) {
    struct SCase {
        const char* document;
        const char* name;
        bool found;
    };
    const SCase kCases[] = {
        {"<r><items/></r>", "item", false},
        {"<r><item/></r>", "items", false},
        {"<r><item/></r>", "item", true},
        {"<r><Item/></r>", "item", false},
        {"<r><item a='1'/></r>", "item", true},
        {"<r><item=x/></r>", "item", true},
        {"<r><item/></r>", "item x", true},
        {"<r><item/></r>", "item[1]", true},
        {"<r><item/></r>", "item.x", false},
    };
    for (const SCase& c : kCases) {
        SCOPED_TRACE(std::string(c.document) + " / " + c.name);
        CXmlDocument doc;
        doc.Load(c.document);
        EXPECT_EQ(doc.FindChildElement(c.name), c.found);
    }
}

TEST(XmlCursor, FindElementWalksTheLevelAndLeavesTheCursorWhenNothingIsFound) {
    CXmlDocument doc;
    doc.Load("<a/><b/><a>2</a>");
    ASSERT_TRUE(doc.FindElement("b"));
    const uint32_t b = doc.GetCurrentPosition();
    EXPECT_FALSE(doc.FindElement("b"));
    EXPECT_EQ(doc.GetCurrentPosition(), b);
    ASSERT_TRUE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetData(), "2");
    EXPECT_FALSE(doc.FindElement(""));
}

TEST(XmlCursor, IntoAndOutOfElement) {
    CXmlDocument doc;
    doc.Load("<configuration><OrvaneVersion>3.1</OrvaneVersion><other><deep>d</deep></other></configuration>");
    EXPECT_FALSE(doc.IntoElement());
    EXPECT_FALSE(doc.OutOfElement());
    ASSERT_TRUE(doc.FindElement("configuration"));
    const uint32_t configuration = doc.GetCurrentPosition();
    ASSERT_TRUE(doc.FindChildElement("other"));
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.GetParentPosition(), configuration);
    EXPECT_EQ(xmltest::TagName(doc, doc.GetCurrentPosition()), "other");
    ASSERT_TRUE(doc.FindChildElement("deep"));
    EXPECT_EQ(doc.GetChildData(), "d");
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.GetData(), "d");
    EXPECT_FALSE(doc.FindElement());
    ASSERT_TRUE(doc.IntoElement());  // into deep, which has no children
    EXPECT_EQ(doc.GetCurrentPosition(), 0u);
    EXPECT_EQ(doc.GetNodeKind(), 0);
    ASSERT_TRUE(doc.OutOfElement());
    EXPECT_EQ(doc.GetData(), "d");
    ASSERT_TRUE(doc.OutOfElement());
    ASSERT_TRUE(doc.OutOfElement());
    EXPECT_EQ(doc.GetCurrentPosition(), configuration);
    EXPECT_EQ(doc.GetParentPosition(), 0u);
    EXPECT_FALSE(doc.OutOfElement());
}

TEST(XmlCursor, EmptyDocumentFindsNothing) {
    CXmlDocument doc;
    EXPECT_FALSE(doc.Load(nullptr));
    EXPECT_FALSE(doc.FindElement());
    EXPECT_FALSE(doc.FindChildElement("x"));
    EXPECT_EQ(doc.GetData(), "");
    EXPECT_EQ(doc.GetChildData(), "");
}

TEST(XmlCursor, LoadEndsAtTheFirstZeroByte) {
    CXmlDocument doc;
    EXPECT_TRUE(doc.Load(std::string("<a>x</a>\0<b/>", 13)));
    EXPECT_EQ(doc.GetTextLength(), 8u);
    // Reloading the document's own text keeps it.
    EXPECT_TRUE(doc.Load(doc.GetText()));
    ASSERT_TRUE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetData(), "x");
}

}  // namespace
