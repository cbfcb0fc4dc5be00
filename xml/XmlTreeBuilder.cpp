#include "xml/XmlTreeBuilder.h"

#include <algorithm>
#include <cstring>

#include "xml/XmlByteSearch.h"

#if defined(__GNUC__)
#define XML_HOT inline __attribute__((always_inline))
#else
#define XML_HOT inline
#endif

CXmlTreeBuilder::CXmlTreeBuilder(const char* text, uint32_t length, const CXmlCharClasses& classes,
                                 CXmlElementTable& table, CXmlOpenElements& open, std::string& problem)
    : m_text(text), m_length(length), m_class(classes), m_scanner(text, classes), m_table(table), m_open(open),
      m_problem(problem) {
    m_open.Clear();
}

// The state the common path changes, held in locals while the scan runs: stores into records
// could otherwise alias the builder's own counters and force them through memory.
struct CXmlTreeBuilder::SHot {
    SXmlElement* const* segments;
    uint64_t capacity;
    SXmlOpenElement* open;
    uint32_t openCount;
    uint32_t openLimit;  // entries usable without growth, at most the deepest nesting
    uint32_t next;
    uint32_t parent;
    uint32_t lastTopLevel;

    SXmlElement& Record(uint32_t index) const { return segments[index >> 16][index & 0xFFFF]; }

    XML_HOT void Append(uint32_t start, uint32_t length, uint32_t nameLength, bool empty) {
        const uint32_t e = next++;
        uint32_t last;
        if (openCount) {
            SXmlOpenElement& top = open[openCount - 1];
            last = top.lastChild;
            top.lastChild = e;
        } else {
            last = lastTopLevel;
            lastTopLevel = e;
        }
        SXmlElement& element = Record(e);
        element.start = start;
        element.length = length;
        element.tagLengths = length;
        element.parent = parent;
        element.firstChild = 0;
        element.nextSibling = 0;
        if (last) {
            element.flags = openCount;
            element.prevSibling = last;
            Record(last).nextSibling = e;
        } else {
            element.flags = openCount | kXmlFirstChild;
            element.prevSibling = e;
            Record(parent).firstChild = e;
        }
        if (!empty) {
            open[openCount++] = {e, nameLength, 0};
            parent = e;
        }
    }

    XML_HOT void Close(uint32_t index, uint32_t endStart, uint32_t endLength) {
        const SXmlOpenElement& closed = open[index];
        SXmlElement& element = Record(closed.element);
        element.length = endStart + endLength - element.start;
        element.tagLengths = element.StartTagLength() | (endLength << 22);
        if (element.firstChild) Record(element.firstChild).prevSibling = closed.lastChild;
        parent = element.parent;
        openCount = index;
    }
};

XML_HOT CXmlTreeBuilder::SHot CXmlTreeBuilder::LoadHot() const {
    return {m_table.Segments(), m_table.Capacity(), m_open.Items(), m_open.Count(),
            std::min<uint32_t>(m_open.Capacity(), SXmlElement::kXmlMaxDepth + 1), m_next, m_parent, m_lastTopLevel};
}

XML_HOT void CXmlTreeBuilder::StoreHot(const SHot& hot) {
    m_open.PopTo(hot.openCount);
    m_next = hot.next;
    m_parent = hot.parent;
    m_lastTopLevel = hot.lastTopLevel;
}

// A start tag without lead bytes in its name or values, that fits the records and needs no
// growth. Anything else returns null and goes through the node scanner.
XML_HOT const unsigned char* CXmlTreeBuilder::TryStartTag(SHot& hot, const unsigned char* s) const {
    const unsigned char* p = s + 1;
    while (!(m_class[*p] & xmlclass::kStartNameStop)) ++p;
    if (m_class[*p] & (xmlclass::kLead | xmlclass::kQuote | xmlclass::kZero)) return nullptr;
    const uint32_t nameLength = static_cast<uint32_t>(p - s - 1);
    while (*p != '>') {
        const uint8_t c = m_class[*p];
        if (!(c & xmlclass::kTagStop)) {
            ++p;
            continue;
        }
        if (!(c & xmlclass::kQuote)) return nullptr;
        const unsigned char quote = *p++;
        while (*p != quote) {
            if (m_class[*p] & (xmlclass::kZero | xmlclass::kLead)) return nullptr;
            ++p;
        }
        ++p;
    }
    const uint32_t length = static_cast<uint32_t>(p + 1 - s);
    const bool empty = p[-1] == '/';
    // The stack limit also keeps the depth within its 16 bits.
    if (length > SXmlElement::kXmlMaxStartTagLength || hot.next >= hot.capacity || hot.openCount >= hot.openLimit)
        return nullptr;
    hot.Append(Offset(s), length, nameLength, empty);
    return p + 1;
}

