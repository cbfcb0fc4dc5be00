#pragma once
// One element of a loaded document: eight 32-bit words of offsets into the document text and
// links to other records. Index 0 of the element table is the document record.
#include <cstdint>

struct SXmlElement {
    uint32_t start;       // offset of the '<' opening the start tag
    uint32_t length;      // start through the end tag's '>', or the start tag alone
    uint32_t tagLengths;  // start tag length (low 22 bits), end tag length (high 10 bits)
    uint32_t flags;       // depth (low 16 bits) and the marker bits below
    uint32_t parent;
    uint32_t firstChild;
    uint32_t nextSibling;
    // Preceding sibling; the first child holds the last sibling of its level here instead.
    uint32_t prevSibling;

    uint32_t StartTagLength() const { return tagLengths & kXmlMaxStartTagLength; }
    uint32_t EndTagLength() const { return tagLengths >> 22; }
    uint32_t Depth() const { return flags & kXmlMaxDepth; }

    static constexpr uint32_t kXmlMaxStartTagLength = 0x3FFFFF;
    static constexpr uint32_t kXmlMaxEndTagLength = 0x3FF;
    static constexpr uint32_t kXmlMaxDepth = 0xFFFF;
};
static_assert(sizeof(SXmlElement) == 32, "an element record is eight 32-bit words");

// Marker bits of SXmlElement::flags.
inline constexpr uint32_t kXmlFirstChild = 0x80000;
inline constexpr uint32_t kXmlNotEnded = 0x100000;
inline constexpr uint32_t kXmlProblemInside = 0x200000;
inline constexpr uint32_t kXmlNotWellFormed = 0x800000;  // document record only

// Records per segment of the element table.
inline constexpr uint32_t kXmlSegmentRecords = 0x10000;
