#pragma once
// The element records of a document in segments of 65,536 records. Full segments never move;
// only the last, partial segment is reallocated when the table grows, and the table never shrinks.
#include <cstddef>
#include <cstdint>

#include "xml/XmlAllocator.h"
#include "xml/XmlElement.h"

class CXmlElementTable {
public:
    explicit CXmlElementTable(IXmlAllocator& allocator) : m_allocator(allocator) {}
    ~CXmlElementTable();
    CXmlElementTable(const CXmlElementTable&) = delete;
    CXmlElementTable& operator=(const CXmlElementTable&) = delete;

    SXmlElement& operator[](uint32_t index) { return m_segments[index >> 16][index & 0xFFFF]; }
    const SXmlElement& operator[](uint32_t index) const { return m_segments[index >> 16][index & 0xFFFF]; }

    // Room for at least `count` records; false when the memory cannot be obtained.
    bool Reserve(uint64_t count);
    // Growth of a full table holding `used` records: to 1.5 times that, but never beyond the
    // end of the segment after the current last one.
    bool Grow(uint32_t used);

    uint64_t Capacity() const { return m_capacity; }
    SXmlElement* const* Segments() const { return m_segments; }
    // Bytes held: the records and the table of segment pointers.
    size_t AllocatedBytes() const;

private:
    bool ResizeSegment(uint32_t segment, uint32_t records);

    IXmlAllocator& m_allocator;
    SXmlElement** m_segments = nullptr;
    uint32_t m_segmentSlots = 0;
    uint64_t m_capacity = 0;
};