// An end tag without lead bytes that closes the innermost open element: its name must be the
// innermost element's name followed by a byte that ends names.
XML_HOT const unsigned char* CXmlTreeBuilder::TryEndTag(SHot& hot, const unsigned char* s) const {
    if (!hot.openCount) return nullptr;
    const SXmlOpenElement& top = hot.open[hot.openCount - 1];
    SXmlElement& element = hot.Record(top.element);
    // The name must lie within the text before its bytes are compared or the byte after it read.
    if (Offset(s) + 2 + uint64_t(top.nameLength) > m_length ||
        !xmlsearch::SameName(m_text + element.start + 1, reinterpret_cast<const char*>(s + 2), top.nameLength))
        return nullptr;
    const unsigned char* p = s + 2 + top.nameLength;
    // Lead bytes carry none of these bits.
    constexpr uint8_t kNameEnd = xmlclass::kSpace | xmlclass::kSlash | xmlclass::kGreater | xmlclass::kZero;
    if (!(m_class[*p] & kNameEnd)) return nullptr;
    while (!(m_class[*p] & xmlclass::kCloseStop)) ++p;
    if (*p != '>') return nullptr;
    const uint32_t length = static_cast<uint32_t>(p + 1 - s);
    if (length > SXmlElement::kXmlMaxEndTagLength) return nullptr;
    hot.Close(hot.openCount - 1, Offset(s), length);
    return p + 1;
}

void CXmlTreeBuilder::Build() {
    const unsigned char* const text = reinterpret_cast<const unsigned char*>(m_text);
    const unsigned char* p = text;
    SXmlNode node;
    SHot hot = LoadHot();
    for (;;) {
        // Text and whitespace are passed over whole: only markup shapes the tree.
        if (*p != '<') {
            p = xmlsearch::SkipToLess(p, m_class);
            if (!*p) break;
        }
        if (m_class[p[1]] & xmlclass::kNameStart) {
            if (const unsigned char* end = TryStartTag(hot, p)) {
                p = end;
                continue;
            }
        } else if (p[1] == '/') {
            if (const unsigned char* end = TryEndTag(hot, p)) {
                p = end;
                continue;
            }
        }
        StoreHot(hot);
        p = text + m_scanner.Scan(Offset(p), node);
        bool goOn = true;
        if (node.kind == kXmlStartTag)
            goOn = OnStartTag(node);
        else if (node.kind == kXmlEndTag)
            OnEndTag(node);
        else if (node.kind == kXmlProblem)
            OnProblem(node.problem);
        hot = LoadHot();
        if (!goOn) break;
    }
    StoreHot(hot);
    if (m_open.Count()) Unend(0, nullptr);
    if (const uint32_t first = m_table[0].firstChild) m_table[first].prevSibling = m_lastTopLevel;
}

bool CXmlTreeBuilder::OnStartTag(const SXmlNode& node) {
    if (node.length > SXmlElement::kXmlMaxStartTagLength) {
        OnProblem(m_problem.empty() ? "Element tag at offset " + std::to_string(node.start) + " too long" : "");
        return true;
    }
    if (m_open.Count() > SXmlElement::kXmlMaxDepth) {
        OnProblem(m_problem.empty() ? "Element '" + Text(node.nameStart, node.nameLength) + "' at offset " +
                                          std::to_string(node.start) + " nested too deeply"
                                    : "");
        return true;
    }
    if (m_next >= m_table.Capacity() && !m_table.Grow(m_next)) {
        OnOutOfMemory("element table", node.start);
        return false;
    }
    if (!(node.flags & kXmlEmptyElement) && !m_open.MakeRoom()) {
        OnOutOfMemory("node stack", node.start);
        return false;
    }
    SHot hot = LoadHot();
    hot.Append(node.start, node.length, node.nameLength, (node.flags & kXmlEmptyElement) != 0);
    StoreHot(hot);
    return true;
}

