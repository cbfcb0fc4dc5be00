#include "StandinRecord.h"

#include <cstdio>

namespace standin {

namespace {

const char kHexDigits[] = "0123456789abcdef";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendHexByte(std::string& out, unsigned char b) {
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0x0F];
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a quoted value starting at text[pos] == '"'; advances pos past the closing quote.
std::optional<std::string> ReadQuoted(std::string_view text, size_t& pos) {
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= text.size()) return std::nullopt;
        char e = text[pos];
        if (e == 'x') {
            if (pos + 2 >= text.size()) return std::nullopt;
            int hi = HexValue(text[pos + 1]), lo = HexValue(text[pos + 2]);
            if (hi < 0 || lo < 0) return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            pos += 2;
        } else {
            out += e;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string HexBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) AppendHexByte(out, static_cast<unsigned char>(c));
    return out;
}

std::optional<std::string> BytesFromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        int hi = HexValue(hex[i]), lo = HexValue(hex[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::string HexNumber(uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%x", static_cast<unsigned>(value));
    return buf;
}

std::string QuoteText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        unsigned char b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b > 0x7E) {
            out += "\\x";
            AppendHexByte(out, b);
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string EscapeControls(std::string_view text) {
    std::string out;
    for (char c : text) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x20) {
            out += "\\x";
            AppendHexByte(out, b);
        } else {
            out += c;
        }
    }
    return out;
}

std::string CommandLineTail(std::string_view commandLine) {
    size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        size_t close = commandLine.find('"', 1);
        pos = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (pos < commandLine.size() && !IsBlank(commandLine[pos])) ++pos;
    }
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
    return std::string(commandLine.substr(pos));
}

const std::string* Record::Field(std::string_view key) const {
    for (const auto& f : fields)
        if (f.first == key) return &f.second;
    return nullptr;
}

std::optional<Record> ParseRecord(std::string_view line) {
    if (line.size() < 3 || line.compare(0, 2, "t=") != 0) return std::nullopt;
    size_t pos = 2;
    Record rec;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9')
        rec.t_us = rec.t_us * 10 + (line[pos++] - '0');
    if (pos == 2 || (pos < line.size() && line[pos] != ' ')) return std::nullopt;
    if (pos < line.size()) ++pos;
    rec.rest = std::string(line.substr(pos));

    while (pos < line.size()) {
        if (IsBlank(line[pos])) {
            ++pos;
            continue;
        }
        size_t start = pos;
        while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '=') ++pos;
        std::string key(line.substr(start, pos - start));
        if (pos >= line.size() || line[pos] != '=') {
            rec.fields.emplace_back(std::string(), key);
            continue;
        }
        ++pos;
        if (pos < line.size() && line[pos] == '"') {
            size_t vstart = pos;
            auto value = ReadQuoted(line, pos);
            if (!value) {
                // Free text with a stray quote (a command line): the rest of the line, as is.
                rec.fields.emplace_back(key, std::string(line.substr(vstart)));
                break;
            }
            rec.fields.emplace_back(key, *value);
        } else {
            size_t vstart = pos;
            while (pos < line.size() && !IsBlank(line[pos])) ++pos;
            rec.fields.emplace_back(key, std::string(line.substr(vstart, pos - vstart)));
        }
    }
    return rec;
}

std::optional<uint64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        int d = HexValue(c);
        if (d < 0 || d >= base) return std::nullopt;
        value = value * base + d;
    }
    return value;
}

}  // namespace standin
