#pragma once
// Reads the document text one node at a time. Tags, text and whitespace, which make up nearly
// all of a document, are read here inline; the rarer constructs live in XmlNodeScanner.cpp.
#include <cstdint>

#include "xml/XmlCharClasses.h"
#include "xml/XmlNode.h"

class CXmlNodeScanner {
public:
    // `text` must end with a zero byte, which is where every scan stops. Reads never go beyond
    // it here; the document's buffer also carries the padding XmlByteSearch.h needs.
    CXmlNodeScanner(const char* text, const CXmlCharClasses& classes)
        : m_text(reinterpret_cast<const unsigned char*>(text)), m_class(classes) {}

    // Reads the node that begins at `offset` and returns the offset just after it.
    uint32_t Scan(uint32_t offset, SXmlNode& node) const {
        Ptr s = m_text + offset;
        node.start = offset;
        node.flags = 0;
        if (*s == '<') {
            if (m_class[s[1]] & xmlclass::kNameStart) return ScanStartTag(s, node);
            if (s[1] == '/') return ScanEndTag(s, node);
            EEnd how;
            return ScanMarkup(s, node, false, how);
        }
        if (*s == 0) {
            node.kind = kXmlEndOfText;
            node.length = 0;
            return offset;
        }
        return ScanText(s, node);
    }

private:
    using Ptr = const unsigned char*;
    // How a construct inside a document type declaration ended.
    enum class EEnd { Closed, BeforeLess, EndOfText };

    uint32_t Offset(Ptr p) const { return static_cast<uint32_t>(p - m_text); }
    uint32_t Finish(Ptr s, Ptr end, int kind, SXmlNode& node) const {
        node.kind = kind;
        node.length = static_cast<uint32_t>(end - s);
        return Offset(end);
    }
    // Steps over the double-byte character at `p`, remembering where its trail byte was.
    Ptr SkipLead(Ptr p, Ptr& lastTrail) const {
        if (!p[1]) return p + 1;
        lastTrail = p + 1;
        return p + 2;
    }

    uint32_t ScanText(Ptr s, SXmlNode& node) const {
        Ptr p = s;
        while (m_class[*p] & xmlclass::kSpace) ++p;
        if (m_class[*p] & (xmlclass::kLess | xmlclass::kZero)) return Finish(s, p, kXmlWhitespace, node);
        for (;;) {
            uint8_t c = m_class[*p];
            if (!(c & xmlclass::kTextStop)) {
                ++p;
                continue;
            }
            if (c & xmlclass::kLead) {
                p += p[1] ? 2 : 1;
                continue;
            }
            if (c & xmlclass::kGreater) ++p;
            return Finish(s, p, kXmlText, node);
        }
    }

    uint32_t ScanStartTag(Ptr s, SXmlNode& node) const {
        Ptr p = s + 1;
        Ptr lastTrail = s;
        for (;;) {
            uint8_t c = m_class[*p];
            if (!(c & xmlclass::kStartNameStop)) {
                ++p;
                continue;
            }
            if (c & xmlclass::kLead) {
                p = SkipLead(p, lastTrail);
                continue;
            }
            if (c & xmlclass::kQuote) return ScanQuotedName(s, node);
            break;
        }
        node.nameStart = Offset(s + 1);
        node.nameLength = static_cast<uint32_t>(p - (s + 1));
        return ScanAttributes(s, p, lastTrail, node);
    }

    // The rest of a start tag from `p`, up to the first '>' outside quotes.
    uint32_t ScanAttributes(Ptr s, Ptr p, Ptr lastTrail, SXmlNode& node) const {
        for (;;) {
            uint8_t c = m_class[*p];
            if (!(c & xmlclass::kTagStop)) {
                ++p;
                continue;
            }
            if (c & xmlclass::kLead) {
                p = SkipLead(p, lastTrail);
                continue;
            }
            if (c & xmlclass::kGreater) break;
            if (c & xmlclass::kZero) return Unterminated(s, p, "Element tag", node);
            const unsigned char quote = *p++;
            for (;;) {
                c = m_class[*p];
                if (c & (xmlclass::kQuote | xmlclass::kZero | xmlclass::kLead)) {
                    if (c & xmlclass::kLead) {
                        p = SkipLead(p, lastTrail);
                        continue;
                    }
                    if (c & xmlclass::kZero) return Unterminated(s, p, "Element tag", node);
                    if (*p == quote) break;
                }
                ++p;
            }
            ++p;
        }
        if (p[-1] == '/' && p - 1 != lastTrail) node.flags = kXmlEmptyElement;
        return Finish(s, p + 1, kXmlStartTag, node);
    }

    uint32_t ScanEndTag(Ptr s, SXmlNode& node) const {
        Ptr p = s + 2;
        Ptr lastTrail = s;
        for (;;) {
            uint8_t c = m_class[*p];
            if (!(c & xmlclass::kEndNameStop)) {
                ++p;
                continue;
            }
            if (!(c & xmlclass::kLead)) break;
            p = SkipLead(p, lastTrail);
        }
        node.nameStart = Offset(s + 2);
        node.nameLength = static_cast<uint32_t>(p - (s + 2));
        for (;;) {
            uint8_t c = m_class[*p];
            if (!(c & xmlclass::kCloseStop)) {
                ++p;
                continue;
            }
            if (c & xmlclass::kLead) {
                p = SkipLead(p, lastTrail);
                continue;
            }
            if (c & xmlclass::kZero) return Unterminated(s, p, "Element end tag", node);
            return Finish(s, p + 1, kXmlEndTag, node);
        }
    }

    // A start tag whose name holds a quote: the name and the quoted parts overlap.
    uint32_t ScanQuotedName(Ptr s, SXmlNode& node) const;
    // Everything after '<' but a start or end tag; `nested` inside a document type declaration.
    uint32_t ScanMarkup(Ptr s, SXmlNode& node, bool nested, EEnd& how) const;
    uint32_t ScanNested(Ptr s, SXmlNode& node, EEnd& how) const;
    // A construct that ends at a '>' preceded by `rest` ("?", "--", "]]").
    uint32_t ScanDelimited(Ptr s, Ptr p, const char* rest, int kind, const char* name,
                           SXmlNode& node, EEnd& how) const;
    // `what` names the problem in its description; null gives no description.
    uint32_t ScanProblem(Ptr s, const char* what, SXmlNode& node, EEnd& how) const;
    uint32_t ScanDocType(Ptr s, SXmlNode& node) const;
    uint32_t Unterminated(Ptr s, Ptr end, const char* name, SXmlNode& node) const;

    Ptr m_text;
    const CXmlCharClasses& m_class;
};
