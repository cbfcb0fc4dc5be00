// Loading documents: well-formedness, the first problem met, the tree the scan builds and the
// decoded data, one row per document.
#include <gtest/gtest.h>

#include "tests/xml/XmlInvariants.h"
#include "tests/xml/XmlTestSupport.h"

namespace {

struct SLoadCase {
    std::string text;
    bool wellFormed;
    std::string problem;
    std::string shape;             // see xmltest::Shape
    std::string documentData = "";  // GetData at the document level
};

void ExpectLoad(CXmlDocument& doc, const SLoadCase& c) {
    SCOPED_TRACE("document: " + c.text);
    EXPECT_EQ(doc.Load(c.text), c.wellFormed);
    EXPECT_EQ(doc.GetProblem(), c.problem);
    EXPECT_EQ(xmltest::CheckRecords(doc), "");
    EXPECT_EQ(doc.GetData(), c.documentData);
    EXPECT_EQ(xmltest::Shape(doc), c.shape);
}

const SLoadCase kDocuments[] = {
    // Document level and the problems decided after the scan.
    {"", false, "Empty document", ""},
    {"hello", false, "No root element", "", "hello"},
    {"<a", false, "No root element", ""},
    {"<a/><b/>", false, "Root element has sibling", "a b"},
    {"<?xml version=\"1.0\"?>\n<!-- about -->\n <r>x</r>\n", true, "", "r='x'"},
    {"<!DOCTYPE r [\n <!ELEMENT r (#PCDATA)>\n <!ENTITY e \"v\">\n <!-- > -->\n]>\n<r>x</r>", true, "", "r='x'"},

    // End tags: mismatches unend inner elements and move their children up.
    {"<a><b>x</a>", false, "End tag 'a' at offset 8 does not match start tag 'b' at offset 3", "a(b!)"},
    {"<a><b><c/></a>", false, "End tag 'a' at offset 11 does not match start tag 'b' at offset 3", "a(b! c)"},
    {"<a><b><c><d/></c><e/></a>", false, "End tag 'a' at offset 22 does not match start tag 'b' at offset 3",
     "a(b! c(d) e)"},
    {"<a><b><c><d/>", false, "Root element has sibling", "a! b! c! d"},
    {"<r><a><b><c><d/>", false, "Root element has sibling", "r! a! b! c! d"},
    {"<r><a><b><c><d/></r>", false, "End tag 'r' at offset 17 does not match start tag 'c' at offset 9",
     "r(a! b! c! d)"},
    {"</x><a/>", false, "No start tag for end tag 'x' at offset 0", "a"},
    {"<a>x</A>", false, "No start tag for end tag 'A' at offset 4", "a!"},
    {"<a>", false, "Element 'a' at offset 0 not ended", "a!"},
    {"<a=b>x</a>", true, "", "a=b='x'"},
    {"<a>x</a >", true, "", "a='x'"},
    {"<a / ></a>", true, "", "a"},
    {"<a x=\"/\"/><b/>", false, "Root element has sibling", "a b"},
    // A quote in the name starts a quoted part: this start tag runs to the last '>'.
    {"<a\"b>x</a\"b>", false, "Element 'a\"b' at offset 0 not ended", "a\"b!"},

    // Problem nodes.
    {"<r><1/></r>", false, "Incorrect tag name character at offset 3", "r"},
    {"<r><!x></r>", false, "Incorrect ! tag at offset 3", "r"},
    {"<r><!ELEMENT x></r>", false, "", "r"},
    {"<r><!-x></r>", false, "Incorrect comment tag at offset 3", "r"},
    {"<r><![x></r>", false, "Incorrect tag at offset 3", "r"},
    {"<r><<b/></r>", false, "Incorrect tag name character at offset 3", "r(b)"},
    {"<r><!-- x", false, "Comment at offset 3 unterminated", "r!"},
    {"<r><![CDATA[ x", false, "CDATA Section at offset 3 unterminated", "r!"},
    {"<r><? x", false, "Processing instruction at offset 3 unterminated", "r!"},
    {"<r></r", false, "Element end tag at offset 3 unterminated", "r!"},
    {"<abcdefghijklmnopqrst></a", false, "Element end tag at offset 22 unterminated", "abcdefghijklmnopqrst!"},
    {"<r><a x='>", false, "Element tag at offset 3 unterminated", "r!"},
    {"<r><", false, "tag at offset 3 unterminated", "r!"},
    {"<r><!", false, "tag at offset 3 unterminated", "r!"},
    {"<r/><!DOCTYPE x [ <!-- ", false, "Doctype at offset 4 unterminated", "r"},
    {"<!DOCTYPE x [<!ELEMENT y <r/>", false, "", "r"},
    {"<!DOCTYPE x [<![ y <r/>", false, "Incorrect ! tag at offset 13", "r"},

    // Closing delimiters may use the opening's bytes, but never before the start of the text.
    {"<!--><r/>", true, "", "r"},
    {" <?><r/>", true, "", "r"},
    {"<?><r/>", false, "No root element", ""},

    // Data and references.
    {"<r>a &lt; b &amp;&amp; c</r>", true, "", "r='a < b && c'"},
    {"<r>&#65;&#x42;&#0;&#300;&#x;</r>", true, "", "r='AB&#0;&#300;&#x;'"},
    {"<r>&#0000067;&#00000067;&#X41;&#65</r>", true, "", "r='C&#00000067;&#X41;&#65'"},
    {"<r>&apos;&quot;&gt;&amp</r>", true, "", "r=''\">&amp'"},
    {"<r>x<![CDATA[<y>&amp;]]>z</r>", true, "", "r='x<y>&amp;z'"},
    {"<r> <!-- c --> t </r>", true, "", "r=' t '"},
    {"<r>a > b</r>", true, "", "r='a > b'"},
    {"<r> </r>", true, "", "r=' '"},
    {"<r a=\"x>y\" b='\"'>v</r>", true, "", "r='v'"},
    {"<r>t<c/>u</r>", true, "", "r(c)"},
    {"<r><![CDATA[]]></r>", true, "", "r"},
};

TEST(XmlLoad, DocumentsGiveTheirProblemTreeAndData) {
    CXmlDocument doc;
    for (const SLoadCase& c : kDocuments) ExpectLoad(doc, c);
}

TEST(XmlLoad, FreshDocumentsAgreeWithReusedOne) {
    for (const SLoadCase& c : kDocuments) {
        CXmlDocument doc;
        ExpectLoad(doc, c);
    }
}

// In a double-byte code page a trail byte is never markup, whatever its value.
TEST(XmlLoad, DoubleByteCharactersAreOneCharacter) {
    const SLoadCase kCases[] = {
        {"<r>\x81<x</r>", true, "", "r='\x81<x'"},
        {"<r>\x81>z</r>", true, "", "r='\x81>z'"},
        {"<r a=\x81>>v</r>", true, "", "r='v'"},
        {"<r x='\x81''>v</r>", true, "", "r='v'"},
        {"<a\x81/></a\x81/>", true, "", "a\x81"},
        {"<r><!-- \x81--></r>", false, "Comment at offset 3 unterminated", "r!"},
        {"<r>&lt;\x81&amp;&#65;</r>", true, "", "r='<\x81&amp;A'"},
        {"<r>\x81", false, "Element 'r' at offset 0 not ended", "r!"},
    };
    CXmlDocument doc(xmltest::ShiftJisLeadBytes());
    for (const SLoadCase& c : kCases) ExpectLoad(doc, c);

    // The same bytes in a single-byte code page.
    CXmlDocument single;
    ExpectLoad(single, {"<r>\x81<x</r>", false, "Root element has sibling", "r! x<!"});
    ExpectLoad(single, {"<r><!-- \x81--></r>", true, "", "r"});
}

TEST(XmlLoad, RecordsHoldOffsetsDepthAndMarkers) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.Load("<a x='1'><b>t</b><c/></a>"));
    ASSERT_EQ(doc.GetElementCount(), 4u);
    struct SRecord {
        uint32_t start, length, startTag, endTag, depth, flags, parent, firstChild, next, prev;
    };
    const SRecord kExpected[] = {
        {0, 25, 0, 0, 0, 0, 0, 1, 0, 0},
        {0, 25, 9, 4, 0, kXmlFirstChild, 0, 2, 0, 1},
        {9, 8, 3, 4, 1, kXmlFirstChild, 1, 0, 3, 3},
        {17, 4, 4, 0, 1, 0, 1, 0, 0, 2},
    };
    for (uint32_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const SXmlElement& e = doc.GetElement(i);
        const SRecord& x = kExpected[i];
        EXPECT_EQ(e.start, x.start);
        EXPECT_EQ(e.length, x.length);
        EXPECT_EQ(e.StartTagLength(), x.startTag);
        EXPECT_EQ(e.EndTagLength(), x.endTag);
        EXPECT_EQ(e.Depth(), x.depth);
        EXPECT_EQ(e.flags & ~0xFFFFu, x.flags);
        EXPECT_EQ(e.parent, x.parent);
        EXPECT_EQ(e.firstChild, x.firstChild);
        EXPECT_EQ(e.nextSibling, x.next);
        EXPECT_EQ(e.prevSibling, x.prev);
    }
}

TEST(XmlLoad, ProblemInsideMarkerMovesUpFromUnendedElements) {
    CXmlDocument doc;
    EXPECT_FALSE(doc.Load("<a><b></x></a>"));
    EXPECT_EQ(doc.GetProblem(), "No start tag for end tag 'x' at offset 6");
    const SXmlElement& document = doc.GetElement(0);
    const SXmlElement& a = doc.GetElement(1);
    const SXmlElement& b = doc.GetElement(2);
    EXPECT_TRUE(document.flags & kXmlNotWellFormed);
    EXPECT_TRUE(a.flags & kXmlProblemInside);
    EXPECT_FALSE(b.flags & kXmlProblemInside);
    EXPECT_TRUE(b.flags & kXmlNotEnded);
    EXPECT_FALSE(a.flags & kXmlNotEnded);
}

TEST(XmlLoad, ElementsAfterAProblemStayReadable) {
    CXmlDocument doc;
    EXPECT_FALSE(doc.Load("<r><v>1</v><!x><w>2</w></r>"));
    EXPECT_EQ(xmltest::Shape(doc), "r(v='1' w='2')");
}

}  // namespace
