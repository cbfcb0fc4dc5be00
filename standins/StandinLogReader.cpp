// Readers of the stand-ins' log files (layout in StandinRecord.h).
#include <windows.h>

#include "StandinClient.h"
#include "StandinHandles.h"
#include "StandinRecord.h"

namespace {

using standin::Record;

std::vector<Record> ParsedRecords(const std::string& dir, const std::string& file) {
    std::vector<Record> records;
    for (const std::string& line : ReadLogLines(dir, file))
        if (auto rec = standin::ParseRecord(line)) records.push_back(std::move(*rec));
    return records;
}

uint32_t NumberField(const Record& rec, const char* key) {
    const std::string* value = rec.Field(key);
    auto number = value ? standin::ParseNumber(*value) : std::nullopt;
    return number ? static_cast<uint32_t>(*number) : 0;
}

}  // namespace

std::vector<std::string> ReadLogLines(const std::string& dir, const std::string& file) {
    std::vector<std::string> lines;
    standin::CFileHandle handle(::CreateFileA((dir + "\\" + file).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return lines;
    std::string content;
    char buffer[65536];
    DWORD n = 0;
    while (::ReadFile(handle.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0)
        content.append(buffer, n);

    size_t start = 0;
    for (size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        size_t stop = end > start && content[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(content.substr(start, stop - start));
    }
    return lines;
}

std::vector<StandinEvent> ReadRecords(const std::string& dir, const std::string& file) {
    std::vector<StandinEvent> events;
    for (const Record& rec : ParsedRecords(dir, file)) events.push_back({rec.t_us, rec.rest});
    return events;
}

std::vector<StandinEvent> ReadEvents(const std::string& dir) {
    return ReadRecords(dir, "engine-events.log");
}

bool HasRecord(const std::string& dir, const std::string& file, const std::string& what) {
    for (const StandinEvent& e : ReadRecords(dir, file))
        if (e.what == what) return true;
    return false;
}

std::vector<EngineDatagram> ReadEngineDatagrams(const std::string& dir) {
    std::vector<EngineDatagram> datagrams;
    for (const Record& rec : ParsedRecords(dir, "engine-received.log")) {
        const std::string* hex = rec.Field("hex");
        const std::string* from = rec.Field("from");
        auto bytes = hex ? standin::BytesFromHex(*hex) : std::nullopt;
        if (!bytes || !from) continue;
        EngineDatagram d;
        d.t_us = rec.t_us;
        d.bytes = std::move(*bytes);
        size_t colon = from->rfind(':');
        d.from_ip = from->substr(0, colon);
        if (colon != std::string::npos) {
            auto port = standin::ParseNumber(from->substr(colon + 1));
            d.from_port = port ? static_cast<int>(*port) : 0;
        }
        datagrams.push_back(std::move(d));
    }
    return datagrams;
}

std::vector<HandsetCall> ReadHandsetCalls(const std::string& dir) {
    std::vector<HandsetCall> calls;
    for (const Record& rec : ParsedRecords(dir, "handset-calls.log")) {
        HandsetCall c;
        c.t_us = rec.t_us;
        c.tid = NumberField(rec, "tid");
        c.code = NumberField(rec, "code");
        c.args[0] = c.code;
        for (int i = 1; i < 6; ++i) c.args[i] = NumberField(rec, ("a" + std::to_string(i + 1)).c_str());
        if (const std::string* text = rec.Field("text")) c.text = *text;
        if (rec.Field("byte")) c.byte = static_cast<int>(NumberField(rec, "byte"));
        calls.push_back(std::move(c));
    }
    return calls;
}

std::vector<HandsetEvent> ReadHandsetEvents(const std::string& dir) {
    std::vector<HandsetEvent> events;
    for (const Record& rec : ParsedRecords(dir, "handset-events.log")) {
        HandsetEvent e;
        e.t_us = rec.t_us;
        e.kind = NumberField(rec, "kind");
        e.data = NumberField(rec, "data");
        if (const std::string* text = rec.Field("text")) e.text = *text;
        events.push_back(std::move(e));
    }
    return events;
}
