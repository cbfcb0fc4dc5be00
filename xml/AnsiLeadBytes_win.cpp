#include "xml/AnsiLeadBytes.h"

#include <windows.h>

CXmlLeadBytes MakeAnsiLeadByteTable() {
    CXmlLeadBytes table;
    for (int b = 0x80; b < 256; ++b)
        if (IsDBCSLeadByte(static_cast<BYTE>(b))) table.SetLead(static_cast<unsigned char>(b));
    return table;
}
