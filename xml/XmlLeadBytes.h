#pragma once
// Which bytes of the text's code page open a double-byte character. The reader takes the whole
// table at construction so that recognising a lead byte costs one table lookup during the scan.
#include <cstdint>

class CXmlLeadBytes {
public:
    // Single-byte code page: every byte is one character.
    CXmlLeadBytes() : m_lead{} {}

    // Bytes below 0x80 are never lead bytes: the markup characters the reader compares against
    // ('<', '>', quotes, the terminating zero) always stand for themselves.
    void SetLead(unsigned char byte, bool lead = true) { m_lead[byte] = lead && byte >= 0x80; }
    bool IsLead(unsigned char byte) const { return m_lead[byte]; }

private:
    bool m_lead[256];
};
