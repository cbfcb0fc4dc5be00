#pragma once
// Consistency of the records of a loaded document, shared by the unit tests and the fuzz
// harness: offsets and lengths inside the text, parent/child/sibling links that agree with each
// other, every element reachable exactly once, depths that agree with the walk.
#include <cstdint>
#include <string>
#include <vector>

#include "xml/XmlDocument.h"

namespace xmltest {

// Empty when every record is consistent, else a description of the first fault found.
inline std::string CheckRecords(const CXmlDocument& doc) {
    const uint32_t count = doc.GetElementCount();
    const uint32_t textLength = doc.GetTextLength();
    const char* text = doc.GetText();
    const SXmlElement& document = doc.GetElement(0);
    auto fault = [](uint32_t i, const char* what) { return "element " + std::to_string(i) + ": " + what; };

    if (document.start != 0 || document.parent != 0 || document.nextSibling != 0 || document.tagLengths != 0)
        return "document record has element fields";
    if (count > 1 && document.length != textLength) return "document length is not the text length";
    const bool wellFormedMarks = !(document.flags & kXmlNotWellFormed);

    for (uint32_t i = 1; i < count; ++i) {
        const SXmlElement& e = doc.GetElement(i);
        const uint32_t stl = e.StartTagLength(), etl = e.EndTagLength();
        if (e.start >= textLength || uint64_t(e.start) + e.length > textLength) return fault(i, "outside the text");
        if (text[e.start] != '<') return fault(i, "does not start at '<'");
        if (stl < 3 || stl > e.length) return fault(i, "bad start tag length");
        if (text[e.start + stl - 1] != '>') return fault(i, "start tag does not end at '>'");
        if (etl) {
            if (etl < 3 || etl > e.length - stl) return fault(i, "bad end tag length");
            const uint32_t endTag = e.start + e.length - etl;
            if (text[endTag] != '<' || text[endTag + 1] != '/' || text[e.start + e.length - 1] != '>')
                return fault(i, "end tag is not '</...>'");
        } else if (e.length != stl) {
            return fault(i, "length beyond the start tag without an end tag");
        }
        if ((e.flags & kXmlNotEnded) && (etl || e.firstChild)) return fault(i, "unended element keeps content");
        if (e.flags & kXmlNotWellFormed) return fault(i, "not-well-formed marker outside the document record");
        if (e.parent >= count || e.firstChild >= count || e.nextSibling >= count || e.prevSibling >= count)
            return fault(i, "link beyond the records in use");
    }

    // Walk every level from the document record; each element must be met exactly once.
    std::vector<char> seen(count, 0);
    struct SLevel {
        uint32_t parent;
        uint32_t depth;
    };
    std::vector<SLevel> levels{{0, 0}};
    uint32_t visited = 0;
    while (!levels.empty()) {
        const SLevel level = levels.back();
        levels.pop_back();
        const SXmlElement& parent = doc.GetElement(level.parent);
        const uint32_t first = parent.firstChild;
        if (!first) continue;
        uint32_t previous = 0, lastEnd = level.parent ? parent.start + parent.StartTagLength() : 0;
        const uint32_t limit = level.parent ? parent.start + parent.length - parent.EndTagLength() : textLength;
        for (uint32_t c = first; c; c = doc.GetElement(c).nextSibling) {
            if (seen[c]) return fault(c, "reached twice");
            seen[c] = 1;
            ++visited;
            const SXmlElement& e = doc.GetElement(c);
            if (e.parent != level.parent) return fault(c, "parent link disagrees with the walk");
            if (c == first ? !(e.flags & kXmlFirstChild) : (e.flags & kXmlFirstChild) != 0)
                return fault(c, "first-child marker wrong");
            if (c != first && e.prevSibling != previous) return fault(c, "previous sibling link wrong");
            if (e.start < lastEnd || e.start + e.length > limit) return fault(c, "outside its parent or out of order");
            // Elements moved up from an unended one keep the depth they were read at.
            if (wellFormedMarks ? e.Depth() != level.depth : e.Depth() < level.depth)
                return fault(c, "depth disagrees with the walk");
            if (level.parent && e.Depth() <= parent.Depth()) return fault(c, "not deeper than its parent");
            lastEnd = e.start + e.length;
            previous = c;
            levels.push_back({c, level.depth + 1});
        }
        if (doc.GetElement(first).prevSibling != previous) return fault(first, "last-sibling link wrong");
    }
    if (visited != count - 1) return "only " + std::to_string(visited) + " of " + std::to_string(count - 1) + " elements reachable";
    return "";
}

}  // namespace xmltest
