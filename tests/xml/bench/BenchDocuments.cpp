#include "BenchDocuments.h"

#include <cstdio>

namespace {

// Deterministic, so every run and every parser sees the same bytes.
class CRandom {
public:
    unsigned Next() {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 16) & 0x7FFF;
    }

private:
    unsigned m_state = 20261211u;
};

std::string Format(const char* format, unsigned a, unsigned b, unsigned c) {
    char line[256];
    std::snprintf(line, sizeof line, format, a, b, c);
    return line;
}

}  // namespace

SBenchDocument MakeUpdateDescription() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<update>\n"
        "  <patchVersion>2.4.17</patchVersion>\n"
        "  <patchname>ZelvoPatch_2_4_17.exe</patchname>\n"
        "  <patchsize>1834221</patchsize>\n"
        "  <patchsha256>9f2c4e1b7a8d3f60c5e2b1a4d7f8e9c0b3a6d5e4f7c8b9a0d1e2f3a4b5c6d7e8</patchsha256>\n"
        "  <released>2026-11-30</released>\n"
        "</update>\n";
    return {"update", text, 7};
}

SBenchDocument MakeConfiguration() {
    std::string text = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- Zelvo Phone settings -->\n<configuration>\n";
    size_t elements = 1;
    CRandom random;
    for (unsigned i = 0; text.size() < 3900; ++i) {
        text += Format("  <!-- account %u: set by the installer -->\n  <account id=\"%u\" region=\"r%u\">\n", i, i,
                       random.Next() % 9);
        text += Format("    <server>sip%u.zelvo.test:%u</server>\n    <display>Caller &amp; Co &#%u;</display>\n", i,
                       5060 + i, 65 + random.Next() % 26);
        text += Format("    <greeting><![CDATA[Hello <%u> & welcome]]></greeting>\n    <codec prio='%u'>G.729</codec>\n  </account>\n",
                       i, random.Next() % 5, 0);
        elements += 5;
    }
    text += "  <OrvaneVersion>3.1.0.7</OrvaneVersion>\n</configuration>\n";
    return {"config", text, elements + 1};
}

SBenchDocument MakeRecords(const std::string& key, size_t bytes) {
    std::string text = "<?xml version=\"1.0\"?>\n<records>\n";
    text.reserve(bytes + 256);
    size_t elements = 1;
    CRandom random;
    for (unsigned i = 0; text.size() < bytes; ++i) {
        text += Format("  <record id=\"%u\" kind=\"k%u\"><name>Item %u</name>", i, random.Next() % 7, i);
        text += Format("<price>%u.%02u</price><note>n &amp; %u</note></record>\n", random.Next() % 1000,
                       random.Next() % 100, i);
        elements += 4;
    }
    text += "</records>\n";
    return {key, text, elements};
}

SBenchDocument MakeDeep(const std::string& key, size_t bytes, size_t depth) {
    std::string text = "<?xml version=\"1.0\"?>\n<deep>\n";
    text.reserve(bytes + 8 * depth);
    size_t elements = 1;
    while (text.size() < bytes) {
        for (size_t d = 0; d < depth; ++d) text += "<n>";
        text += "leaf";
        for (size_t d = 0; d < depth; ++d) text += "</n>";
        text += "\n";
        elements += depth;
    }
    text += "</deep>\n";
    return {key, text, elements};
}

SBenchDocument MakeBenchDocument(const std::string& key) {
    if (key == "update") return MakeUpdateDescription();
    if (key == "config") return MakeConfiguration();
    if (key == "1mb") return MakeRecords(key, 1 << 20);
    if (key == "32mb") return MakeRecords(key, 32 << 20);
    if (key == "deep") return MakeDeep(key, 1 << 20, 5000);
    return {key, "", 0};
}

std::vector<SBenchDocument> MakeBenchDocuments() {
    std::vector<SBenchDocument> documents;
    for (const char* key : {"update", "config", "1mb", "32mb", "deep"}) documents.push_back(MakeBenchDocument(key));
    return documents;
}
