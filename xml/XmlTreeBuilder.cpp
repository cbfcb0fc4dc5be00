#include "xml/XmlTreeBuilder.h"

#include <cstring>

CXmlTreeBuilder::CXmlTreeBuilder(const char* text, const CXmlCharClasses& classes, CXmlElementTable& table,
                                 CXmlOpenElements& open, std::string& problem)
    : m_text(text), m_scanner(text, classes), m_table(table), m_open(open), m_problem(problem) {
    m_open.Clear();
}

void CXmlTreeBuilder::Build() {
    SXmlNode node;
    uint32_t next = 0;
    for (;;) {
        next = m_scanner.Scan(next, node);
        switch (node.kind) {
        case kXmlStartTag:
            if (!OnStartTag(node)) {
                if (m_open.Count()) Unend(0, nullptr);
                return;
            }
            break;
        case kXmlEndTag:
            OnEndTag(node);
            break;
        case kXmlProblem:
            OnProblem(node.problem);
            break;
        case kXmlEndOfText:
            if (m_open.Count()) Unend(0, nullptr);
            return;
        default:
            break;
        }
    }
}

bool CXmlTreeBuilder::OnStartTag(const SXmlNode& node) {
    if (node.length > SXmlElement::kXmlMaxStartTagLength) {
        OnProblem(m_problem.empty() ? "Element tag at offset " + std::to_string(node.start) + " too long" : "");
        return true;
    }
    const uint32_t depth = m_open.Count();
    if (depth > SXmlElement::kXmlMaxDepth) {
        OnProblem(m_problem.empty() ? "Element '" + Text(node.nameStart, node.nameLength) + "' at offset " +
                                          std::to_string(node.start) + " nested too deeply"
                                    : "");
        return true;
    }
    if (m_next >= m_table.Capacity() && !m_table.Grow(m_next)) {
        OnOutOfMemory("element table", node.start);
        return false;
    }
    const bool empty = (node.flags & kXmlEmptyElement) != 0;
    if (!empty && !m_open.MakeRoom()) {
        OnOutOfMemory("node stack", node.start);
        return false;
    }

    const uint32_t e = m_next++;
    SXmlElement& element = m_table[e];
    SXmlElement& parent = m_table[m_parent];
    element.start = node.start;
    element.length = node.length;
    element.tagLengths = node.length;
    element.parent = m_parent;
    element.firstChild = 0;
    element.nextSibling = 0;
    if (parent.firstChild) {
        SXmlElement& first = m_table[parent.firstChild];
        const uint32_t last = first.prevSibling;
        m_table[last].nextSibling = e;
        element.prevSibling = last;
        first.prevSibling = e;
        element.flags = depth;
    } else {
        parent.firstChild = e;
        element.prevSibling = e;
        element.flags = depth | kXmlFirstChild;
    }
    if (!empty) {
        m_open.Push(e, node.nameLength);
        m_parent = e;
    }
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
        Close(i, node);
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

void CXmlTreeBuilder::Close(uint32_t index, const SXmlNode& endTag) {
    SXmlElement& element = m_table[m_open[index].element];
    element.length = endTag.start + endTag.length - element.start;
    element.tagLengths = element.StartTagLength() | (endTag.length << 22);
    m_parent = element.parent;
    m_open.PopTo(index);
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
    uint32_t last = m_open[top].element;
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
        if (i == top) last = firstChild.prevSibling;
        firstChild.prevSibling = x;
        firstChild.flags &= ~kXmlFirstChild;
        for (uint32_t c = first; c; c = m_table[c].nextSibling) m_table[c].parent = newParent;
    }
    SXmlElement& parent = m_table[newParent];
    m_table[parent.firstChild].prevSibling = last;
    if (problemInside) parent.flags |= kXmlProblemInside;
    m_open.PopTo(from);
    m_parent = newParent;
}
