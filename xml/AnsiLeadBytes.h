#pragma once
// The lead bytes of the active ANSI code page, for documents read in that code page.
#ifdef _WIN32
#include "xml/XmlLeadBytes.h"

CXmlLeadBytes MakeAnsiLeadByteTable();
#endif
