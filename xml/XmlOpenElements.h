#pragma once
// The stack of open elements during a load: each entry is an element whose end tag has not been
// read yet, with the length of its tag name for matching end tags and its last child so far.
#include <cstdint>

#include "xml/XmlAllocator.h"

struct SXmlOpenElement {
    uint32_t element;
    uint32_t nameLength;  // the name starts just after the element's '<'
    uint32_t lastChild;   // 0 while it has none
};

class CXmlOpenElements {
public:
    explicit CXmlOpenElements(IXmlAllocator& allocator) : m_allocator(allocator) {}
    ~CXmlOpenElements() { m_allocator.Free(m_items); }
    CXmlOpenElements(const CXmlOpenElements&) = delete;
    CXmlOpenElements& operator=(const CXmlOpenElements&) = delete;

    // Room for one more entry: starts with 6 and grows to twice the size plus 6. False when
    // the memory cannot be obtained.
    bool MakeRoom() {
        if (m_count < m_capacity) return true;
        const uint64_t capacity = uint64_t(m_capacity) * 2 + 6;
        if (capacity > UINT32_MAX / sizeof(SXmlOpenElement)) return false;
        void* grown = m_allocator.Reallocate(m_items, static_cast<size_t>(capacity) * sizeof(SXmlOpenElement));
        if (!grown) return false;
        m_items = static_cast<SXmlOpenElement*>(grown);
        m_capacity = static_cast<uint32_t>(capacity);
        return true;
    }
    // Entries are written in place through Items() (after MakeRoom); this sets how many are in use.
    void PopTo(uint32_t count) { m_count = count; }
    void Clear() { m_count = 0; }

    uint32_t Count() const { return m_count; }
    SXmlOpenElement* Items() const { return m_items; }
    SXmlOpenElement& operator[](uint32_t i) { return m_items[i]; }
    const SXmlOpenElement& operator[](uint32_t i) const { return m_items[i]; }
    uint32_t Capacity() const { return m_capacity; }

private:
    IXmlAllocator& m_allocator;
    SXmlOpenElement* m_items = nullptr;
    uint32_t m_count = 0;
    uint32_t m_capacity = 0;
};
