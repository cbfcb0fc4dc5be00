#pragma once
// Comparison of dotted decimal version texts ("2.0.1.5").
#include <string>

namespace version {

// Failure codes of Compare.
inline constexpr int kFirstInvalid = -21;
inline constexpr int kSecondInvalid = -22;

// 1 when `first` is the greater version, -1 when smaller, 0 when equal; kFirstInvalid or
// kSecondInvalid when a text is not a version. Texts split at '.' as strtok does (runs of dots
// count as one, leading and trailing dots are ignored); 1 to 4 all-digit parts, missing parts 0.
int Compare(const std::string& first, const std::string& second);

// True only when both texts are versions and `remote` is the greater.
bool IsNewer(const std::string& remote, const std::string& local);

}  // namespace version
