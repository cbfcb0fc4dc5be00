// Input beyond what a record can hold, and memory that cannot be obtained: the load ends as not
// well formed with a problem text and every record stays consistent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>

#include "tests/xml/XmlInvariants.h"
#include "tests/xml/XmlTestSupport.h"

namespace {

std::string Repeat(const std::string& piece, size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) out += piece;
    return out;
}

// A start tag of exactly `length` bytes: "<a" + spaces + ">".
std::string StartTagOfLength(size_t length) { return "<a" + std::string(length - 3, ' ') + ">"; }

TEST(XmlLimits, StartTagLengthFitsUpTo22Bits) {
    CXmlDocument doc;
    const std::string fits = StartTagOfLength(SXmlElement::kXmlMaxStartTagLength);
    ASSERT_TRUE(doc.Load("<r>" + fits + "x</a></r>"));
    EXPECT_EQ(doc.GetElement(2).StartTagLength(), SXmlElement::kXmlMaxStartTagLength);
    EXPECT_EQ(xmltest::CheckRecords(doc), "");

    EXPECT_FALSE(doc.Load("<r>" + StartTagOfLength(SXmlElement::kXmlMaxStartTagLength + 1) + "x</a></r>"));
    EXPECT_EQ(doc.GetProblem(), "Element tag at offset 3 too long");
    EXPECT_EQ(xmltest::CheckRecords(doc), "");
    EXPECT_EQ(doc.GetElementCount(), 2u);
    EXPECT_EQ(xmltest::Shape(doc), "r='x'");
    EXPECT_TRUE(doc.GetElement(1).flags & kXmlProblemInside);
}

TEST(XmlLimits, EndTagLengthFitsUpTo10Bits) {
    CXmlDocument doc;
    const auto endTag = [](size_t length) { return "</r" + std::string(length - 4, ' ') + ">"; };
    ASSERT_TRUE(doc.Load("<r>x" + endTag(SXmlElement::kXmlMaxEndTagLength)));
    EXPECT_EQ(doc.GetElement(1).EndTagLength(), SXmlElement::kXmlMaxEndTagLength);
    EXPECT_EQ(doc.GetData(), "");
    EXPECT_EQ(xmltest::Shape(doc), "r='x'");

    EXPECT_FALSE(doc.Load("<r>x" + endTag(SXmlElement::kXmlMaxEndTagLength + 1)));
    EXPECT_EQ(doc.GetProblem(), "Element end tag at offset 4 too long");
    EXPECT_EQ(xmltest::CheckRecords(doc), "");
    EXPECT_EQ(xmltest::Shape(doc), "r!");
}

TEST(XmlLimits, NestingDeeperThan16BitsIsAProblemNode) {
    const size_t deepest = SXmlElement::kXmlMaxDepth + 1;  // depths 0 to 65,535
    CXmlDocument doc;
    ASSERT_TRUE(doc.Load(Repeat("<a>", deepest) + "x" + Repeat("</a>", deepest)));
    EXPECT_EQ(doc.GetElementCount(), deepest + 1);
    EXPECT_EQ(doc.GetElement(deepest).Depth(), SXmlElement::kXmlMaxDepth);
    EXPECT_EQ(doc.GetElement(deepest).firstChild, 0u);

    EXPECT_FALSE(doc.Load(Repeat("<a>", deepest + 1) + "x" + Repeat("</a>", deepest + 1)));
    EXPECT_EQ(doc.GetProblem(), "Element 'a' at offset " + std::to_string(3 * deepest) + " nested too deeply");
    EXPECT_EQ(doc.GetElementCount(), deepest + 1);
    EXPECT_EQ(xmltest::CheckRecords(doc), "");
    // The innermost recorded element took the first end tag; all of them are closed.
    for (uint32_t i = 1; i <= deepest; ++i) ASSERT_FALSE(doc.GetElement(i).flags & kXmlNotEnded) << i;
}

// Takes memory from the heap but refuses the requests `refuse` picks, and checks that every
// block it handed out is given back.
class CRefusingAllocator final : public IXmlAllocator {
public:
    std::function<bool(size_t)> refuse = [](size_t) { return false; };

