#pragma once
// Decoding of character and entity references in a range of the document text.
#include <string>

#include "xml/XmlCharClasses.h"

// Appends [begin, end) to `out` with "&#N;", "&#xN;" (values 1 to 255) and the five named
// references replaced; every other '&' stays as written. The output is never longer than the
// input.
void AppendDecodedXml(const char* begin, const char* end, const CXmlCharClasses& classes, std::string& out);
