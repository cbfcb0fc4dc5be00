// libFuzzer harness of the XML reader. The first input byte picks the code page (odd: double-byte,
// lead bytes 0x81 to 0xFE), the rest is the document. Each input is loaded into a reused document
// and into a fresh one; the records are checked, the node scanner's pieces must tile the text,
// and the whole tree is walked with every cursor operation and GetData.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/xml/XmlInvariants.h"
#include "xml/XmlDocument.h"
#include "xml/XmlNodeScanner.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "xml invariant broken: %s\n", what.c_str());
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition) Fail(what);
}

CXmlLeadBytes DoubleByte() {
    CXmlLeadBytes lead;
    for (int b = 0x81; b <= 0xFE; ++b) lead.SetLead(static_cast<unsigned char>(b));
    return lead;
}

// Content length of an element: the most its data can be.
uint32_t ContentLength(const CXmlDocument& doc, uint32_t index) {
    const SXmlElement& e = doc.GetElement(index);
    return e.length - e.StartTagLength() - e.EndTagLength();
}

void CheckNodes(const CXmlDocument& doc, const CXmlLeadBytes& lead) {
    const CXmlCharClasses classes(lead);
    const CXmlNodeScanner scanner(doc.GetText(), classes);
    SXmlNode node;
    uint32_t next = 0;
    for (;;) {
        const uint32_t end = scanner.Scan(next, node);
        Check(node.start == next, "node does not start where the last one ended");
        if (node.kind == kXmlEndOfText) {
            Check(next == doc.GetTextLength() && node.length == 0, "end of text before the end");
            return;
        }
        Check(node.length > 0 && end == next + node.length && end <= doc.GetTextLength(), "node outside the text");
        if (node.kind == kXmlStartTag || node.kind == kXmlEndTag)
            Check(node.nameStart > node.start && node.nameStart + node.nameLength <= end, "tag name outside its tag");
        next = end;
    }
}

uint32_t Descendants(const CXmlDocument& doc, uint32_t index) {
    uint32_t total = 0;
    std::vector<uint32_t> pending{index};
    while (!pending.empty()) {
        const uint32_t parent = pending.back();
        pending.pop_back();
        for (uint32_t c = doc.GetElement(parent).firstChild; c; c = doc.GetElement(c).nextSibling) {
            ++total;
            pending.push_back(c);
        }
    }
    return total;
}

// Walks the whole tree with FindElement, IntoElement and OutOfElement alone.
void WalkLevels(CXmlDocument& doc) {
    const uint32_t count = doc.GetElementCount();
    const bool wellFormedMarks = !(doc.GetElement(0).flags & kXmlNotWellFormed);
    uint32_t visited = 0, depth = 0;
    for (;;) {
        if (doc.FindElement()) {
            const uint32_t at = doc.GetCurrentPosition();
            Check(at > 0 && at < count, "current position outside the table");
            Check(doc.GetNodeKind() == 1 && doc.GetChildPosition() == 0, "cursor after FindElement");
            Check(doc.GetParentPosition() == doc.GetElement(at).parent, "parent position after FindElement");
            if (wellFormedMarks) Check(doc.GetElement(at).Depth() == depth, "depth differs from the walk");
            Check(doc.GetData().size() <= ContentLength(doc, at), "data longer than the content");
            if (++visited > count) Fail("cursor walk does not end");
            Check(doc.IntoElement() && doc.GetCurrentPosition() == 0 && doc.GetParentPosition() == at, "IntoElement");
            ++depth;
            continue;
        }
        if (!doc.OutOfElement()) break;
        Check(doc.GetNodeKind() == 1 && doc.GetCurrentPosition() > 0, "OutOfElement");
        --depth;
    }
    Check(visited == count - 1, "cursor walk missed elements");
}

// Walks the root's subtree with FindChildElement, IntoElement and OutOfElement.
void WalkChildren(CXmlDocument& doc) {
    const uint32_t root = doc.GetElement(0).firstChild;
    uint32_t visited = 0;
    for (;;) {
        if (doc.FindChildElement()) {
            const uint32_t child = doc.GetChildPosition();
            Check(doc.GetCurrentPosition() && doc.GetElement(child).parent == doc.GetCurrentPosition(),
                  "child of another element");
            Check(doc.GetChildData().size() <= ContentLength(doc, child), "child data longer than the content");
            if (++visited > doc.GetElementCount()) Fail("child walk does not end");
            Check(doc.IntoElement() && doc.GetCurrentPosition() == child, "IntoElement after FindChildElement");
            continue;
        }
        if (!doc.OutOfElement()) break;
    }
    Check(visited == (root ? Descendants(doc, root) : 0), "child walk missed elements");
}

void Exercise(CXmlDocument& doc, const std::string& text, const CXmlLeadBytes& lead) {
    const bool wellFormed = doc.Load(text);
    const std::string fault = xmltest::CheckRecords(doc);
    if (!fault.empty()) Fail(fault);
    const SXmlElement& document = doc.GetElement(0);
    const uint32_t root = document.firstChild;
    Check(wellFormed == (!(document.flags & kXmlNotWellFormed) && root && !doc.GetElement(root).nextSibling),
          "well-formedness disagrees with the records");
    Check(!wellFormed || doc.GetProblem().empty(), "well formed with a problem text");
    CheckNodes(doc, lead);
    Check(doc.GetData().size() <= doc.GetTextLength(), "document data too long");
    WalkLevels(doc);
    doc.Load(text);
    WalkChildren(doc);

    // Finding by the names the document uses.
    doc.Load(text);
    if (root) {
        std::string name;
        const CXmlCharClasses classes(lead);
        const unsigned char* p = reinterpret_cast<const unsigned char*>(doc.GetText()) + doc.GetElement(root).start + 1;
        while (*p && !std::strchr(" \t\r\n<>=\\/?!", *p)) {
            const int length = classes.CharLength(p);
            name.append(reinterpret_cast<const char*>(p), length);
            p += length;
        }
        Check(doc.FindElement(name.c_str()), "root not found by its name");
        while (doc.FindChildElement(name.c_str())) Check(doc.GetChildData().size() <= text.size(), "child data");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const CXmlLeadBytes kSingle, kDouble = DoubleByte();
    static CXmlDocument reusedSingle(kSingle), reusedDouble(kDouble);
    const bool doubleByte = data[0] & 1;
    const CXmlLeadBytes& lead = doubleByte ? kDouble : kSingle;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    Exercise(doubleByte ? reusedDouble : reusedSingle, text, lead);
    CXmlDocument fresh(lead);
    Exercise(fresh, text, lead);
    return 0;
}
