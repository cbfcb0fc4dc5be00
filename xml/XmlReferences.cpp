#include "xml/XmlReferences.h"

#include <cstring>

namespace {

int DigitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

bool IsCSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The number strtol would read from [p, end) in `base`; the range holds at most 7 bytes and is
// followed by ';', so the value always fits.
long ReadNumber(const unsigned char* p, const unsigned char* end, int base) {
    while (p < end && IsCSpace(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (base == 16 && end - p >= 3 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && DigitValue(p[2]) < 16) p += 2;
    long value = 0;
    for (; p < end && DigitValue(*p) < base; ++p) value = value * base + DigitValue(*p);
    return negative ? -value : value;
}

struct SNamedReference {
    const char* name;  // after the '&', with the ';'
    char value;
};
constexpr SNamedReference kNamed[] = {{"lt;", '<'}, {"amp;", '&'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'}};

}  // namespace

void AppendDecodedXml(const char* begin, const char* end, const CXmlCharClasses& classes, std::string& out) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(begin);
    const unsigned char* stop = reinterpret_cast<const unsigned char*>(end);
    while (p < stop) {
        const unsigned char* run = p;
        while (p < stop && *p != '&') p += (classes.IsLead(*p) && p + 1 < stop) ? 2 : 1;
        out.append(reinterpret_cast<const char*>(run), p - run);
        if (p >= stop) break;

        if (p + 1 < stop && p[1] == '#') {
            const unsigned char* code = p + 2;
            int base = 10;
            if (code < stop && *code == 'x') {
                ++code;
                base = 16;
            }
            const unsigned char* semicolon = code;
            while (semicolon < stop && semicolon - code < 8 && *semicolon != ';')
                semicolon += (classes.IsLead(*semicolon) && semicolon + 1 < stop) ? 2 : 1;
            if (semicolon < stop && semicolon - code < 8 && *semicolon == ';') {
                const unsigned long value = static_cast<unsigned long>(ReadNumber(code, semicolon, base)) & 0xFFFF;
                if (value >= 1 && value <= 255) {
                    out += static_cast<char>(value);
                    p = semicolon + 1;
                    continue;
                }
            }
        } else {
            bool replaced = false;
            for (const SNamedReference& named : kNamed) {
                const size_t length = std::strlen(named.name);
                if (size_t(stop - (p + 1)) >= length && std::memcmp(p + 1, named.name, length) == 0) {
                    out += named.value;
                    p += 1 + length;
                    replaced = true;
                    break;
                }
            }
            if (replaced) continue;
        }
        out += '&';
        ++p;
    }
}
