#include "xml/XmlElementTable.h"

#include <algorithm>

namespace {
// Element indices are 32 bits wide;
constexpr uint64_t kMaxRecords = UINT32_MAX;  // so the next free index never wraps
}  // namespace

CXmlElementTable::~CXmlElementTable() {
    const uint32_t segments = static_cast<uint32_t>((m_capacity + kXmlSegmentRecords - 1) / kXmlSegmentRecords);
    for (uint32_t i = 0; i < segments; ++i) m_allocator.Free(m_segments[i]);
    m_allocator.Free(m_segments);
}

size_t CXmlElementTable::AllocatedBytes() const {
    return static_cast<size_t>(m_capacity) * sizeof(SXmlElement) + m_segmentSlots * sizeof(SXmlElement*);
}

bool CXmlElementTable::ResizeSegment(uint32_t segment, uint32_t records) {
    if (segment >= m_segmentSlots) {
        const uint32_t slots = std::max<uint32_t>(4, segment * 2 + 4);
        void* grown = m_allocator.Reallocate(m_segments, slots * sizeof(SXmlElement*));
        if (!grown) return false;
        m_segments = static_cast<SXmlElement**>(grown);
        m_segmentSlots = slots;
    }
    const bool existing = uint64_t(segment) * kXmlSegmentRecords < m_capacity;
    void* block = m_allocator.Reallocate(existing ? m_segments[segment] : nullptr, records * sizeof(SXmlElement));
    if (!block) return false;
    m_segments[segment] = static_cast<SXmlElement*>(block);
    m_capacity = uint64_t(segment) * kXmlSegmentRecords + records;
    return true;
}

bool CXmlElementTable::Reserve(uint64_t count) {
    if (count > kMaxRecords) return false;
    while (m_capacity < count) {
        // Fill the last segment (or start the next one) as far as `count` needs.
        const uint32_t segment = static_cast<uint32_t>(m_capacity / kXmlSegmentRecords);
        const uint64_t segmentEnd = uint64_t(segment + 1) * kXmlSegmentRecords;
        const uint64_t target = std::min(count, segmentEnd);
        if (!ResizeSegment(segment, static_cast<uint32_t>(target - uint64_t(segment) * kXmlSegmentRecords)))
            return false;
    }
    return true;
}

bool CXmlElementTable::Grow(uint32_t used) {
    uint64_t target = uint64_t(used) + used / 2;
    const uint64_t lastSegment = m_capacity ? (m_capacity - 1) / kXmlSegmentRecords : 0;
    target = std::min(target, (lastSegment + 2) * kXmlSegmentRecords);
    target = std::max(target, m_capacity + 1);
    return Reserve(std::min(target, kMaxRecords)) && m_capacity > used;
}
