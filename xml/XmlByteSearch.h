#pragma once
// Fast searches over the document text for the scan's hottest runs. The text must be followed by
// kXmlTextPadding readable bytes after its terminating zero (the document's buffer is), so that
// 16 bytes can be read at once from any position up to the zero.
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "xml/XmlCharClasses.h"

inline constexpr size_t kXmlTextPadding = 16;

namespace xmlsearch {

// First byte from `p` that is '<' or the terminating zero, stepping over double-byte characters
// as a whole (their trail byte may be '<').
inline const unsigned char* SkipToLess(const unsigned char* p, const CXmlCharClasses& classes) {
    const bool lead = classes.HasLeadBytes();
#if defined(__SSE2__)
    const __m128i less = _mm_set1_epi8('<');
    const __m128i zero = _mm_setzero_si128();
    for (;;) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        unsigned mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, less), _mm_cmpeq_epi8(v, zero)));
        if (lead) mask |= _mm_movemask_epi8(v);  // bytes from 0x80 up may open a character
        if (!mask) {
            p += 16;
            continue;
        }
        p += __builtin_ctz(mask);
        if (!classes.IsLead(*p)) {
            if (*p == '<' || *p == 0) return p;
            ++p;
            continue;
        }
        p += p[1] ? 2 : 1;
    }
#else
    for (;;) {
        const uint8_t c = classes[*p];
        if (c & (xmlclass::kLess | xmlclass::kZero)) return p;
        p += (lead && (c & xmlclass::kLead) && p[1]) ? 2 : 1;
    }
#endif
}

// Whether the names at `a` and `b` agree over `length` bytes; both may be read 8 bytes far.
inline bool SameName(const char* a, const char* b, uint32_t length) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    if (length <= 8) {
        uint64_t x, y;
        std::memcpy(&x, a, 8);
        std::memcpy(&y, b, 8);
        const uint64_t mask = length == 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * length)) - 1;
        return ((x ^ y) & mask) == 0;
    }
#endif
    return std::memcmp(a, b, length) == 0;
}

}  // namespace xmlsearch
