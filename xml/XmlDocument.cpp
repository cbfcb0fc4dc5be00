#include "xml/XmlDocument.h"

#include <algorithm>
#include <cstring>

#include "xml/XmlByteSearch.h"
#include "xml/XmlReferences.h"
#include "xml/XmlTreeBuilder.h"

namespace {
constexpr size_t kMaxTextLength = 0x7FFFFFFF;  // offsets are written as int in problem texts
const SXmlElement kNoRecord{};
// The text of an empty document, padded like the buffer.
const char kEmptyText[1 + kXmlTextPadding] = {};
}  // namespace

CXmlDocument::CXmlDocument() : CXmlDocument(CXmlLeadBytes()) {}

CXmlDocument::CXmlDocument(const CXmlLeadBytes& leadBytes, IXmlAllocator& allocator)
    : m_allocator(allocator), m_classes(leadBytes), m_table(allocator), m_open(allocator) {
    Load(nullptr);
}

CXmlDocument::~CXmlDocument() { m_allocator.Free(m_buffer); }

size_t CXmlDocument::GetAllocatedBytes() const {
    return m_table.AllocatedBytes() + m_open.Capacity() * sizeof(SXmlOpenElement);
}

const SXmlElement& CXmlDocument::Record(uint32_t index) const {
    // Only a table that never got its first record leaves the document record missing.
    return m_table.Capacity() ? m_table[index] : kNoRecord;
}

void CXmlDocument::ResetCursor() {
    m_parent = m_current = m_child = 0;
    m_nodeKind = 0;
}

bool CXmlDocument::Load(const char* text) { return LoadText(text, text ? std::strlen(text) : 0); }

bool CXmlDocument::Load(const std::string& text) {
    const void* zero = std::memchr(text.data(), 0, text.size());
    return LoadText(text.data(), zero ? static_cast<const char*>(zero) - text.data() : text.size());
}

bool CXmlDocument::StoreText(const char* text, size_t length) {
    // The zero and the padding the scan's wide reads need.
    const size_t size = length + 1 + kXmlTextPadding;
    if (size > m_bufferSize) {
        void* grown = m_allocator.Reallocate(m_buffer, size);
        if (!grown) return false;
        m_buffer = static_cast<char*>(grown);
        m_bufferSize = size;
    }
    // The text may be the document's own (a reload of GetText()); it then fits already.
    if (length) std::memmove(m_buffer, text, length);
    std::memset(m_buffer + length, 0, 1 + kXmlTextPadding);
    m_text = m_buffer;
    m_length = static_cast<uint32_t>(length);
    return true;
}

bool CXmlDocument::LoadText(const char* text, size_t length) {
    ResetCursor();
    m_problem.clear();
    m_elementCount = 1;
    const bool tooLarge = length > kMaxTextLength;
    const bool stored = !tooLarge && StoreText(text, length);
    if (!stored) {
        m_text = kEmptyText;
        m_length = 0;
    }
    const bool reserved = m_table.Reserve(uint64_t(m_length) / 64 + 8);
    if (m_table.Capacity()) m_table[0] = SXmlElement{};
    if (!stored || !reserved) {
        m_problem = tooLarge ? "Document too large"
                  : stored   ? "Not enough memory for the element table"
                             : "Not enough memory for the document text";
        if (m_table.Capacity()) m_table[0].flags |= kXmlNotWellFormed;
        return false;
    }
    if (m_length == 0) {
        m_problem = "Empty document";
        return false;
    }

    CXmlTreeBuilder builder(m_text, m_length, m_classes, m_table, m_open, m_problem);
    builder.Build();
    m_elementCount = builder.NextFree();
    SXmlElement& document = m_table[0];
    document.length = m_length;
    const uint32_t root = document.firstChild;
    if (!builder.OutOfMemory()) {
        if (!root)
            m_problem = "No root element";
        else if (m_table[root].nextSibling)
            m_problem = "Root element has sibling";
    }
    ResetCursor();
    return !(document.flags & kXmlNotWellFormed) && root && !m_table[root].nextSibling;
}

