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
    // The document record (index 0) must exist and be cleared; `problem` is empty.
    CXmlTreeBuilder(const char* text, const CXmlCharClasses& classes, CXmlElementTable& table,
                    CXmlOpenElements& open, std::string& problem);

    void Build();

    // First unused record after the scan.
    uint32_t NextFree() const { return m_next; }
    // The scan stopped early because memory ran out; the problem text says so.
    bool OutOfMemory() const { return m_outOfMemory; }

private:
    bool OnStartTag(const SXmlNode& node);
    void OnEndTag(const SXmlNode& node);
    // A problem inside the current parent; `description` is taken only as the first problem.
    void OnProblem(const std::string& description);
    void OnOutOfMemory(const char* what, uint32_t offset);

    bool Matches(const SXmlOpenElement& open, const char* name, uint32_t length) const;
    // Closes the open element at stack position `index` with `endTag`.
    void Close(uint32_t index, const SXmlNode& endTag);
    // Unends the open elements from stack position `from` to the top; `endTag` is the
    // mismatched end tag that caused it, or null at the end of the text.
    void Unend(uint32_t from, const SXmlNode* endTag);

    void MarkNotWellFormed() { m_table[0].flags |= kXmlNotWellFormed; }
    std::string Text(uint32_t offset, uint32_t length) const { return std::string(m_text + offset, length); }
    std::string OpenName(const SXmlOpenElement& open) const {
        return Text(m_table[open.element].start + 1, open.nameLength);
    }

    const char* m_text;
    CXmlNodeScanner m_scanner;
    CXmlElementTable& m_table;
    CXmlOpenElements& m_open;
    std::string& m_problem;
    uint32_t m_parent = 0;
    uint32_t m_next = 1;
    bool m_outOfMemory = false;
};
