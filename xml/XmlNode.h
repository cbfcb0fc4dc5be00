#pragma once
// One piece of the document text as the node scanner reads it.
#include <cstdint>
#include <string>

enum EXmlNodeKind : int {
    kXmlEndTag = 0,
    kXmlStartTag = 1,
    kXmlText = 2,
    kXmlWhitespace = 4,
    kXmlCData = 8,
    kXmlProcessingInstruction = 16,
    kXmlComment = 32,
    kXmlDocType = 64,
    kXmlProblem = -1,
    kXmlEndOfText = -2,
};

// Bit of SXmlNode::flags: a start tag closed by "/>".
inline constexpr uint32_t kXmlEmptyElement = 0x10000;

struct SXmlNode {
    int kind = kXmlEndOfText;
    uint32_t start = 0;
    uint32_t length = 0;
    uint32_t flags = 0;
    // Tag name of a start or end tag, as an offset range of the text.
    uint32_t nameStart = 0;
    uint32_t nameLength = 0;
    // Description of a problem node (may be empty).
    std::string problem;
};