bool CXmlTreeBuilder::Matches(const SXmlOpenElement& open, const char* name, uint32_t length) const {
    if (open.nameLength < length) return false;
    const char* openName = m_text + m_table[open.element].start + 1;
    if (std::memcmp(openName, name, length) != 0) return false;
    if (open.nameLength == length) return true;
    const char next = openName[length];
    return next == '=' || next == '[' || next == ']' || next == ' ' || next == '/';
}

void CXmlTreeBuilder::OnEndTag(const SXmlNode& node) {
    if (node.length > SXmlElement::kXmlMaxEndTagLength) {
        OnProblem(m_problem.empty() ? "Element end tag at offset " + std::to_string(node.start) + " too long" : "");
        return;
    }
    const char* name = m_text + node.nameStart;
    for (uint32_t i = m_open.Count(); i-- > 0;) {
        if (!Matches(m_open[i], name, node.nameLength)) continue;
        if (i + 1 < m_open.Count()) Unend(i + 1, &node);
        SHot hot = LoadHot();
        hot.Close(i, node.start, node.length);
        StoreHot(hot);
        return;
    }
    OnProblem(m_problem.empty() ? "No start tag for end tag '" + Text(node.nameStart, node.nameLength) +
                                      "' at offset " + std::to_string(node.start)
                                : "");
}

void CXmlTreeBuilder::OnProblem(const std::string& description) {
    MarkNotWellFormed();
    m_table[m_parent].flags |= kXmlProblemInside;
    if (m_problem.empty()) m_problem = description;
}

void CXmlTreeBuilder::OnOutOfMemory(const char* what, uint32_t offset) {
    // Decides the outcome of the load, so it replaces any earlier problem.
    m_problem = std::string("Not enough memory for the ") + what + " at offset " + std::to_string(offset);
    m_outOfMemory = true;
    MarkNotWellFormed();
    m_table[m_parent].flags |= kXmlProblemInside;
}

void CXmlTreeBuilder::Unend(uint32_t from, const SXmlNode* endTag) {
    MarkNotWellFormed();
    const uint32_t top = m_open.Count() - 1;
    if (m_problem.empty()) {
        const SXmlOpenElement& inner = m_open[top];
        const std::string at = "' at offset " + std::to_string(m_table[inner.element].start);
        if (endTag)
            m_problem = "End tag '" + Text(endTag->nameStart, endTag->nameLength) + "' at offset " +
                        std::to_string(endTag->start + 1) + " does not match start tag '" + OpenName(inner) + at;
        else
            m_problem = "Element '" + OpenName(inner) + at + " not ended";
    }

    // Done for all of them at once, outermost first: each unended element is followed by its
    // former children, the next unended element being the last of those, so every moved element
    // is visited once and ends up under the outermost one's parent.
    const uint32_t newParent = m_table[m_open[from].element].parent;
    uint32_t last = m_open[top].lastChild ? m_open[top].lastChild : m_open[top].element;
    bool problemInside = false;
    for (uint32_t i = from; i <= top; ++i) {
        const uint32_t x = m_open[i].element;
        SXmlElement& element = m_table[x];
        if (element.flags & kXmlProblemInside) problemInside = true;
        const uint32_t first = element.firstChild;
        element.flags = (element.flags & ~kXmlProblemInside) | kXmlNotEnded;
        element.length = element.StartTagLength();
        element.tagLengths = element.StartTagLength();
        element.firstChild = 0;
        element.nextSibling = first;
        if (!first) continue;
        SXmlElement& firstChild = m_table[first];
        firstChild.prevSibling = x;
        firstChild.flags &= ~kXmlFirstChild;
        for (uint32_t c = first; c; c = m_table[c].nextSibling) m_table[c].parent = newParent;
    }
    if (problemInside) m_table[newParent].flags |= kXmlProblemInside;
    m_open.PopTo(from);
    m_parent = newParent;
    LastChildOfParent() = last;
}
