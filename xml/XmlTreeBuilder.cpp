#include "xml/XmlTreeBuilder.h"

#include <cstring>

#include "xml/XmlByteSearch.h"

#if defined(__GNUC__)
#define XML_HOT inline __attribute__((always_inline))
#else
#define XML_HOT inline
#endif

CXmlTreeBuilder::CXmlTreeBuilder(const char* text, const CXmlCharClasses& classes, CXmlElementTable& table,
                                 CXmlOpenElements& open, std::string& problem)
    : m_text(text), m_class(classes), m_scanner(text, classes), m_table(table), m_open(open), m_problem(problem) {
    m_open.Clear();
}

XML_HOT void CXmlTreeBuilder::Append(uint32_t start, uint32_t length, uint32_t nameLength, bool empty) {
    const uint32_t e = m_next++;
    uint32_t& last = LastChildOfParent();
    SXmlElement& element = m_table[e];
    element.start = start;
    element.length = length;
    element.tagLengths = length;
    element.flags = m_open.Count() | (last ? 0 : kXmlFirstChild);
    element.parent = m_parent;
    element.firstChild = 0;
    element.nextSibling = 0;
    element.prevSibling = last ? last : e;
    if (last)
        m_table[last].nextSibling = e;
    else
        m_table[m_parent].firstChild = e;
    last = e;
    if (!empty) {
        m_open.Push(e, nameLength);
        m_parent = e;
    }
}

XML_HOT void CXmlTreeBuilder::Close(uint32_t index, uint32_t endStart, uint32_t endLength) {
    const SXmlOpenElement& open = m_open[index];
    SXmlElement& element = m_table[open.element];
    element.length = endStart + endLength - element.start;
    element.tagLengths = element.StartTagLength() | (endLength << 22);
    if (element.firstChild) m_table[element.firstChild].prevSibling = open.lastChild;
    m_parent = element.parent;
    m_open.PopTo(index);
}

// A start tag without lead bytes in its name or values, that fits the records and needs no
// growth. Anything else returns null and goes through the node scanner.
XML_HOT const unsigned char* CXmlTreeBuilder::TryStartTag(const unsigned char* s) {
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
    if (length > SXmlElement::kXmlMaxStartTagLength || m_open.Count() > SXmlElement::kXmlMaxDepth ||
        m_next >= m_table.Capacity() || (!empty && !m_open.HasRoom()))
        return nullptr;
    Append(Offset(s), length, nameLength, empty);
    return p + 1;
}

// An end tag without lead bytes that closes the innermost open element.
XML_HOT const unsigned char* CXmlTreeBuilder::TryEndTag(const unsigned char* s) {
    const uint32_t count = m_open.Count();
    if (!count) return nullptr;
    const unsigned char* p = s + 2;
    while (!(m_class[*p] & xmlclass::kEndNameStop)) ++p;
    const uint32_t nameLength = static_cast<uint32_t>(p - s - 2);
    while (!(m_class[*p] & xmlclass::kCloseStop)) ++p;
    if (*p != '>') return nullptr;
    const uint32_t length = static_cast<uint32_t>(p + 1 - s);
    const SXmlOpenElement& top = m_open[count - 1];
    if (length > SXmlElement::kXmlMaxEndTagLength || top.nameLength != nameLength ||
        !xmlsearch::SameName(m_text + m_table[top.element].start + 1, reinterpret_cast<const char*>(s + 2), nameLength))
        return nullptr;
    Close(count - 1, Offset(s), length);
    return p + 1;
}

void CXmlTreeBuilder::Build() {
    const unsigned char* const text = reinterpret_cast<const unsigned char*>(m_text);
    const unsigned char* p = text;
    SXmlNode node;
    for (;;) {
        // Text and whitespace are passed over whole: only markup shapes the tree.
        if (*p != '<') {
            p = xmlsearch::SkipToLess(p, m_class);
            if (!*p) break;
        }
        if (m_class[p[1]] & xmlclass::kNameStart) {
            if (const unsigned char* end = TryStartTag(p)) {
                p = end;
                continue;
            }
        } else if (p[1] == '/') {
            if (const unsigned char* end = TryEndTag(p)) {
                p = end;
                continue;
            }
        }
        p = text + m_scanner.Scan(Offset(p), node);
        if (node.kind == kXmlStartTag) {
            if (!OnStartTag(node)) break;
        } else if (node.kind == kXmlEndTag) {
            OnEndTag(node);
        } else if (node.kind == kXmlProblem) {
            OnProblem(node.problem);
        }
    }
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
    Append(node.start, node.length, node.nameLength, (node.flags & kXmlEmptyElement) != 0);
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
        Close(i, node.start, node.length);
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
