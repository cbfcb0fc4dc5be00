#include "xml/XmlNodeScanner.h"

#include <cstring>

uint32_t CXmlNodeScanner::Unterminated(Ptr s, Ptr end, const char* name, SXmlNode& node) const {
    node.problem.assign(name);
    node.problem += " at offset " + std::to_string(Offset(s)) + " unterminated";
    return Finish(s, end, kXmlProblem, node);
}

uint32_t CXmlNodeScanner::ScanQuotedName(Ptr s, SXmlNode& node) const {
    Ptr p = s + 1;
    Ptr lastTrail = s;
    while (!(m_class[*p] & xmlclass::kEndNameStop) || (m_class[*p] & xmlclass::kLead))
        p = (m_class[*p] & xmlclass::kLead) ? SkipLead(p, lastTrail) : p + 1;
    node.nameStart = Offset(s + 1);
    node.nameLength = static_cast<uint32_t>(p - (s + 1));
    return ScanAttributes(s, s + 1, s, node);
}

uint32_t CXmlNodeScanner::ScanMarkup(Ptr s, SXmlNode& node, bool nested, EEnd& how) const {
    how = EEnd::Closed;
    if (s[1] == '?') return ScanDelimited(s, s + 2, "?", kXmlProcessingInstruction, "Processing instruction", node, how);
    if (s[1] != '!') return ScanProblem(s, "tag name character", node, how);
    switch (s[2]) {
    case '-':
        if (s[3] == '-') return ScanDelimited(s, s + 4, "--", kXmlComment, "Comment", node, how);
        return ScanProblem(s, "comment tag", node, how);
    case '[':
        if (nested) break;
        if (s[3] == 'C') return ScanDelimited(s, s + 4, "]]", kXmlCData, "CDATA Section", node, how);
        return ScanProblem(s, "tag", node, how);
    case 'D':
        if (nested) break;
        return ScanDocType(s, node);
    case 'E':
    case 'A':
    case 'N':
        return ScanProblem(s, nullptr, node, how);
    }
    return ScanProblem(s, "! tag", node, how);
}

uint32_t CXmlNodeScanner::ScanDelimited(Ptr s, Ptr p, const char* rest, int kind, const char* name,
                                        SXmlNode& node, EEnd& how) const {
    const size_t restLength = std::strlen(rest);
    Ptr lastTrail = s;
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
        if (c & xmlclass::kZero) {
            how = EEnd::EndOfText;
            return Unterminated(s, p, name, node);
        }
        // The closing bytes may be the construct's own opening ("<!-->"), never trail bytes,
        // and never lie before the start of the text.
        if (Offset(p) > restLength + 1 && lastTrail < p - restLength &&
            std::memcmp(p - restLength, rest, restLength) == 0)
            return Finish(s, p + 1, kind, node);
        ++p;
    }
}

uint32_t CXmlNodeScanner::ScanProblem(Ptr s, const char* what, SXmlNode& node, EEnd& how) const {
    if (what)
        node.problem = std::string("Incorrect ") + what + " at offset " + std::to_string(Offset(s));
    else
        node.problem.clear();
    Ptr p = s + 1;
    Ptr lastTrail = s;
    for (;;) {
        uint8_t c = m_class[*p];
        if (!(c & xmlclass::kMarkupStop)) {
            ++p;
            continue;
        }
        if (c & xmlclass::kLead) {
            p = SkipLead(p, lastTrail);
            continue;
        }
        if (c & xmlclass::kGreater) return Finish(s, p + 1, kXmlProblem, node);
        if (c & xmlclass::kLess) {
            how = EEnd::BeforeLess;
            return Finish(s, p, kXmlProblem, node);
        }
        how = EEnd::EndOfText;
        return Unterminated(s, p, "tag", node);
    }
}

uint32_t CXmlNodeScanner::ScanNested(Ptr s, SXmlNode& node, EEnd& how) const {
    node.start = Offset(s);
    node.flags = 0;
    if ((m_class[s[1]] & xmlclass::kNameStart) || s[1] == '/') {
        // Tags become problems only when the text ends inside them.
        uint32_t end = s[1] == '/' ? ScanEndTag(s, node) : ScanStartTag(s, node);
        how = node.kind == kXmlProblem ? EEnd::EndOfText : EEnd::Closed;
        return end;
    }
    return ScanMarkup(s, node, true, how);
}

uint32_t CXmlNodeScanner::ScanDocType(Ptr s, SXmlNode& node) const {
    Ptr p = s + 3;
    Ptr lastTrail = s;
    for (;;) {
        uint8_t c = m_class[*p];
        if (!(c & xmlclass::kMarkupStop)) {
            ++p;
            continue;
        }
        if (c & xmlclass::kLead) {
            p = SkipLead(p, lastTrail);
            continue;
        }
        if (c & xmlclass::kGreater) return Finish(s, p + 1, kXmlDocType, node);
        if (c & xmlclass::kZero) return Unterminated(s, p, "Doctype", node);
        SXmlNode inner;
        EEnd how;
        const uint32_t end = ScanNested(p, inner, how);
        if (how == EEnd::EndOfText) return Unterminated(s, m_text + end, "Doctype", node);
        if (how == EEnd::BeforeLess) {
            node.problem = std::move(inner.problem);
            return Finish(s, m_text + end, kXmlProblem, node);
        }
        p = m_text + end;
    }
}
