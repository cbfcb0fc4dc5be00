#pragma once
// Helpers of the XML reader's tests: a double-byte code page and a compact picture of the tree.
#include <cstring>
#include <string>

#include "xml/XmlDocument.h"

namespace xmltest {

// Lead bytes as in Shift-JIS.
inline CXmlLeadBytes ShiftJisLeadBytes() {
    CXmlLeadBytes lead;
    for (int b = 0x81; b <= 0x9F; ++b) lead.SetLead(static_cast<unsigned char>(b));
    for (int b = 0xE0; b <= 0xFC; ++b) lead.SetLead(static_cast<unsigned char>(b));
    return lead;
}

// The tag name as the records see it: from after '<' to the first space, '/' or '>'.
inline std::string TagName(const CXmlDocument& doc, uint32_t index) {
    const char* p = doc.GetText() + doc.GetElement(index).start + 1;
    std::string name;
    for (; *p && !std::strchr(" \t\r\n/>", *p); ++p) name += *p;
    return name;
}

// The elements of the current level and below, walked with the cursor only:
// "name" + "!" when never ended + "='data'" when it has data + "(children)", separated by spaces.
inline std::string Shape(CXmlDocument& doc) {
    std::string out;
    while (doc.FindElement()) {
        if (!out.empty()) out += ' ';
        const uint32_t at = doc.GetCurrentPosition();
        out += TagName(doc, at);
        if (doc.GetElement(at).flags & kXmlNotEnded) out += '!';
        const std::string data = doc.GetData();
        if (!data.empty()) out += "='" + data + "'";
        doc.IntoElement();
        const std::string inner = Shape(doc);
        if (!inner.empty()) out += "(" + inner + ")";
        doc.OutOfElement();
    }
    return out;
}

}  // namespace xmltest
