#pragma once
// CXmlDocument: a small read-only, error-tolerant XML reader with a cursor.
//
// One object holds one document as a single text. Load scans it once and records every element
// as a 32-byte record of offsets into that text; a cursor of three positions (parent, current
// element, child element) moves by the Find, Into and OutOf operations, and an element's text
// content is cut out and decoded only when asked for. A malformed document still yields the tree
// the scan could build; Load tells whether the document was well formed and GetProblem() keeps
// the first problem met.
//
// Input beyond what a record can hold never corrupts a record: each such construct is a problem
// node (the document is not well formed, the enclosing element gets the problem-inside marker,
// and the text below is the problem text if none came earlier), and the scan goes on after it:
// - a start tag longer than 4,194,303 bytes: "Element tag at offset %d too long"; no element is
//   created for it;
// - an end tag longer than 1,023 bytes: "Element end tag at offset %d too long"; it closes nothing;
// - a start tag 65,536 levels deep or deeper: "Element '%s' at offset %d nested too deeply"; no
//   element is created for it;
// - a text longer than 2,147,483,647 bytes is not taken at all: "Document too large".
// Memory that cannot be obtained (for the text, the element table or the stack of open elements)
// ends the load as not well formed with "Not enough memory for the %s" (for the table and the
// stack followed by " at offset %d"), replacing any earlier problem text; the elements recorded
// until then stay readable, those still open are unended.
#include <cstddef>
#include <cstdint>
#include <string>

#include "xml/XmlAllocator.h"
#include "xml/XmlCharClasses.h"
#include "xml/XmlElement.h"
#include "xml/XmlElementTable.h"
#include "xml/XmlLeadBytes.h"
#include "xml/XmlOpenElements.h"

class CXmlDocument {
public:
    // Single-byte code page.
    CXmlDocument();
    // `leadBytes`: the bytes that open double-byte characters of the text's code page.
    explicit CXmlDocument(const CXmlLeadBytes& leadBytes, IXmlAllocator& allocator = IXmlAllocator::Heap());
    ~CXmlDocument();
    CXmlDocument(const CXmlDocument&) = delete;
    CXmlDocument& operator=(const CXmlDocument&) = delete;

    // Replaces the document (up to its first zero byte; null is empty) and scans it. True when
    // well formed: no problem marked, a first top-level element, and no second one.
    bool Load(const char* text);
    bool Load(const std::string& text);

    // Reads a whole file in binary mode. On failure `status` (if given) gets the C library's
    // description of the error; on success "<size> bytes".
    static bool ReadTextFile(const char* path, std::string& text, std::string* status = nullptr);

    // Next element at the current level, optionally with the tag name `name`.
    bool FindElement(const char* name = nullptr);
    // Next child of the current element (making the first element current if there is none).
    bool FindChildElement(const char* name = nullptr);
    bool IntoElement();
    bool OutOfElement();
    // Decoded text content of the current element / of the child element.
    std::string GetData() const { return DataOf(m_current); }
    std::string GetChildData() const { return DataOf(m_child); }

    // Inspection of the last load.
    const std::string& GetProblem() const { return m_problem; }
    const char* GetText() const { return m_text; }
    uint32_t GetTextLength() const { return m_length; }
    uint32_t GetParentPosition() const { return m_parent; }
    uint32_t GetCurrentPosition() const { return m_current; }
    uint32_t GetChildPosition() const { return m_child; }
    // 1 when the current position is an element, else 0.
    int GetNodeKind() const { return m_nodeKind; }
    // Records in use, the document record included.
    uint32_t GetElementCount() const { return m_elementCount; }
    const SXmlElement& GetElement(uint32_t index) const { return Record(index); }
    // Memory held beyond the text: element table and stack of open elements.
    size_t GetAllocatedBytes() const;

private:
    bool LoadText(const char* text, size_t length);
    bool StoreText(const char* text, size_t length);
    void ResetCursor();
    const SXmlElement& Record(uint32_t index) const;
    bool NameMatches(uint32_t element, const char* name) const;
    uint32_t FindSibling(uint32_t candidate, const char* name) const;
    std::string DataOf(uint32_t element) const;
    bool ContainsLess(uint32_t begin, uint32_t end) const;

    IXmlAllocator& m_allocator;
    CXmlCharClasses m_classes;
    CXmlElementTable m_table;
    CXmlOpenElements m_open;
    char* m_buffer = nullptr;  // holds the text once one has been loaded
    size_t m_bufferSize = 0;
    const char* m_text = nullptr;  // set by every load
    uint32_t m_length = 0;
    std::string m_problem;
    uint32_t m_elementCount = 1;
    uint32_t m_parent = 0;
    uint32_t m_current = 0;
    uint32_t m_child = 0;
    int m_nodeKind = 0;
};
