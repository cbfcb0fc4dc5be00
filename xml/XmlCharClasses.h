#pragma once
// Byte classes of the scan: one table lookup tells whether a byte ends the run being read, in
// every context at once. Lead bytes are part of each stop set, so a single-byte code page costs
// nothing beyond the lookup and a double-byte character is always stepped over as a whole.
#include <cstdint>

#include "xml/XmlLeadBytes.h"

namespace xmlclass {

inline constexpr uint8_t kLess = 0x01;       // '<'
inline constexpr uint8_t kGreater = 0x02;    // '>'
inline constexpr uint8_t kZero = 0x04;       // end of text
inline constexpr uint8_t kSpace = 0x08;      // space, tab, line feed, carriage return
inline constexpr uint8_t kSlash = 0x10;      // '/'
inline constexpr uint8_t kQuote = 0x20;      // '"' and '\''
inline constexpr uint8_t kNameStart = 0x40;  // may open a start tag's name
inline constexpr uint8_t kLead = 0x80;       // opens a double-byte character

// Ends a text node (after the '>', before the '<').
inline constexpr uint8_t kTextStop = kLess | kGreater | kZero | kLead;
// Ends a tag name; the quote only leaves the fast path of the start tag.
inline constexpr uint8_t kStartNameStop = kSpace | kSlash | kGreater | kZero | kQuote | kLead;
inline constexpr uint8_t kEndNameStop = kSpace | kSlash | kGreater | kZero | kLead;
// Ends the attribute part of a start tag.
inline constexpr uint8_t kTagStop = kGreater | kQuote | kZero | kLead;
// Ends constructs closed by '>' (end tags, comments, sections, instructions).
inline constexpr uint8_t kCloseStop = kGreater | kZero | kLead;
// Ends a problem node or the plain part of a document type declaration.
inline constexpr uint8_t kMarkupStop = kLess | kGreater | kZero | kLead;

}  // namespace xmlclass

class CXmlCharClasses {
public:
    explicit CXmlCharClasses(const CXmlLeadBytes& leadBytes) {
        for (int b = 0; b < 256; ++b) {
            uint8_t c = 0;
            if (b == '<') c |= xmlclass::kLess;
            if (b == '>') c |= xmlclass::kGreater;
            if (b == 0) c |= xmlclass::kZero;
            if (b == ' ' || b == '\t' || b == '\n' || b == '\r') c |= xmlclass::kSpace;
            if (b == '/') c |= xmlclass::kSlash;
            if (b == '"' || b == '\'') c |= xmlclass::kQuote;
            if ((b >= 'A' && b <= 'Z') || b == '_' || b == ':' || b > 0x60) c |= xmlclass::kNameStart;
            if (leadBytes.IsLead(static_cast<unsigned char>(b))) {
                c |= xmlclass::kLead;
                m_hasLeadBytes = true;
            }
            m_class[b] = c;
        }
    }

    uint8_t operator[](unsigned char byte) const { return m_class[byte]; }
    bool HasLeadBytes() const { return m_hasLeadBytes; }
    bool IsLead(unsigned char byte) const { return (m_class[byte] & xmlclass::kLead) != 0; }
    // Bytes of the character at `p`: 2 for a lead byte with its trail, else 1 (a lead byte just
    // before the end of the text is one character, so the terminating zero is never stepped over).
    int CharLength(const unsigned char* p) const { return IsLead(*p) && p[1] ? 2 : 1; }

private:
    uint8_t m_class[256];
    bool m_hasLeadBytes = false;
};
