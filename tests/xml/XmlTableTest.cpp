// Growth of the segmented element table: sizes reached, and full segments never reallocated.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "xml/XmlDocument.h"
#include "xml/XmlElementTable.h"

namespace {

// The heap, with a record of every request that moves or resizes an existing block.
class CRecordingAllocator final : public IXmlAllocator {
public:
    std::vector<size_t> resized;  // byte sizes asked for existing blocks
    void* Reallocate(void* block, size_t bytes) override {
        if (block) resized.push_back(bytes);
        return std::realloc(block, bytes);
    }
    void Free(void* block) override { std::free(block); }
};

constexpr uint32_t kSeg = kXmlSegmentRecords;

TEST(XmlElementTable, GrowsByHalfButNeverBeyondTheNextSegment) {
    struct SCase {
        uint32_t reserved;  // capacity before
        uint64_t grown;     // capacity after Grow(reserved)
    };
    const SCase kCases[] = {
        {8, 12},
        {100, 150},
        {60000, 90000},
        {kSeg, kSeg + kSeg / 2},
        {kSeg + 100, kSeg + 100 + (kSeg + 100) / 2},
        {3 * kSeg, 4 * kSeg},
        {3 * kSeg + 40000, 5 * kSeg},
    };
    for (const SCase& c : kCases) {
        SCOPED_TRACE(c.reserved);
        CRecordingAllocator heap;
        CXmlElementTable table(heap);
        ASSERT_TRUE(table.Reserve(c.reserved));
        EXPECT_EQ(table.Capacity(), c.reserved);
        ASSERT_TRUE(table.Grow(c.reserved));
        EXPECT_EQ(table.Capacity(), c.grown);
        // Only a partial last segment is ever resized, and never beyond a full segment.
        for (size_t bytes : heap.resized)
            if (bytes > 4 * 1024) {
                EXPECT_LE(bytes, kSeg * sizeof(SXmlElement));
            }
    }
}

TEST(XmlElementTable, FullSegmentsKeepTheirRecords) {
    CXmlElementTable table(IXmlAllocator::Heap());
    ASSERT_TRUE(table.Reserve(kSeg));
    table[kSeg - 1].start = 1234;
    const SXmlElement* before = &table[kSeg - 1];
    for (uint32_t used = kSeg; used < 4 * kSeg; used = static_cast<uint32_t>(table.Capacity()))
        ASSERT_TRUE(table.Grow(used));
    EXPECT_EQ(&table[kSeg - 1], before);
    EXPECT_EQ(table[kSeg - 1].start, 1234u);
    table[4 * kSeg - 1].start = 1;  // the last record is usable
}

TEST(XmlElementTable, CapacitySurvivesLoadsAndLargeDocumentsSpanSegments) {
    CXmlDocument doc;
    std::string text = "<r>";
    for (int i = 0; i < 200000; ++i) text += "<e/>";
    text += "</r>";
    ASSERT_TRUE(doc.Load(text));
    EXPECT_EQ(doc.GetElementCount(), 200002u);
    ASSERT_TRUE(doc.FindElement("r"));
    uint32_t children = 0;
    while (doc.FindChildElement("e")) ++children;
    EXPECT_EQ(children, 200000u);
    const size_t held = doc.GetAllocatedBytes();
    ASSERT_TRUE(doc.Load("<a/>"));
    EXPECT_EQ(doc.GetAllocatedBytes(), held);
}

}  // namespace