    ~CRefusingAllocator() { EXPECT_TRUE(m_blocks.empty()) << m_blocks.size() << " blocks not freed"; }
    void* Reallocate(void* block, size_t bytes) override {
        if (refuse(bytes)) return nullptr;
        void* grown = std::realloc(block, bytes);
        if (grown) {
            m_blocks.erase(block);
            m_blocks[grown] = bytes;
        }
        return grown;
    }
    void Free(void* block) override {
        if (!block) return;
        EXPECT_EQ(m_blocks.erase(block), 1u);
        std::free(block);
    }

private:
    std::map<void*, size_t> m_blocks;
};

TEST(XmlLimits, NoMemoryForTheTextGivesAnEmptyDocument) {
    CRefusingAllocator heap;
    CXmlDocument doc(CXmlLeadBytes(), heap);
    ASSERT_TRUE(doc.Load("<a>small</a>"));
    const std::string big = "<a>" + std::string(100000, 'x') + "</a>";
    heap.refuse = [&](size_t bytes) { return bytes > big.size(); };
    EXPECT_FALSE(doc.Load(big));
    EXPECT_EQ(doc.GetProblem(), "Not enough memory for the document text");
    EXPECT_TRUE(doc.GetElement(0).flags & kXmlNotWellFormed);
    EXPECT_EQ(doc.GetTextLength(), 0u);
    EXPECT_FALSE(doc.FindElement());
    EXPECT_EQ(doc.GetData(), "");
    heap.refuse = [](size_t) { return false; };
    EXPECT_TRUE(doc.Load(big));
}

TEST(XmlLimits, NoMemoryForTheElementTableKeepsWhatWasRead) {
    CRefusingAllocator heap;
    CXmlDocument doc(CXmlLeadBytes(), heap);
    const std::string text = "<r>" + Repeat("<e/>", 2000) + "</r>";
    // The table may hold up to 1,200 records; the text itself fits.
    heap.refuse = [](size_t bytes) { return bytes > 1200 * sizeof(SXmlElement); };
    EXPECT_FALSE(doc.Load(text));
    const uint32_t count = doc.GetElementCount();
    ASSERT_GT(count, 100u);
    ASSERT_LT(count, 1201u);
    const uint32_t failedAt = 3 + 4 * (count - 2);  // the first <e/> without a record
    EXPECT_EQ(doc.GetProblem(), "Not enough memory for the element table at offset " + std::to_string(failedAt));
    EXPECT_EQ(xmltest::CheckRecords(doc), "");
    // The root was still open: it is unended and its children follow it.
    EXPECT_TRUE(doc.GetElement(1).flags & kXmlNotEnded);
    ASSERT_TRUE(doc.FindElement("r"));
    uint32_t siblings = 0;
    while (doc.FindElement("e")) ++siblings;
    EXPECT_EQ(siblings, count - 2);
}

TEST(XmlLimits, NoMemoryForTheNodeStackKeepsWhatWasRead) {
    CRefusingAllocator heap;
    CXmlDocument doc(CXmlLeadBytes(), heap);
    // The stack holds 6, then 18, then 42 open elements; the growth to 42 is refused.
    heap.refuse = [](size_t bytes) { return bytes == 42 * sizeof(SXmlOpenElement); };
    EXPECT_FALSE(doc.Load(Repeat("<a>", 30) + Repeat("</a>", 30)));
    EXPECT_EQ(doc.GetProblem(), "Not enough memory for the node stack at offset " + std::to_string(18 * 3));
    EXPECT_EQ(doc.GetElementCount(), 19u);
    EXPECT_EQ(xmltest::CheckRecords(doc), "");
    EXPECT_TRUE(doc.FindElement("a"));
}

TEST(XmlLimits, NoMemoryAtAllStillGivesAUsableDocument) {
    CRefusingAllocator heap;
    heap.refuse = [](size_t) { return true; };
    CXmlDocument doc(CXmlLeadBytes(), heap);
    EXPECT_FALSE(doc.Load("<a>x</a>"));
    EXPECT_EQ(doc.GetProblem(), "Not enough memory for the document text");
    EXPECT_FALSE(doc.FindElement());
    EXPECT_FALSE(doc.FindChildElement());
    EXPECT_EQ(doc.GetData(), "");
}

}  // namespace
