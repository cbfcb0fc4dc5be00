#pragma once
// Text layout of the stand-ins' log records, shared by the stand-ins that write them and the
// test-side client that reads them. A record is one line: `t=<us> word key=value key="text"`.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace standin {

// Every byte as two lower-case hex digits.
std::string HexBytes(std::string_view bytes);
// The bytes of a HexBytes text; nothing when the text is not an even run of hex digits.
std::optional<std::string> BytesFromHex(std::string_view hex);
// "0x" and the value in lower-case hex without leading zeros ("0x0", "0x1003").
std::string HexNumber(uint32_t value);

// The text in double quotes with '"', '\' and bytes outside 0x20..0x7e written as \", \\ and
// \xHH, so that any text stays on one line and can be read back exactly.
std::string QuoteText(std::string_view text);
// A line-safe form of free text that is kept readable (paths keep their backslashes): only bytes
// below 0x20 become \xHH.
std::string EscapeControls(std::string_view text);

// The part of a Windows command line after the program name and the blanks that follow it.
std::string CommandLineTail(std::string_view commandLine);

// One record split into its time and its fields. Words without '=' are fields with an empty key;
// quoted values are returned unquoted (an unclosed quote takes the rest of the line as it is).
// Free text such as `args=` is best read from `rest`. A line that does not start with
// `t=<digits>` gives nothing.
struct Record {
    int64_t t_us = 0;
    std::string rest;  // everything after `t=<us> `
    std::vector<std::pair<std::string, std::string>> fields;

    const std::string* Field(std::string_view key) const;
};
std::optional<Record> ParseRecord(std::string_view line);

// A number written in decimal or as 0x-prefixed hex; nothing when the text is not one.
std::optional<uint64_t> ParseNumber(std::string_view text);

}  // namespace standin