bool CXmlDocument::NameMatches(uint32_t element, const char* name) const {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(m_text) + Record(element).start + 1;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r') ++p;
    const unsigned char* end = p;
    while (*end && !std::strchr(" \t\n\r<>=\\/?!", *end)) end += m_classes.CharLength(end);
    const size_t tagLength = end - p;
    // A shorter name differs at its terminating zero.
    if (std::strncmp(name, reinterpret_cast<const char*>(p), tagLength) != 0) return false;
    const char next = name[tagLength];
    return next == 0 || next == ' ' || next == '=' || next == '/' || next == '[' || next == ']';
}

uint32_t CXmlDocument::FindSibling(uint32_t candidate, const char* name) const {
    if (!name || !*name) return candidate;
    for (; candidate; candidate = Record(candidate).nextSibling)
        if (NameMatches(candidate, name)) return candidate;
    return 0;
}

bool CXmlDocument::FindElement(const char* name) {
    const uint32_t candidate = m_current ? Record(m_current).nextSibling : Record(m_parent).firstChild;
    const uint32_t found = FindSibling(candidate, name);
    if (!found) return false;
    m_current = found;
    m_child = 0;
    m_parent = Record(found).parent;
    m_nodeKind = 1;
    return true;
}

bool CXmlDocument::FindChildElement(const char* name) {
    if (!m_current) FindElement();
    const uint32_t candidate = m_child ? Record(m_child).nextSibling : Record(m_current).firstChild;
    const uint32_t found = FindSibling(candidate, name);
    if (!found) return false;
    m_child = found;
    m_current = Record(found).parent;
    m_parent = Record(m_current).parent;
    m_nodeKind = m_current ? 1 : 0;
    return true;
}

bool CXmlDocument::IntoElement() {
    if (!m_current) return false;
    m_parent = m_current;
    m_current = m_child;
    m_child = 0;
    m_nodeKind = m_current ? 1 : 0;
    return true;
}

bool CXmlDocument::OutOfElement() {
    if (!m_parent) return false;
    m_child = m_current;
    m_current = m_parent;
    m_parent = Record(m_current).parent;
    m_nodeKind = 1;
    return true;
}

bool CXmlDocument::ContainsLess(uint32_t begin, uint32_t end) const {
    if (!m_classes.HasLeadBytes()) return std::memchr(m_text + begin, '<', end - begin) != nullptr;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(m_text) + begin;
    const unsigned char* stop = reinterpret_cast<const unsigned char*>(m_text) + end;
    for (; p < stop; p += m_classes.CharLength(p))
        if (*p == '<') return true;
    return false;
}

std::string CXmlDocument::DataOf(uint32_t index) const {
    const SXmlElement& element = Record(index);
    const uint32_t startTag = element.StartTagLength();
    if (element.firstChild || element.length <= startTag) return std::string();
    const uint32_t begin = element.start + startTag;
    const uint32_t end = element.start + element.length - element.EndTagLength();
    std::string data;
    if (end <= begin) return data;
    data.reserve(end - begin);
    if (!ContainsLess(begin, end)) {
        AppendDecodedXml(m_text + begin, m_text + end, m_classes, data);
        return data;
    }
    const CXmlNodeScanner scanner(m_text, m_classes);
    SXmlNode node;
    for (uint32_t next = begin; next < end;) {
        next = scanner.Scan(next, node);
        if (node.kind == kXmlEndOfText) break;
        const uint32_t nodeEnd = std::min(node.start + node.length, end);
        if (node.kind == kXmlText) {
            AppendDecodedXml(m_text + node.start, m_text + nodeEnd, m_classes, data);
        } else if (node.kind == kXmlCData && node.length > 12) {
            // "<![CDATA[" and "]]>" are left out.
            const uint32_t contentEnd = std::min(node.start + node.length - 3, end);
            if (contentEnd > node.start + 9) data.append(m_text + node.start + 9, contentEnd - node.start - 9);
        }
    }
    return data;
}
