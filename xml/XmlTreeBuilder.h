#pragma once
// The element scan of a load: reads the text node by node and records every element, closing,
// unending and re-parenting as end tags and the end of the text demand.
#include <cstdint>
#include <string>

#include "xml/XmlElementTable.h"
#include "xml/XmlNodeScanner.h"
#include "xml/XmlOpenElements.h"

class CXmlTreeBuilder {
public:
    // The document record (index 0) must exist and be cleared; `problem` is empty; the text is
    // padded as xmlsearch requires.
    CXmlTreeBuilder(const char* text, uint32_t length, const CXmlCharClasses& classes, CXmlElementTable& table,
                    CXmlOpenElements& open, std::string& problem);

    void Build();

    // First unused record after the scan.
    uint32_t NextFree() const { return m_next; }
    // The scan stopped early because memory ran out; the problem text says so.
    bool OutOfMemory() const { return m_outOfMemory; }

private:
    struct SHot;
    SHot LoadHot() const;
    void StoreHot(const SHot& hot);
    // The common tags, read and recorded in place; null when the node scanner must decide.
    const unsigned char* TryStartTag(SHot& hot, const unsigned char* s) const;
    const unsigned char* TryEndTag(SHot& hot, const unsigned char* s) const;
    bool OnStartTag(const SXmlNode& node);
    void OnEndTag(const SXmlNode& node);
    // A problem inside the current parent; `description` is taken only as the first problem.
    void OnProblem(const std::string& description);
    void OnOutOfMemory(const char* what, uint32_t offset);

    bool Matches(const SXmlOpenElement& open, const char* name, uint32_t length) const;
    // Unends the open elements from stack position `from` to the top; `endTag` is the
    // mismatched end tag that caused it, or null at the end of the text.
    void Unend(uint32_t from, const SXmlNode* endTag);

    uint32_t Offset(const unsigned char* p) const { return static_cast<uint32_t>(reinterpret_cast<const char*>(p) - m_text); }
    void MarkNotWellFormed() { m_table[0].flags |= kXmlNotWellFormed; }
    // The last child of the current parent so far (kept in the stack entry). The first child's
    // previous-sibling field is set from it when the parent is closed or the scan ends.
    uint32_t& LastChildOfParent() { return m_open.Count() ? m_open[m_open.Count() - 1].lastChild : m_lastTopLevel; }
    std::string Text(uint32_t offset, uint32_t length) const { return std::string(m_text + offset, length); }
    std::string OpenName(const SXmlOpenElement& open) const {
        return Text(m_table[open.element].start + 1, open.nameLength);
    }

    const char* m_text;
    uint32_t m_length;
    const CXmlCharClasses& m_class;
    CXmlNodeScanner m_scanner;
    CXmlElementTable& m_table;
    CXmlOpenElements& m_open;
    std::string& m_problem;
    uint32_t m_parent = 0;
    uint32_t m_next = 1;
    uint32_t m_lastTopLevel = 0;
    bool m_outOfMemory = false;
};
