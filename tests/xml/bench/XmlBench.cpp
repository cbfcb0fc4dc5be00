// Benchmark of the XML reader against the peer parsers on the same generated documents.
//
//   xml_bench                   prints every figure as `name: value unit`
//   xml_bench once PARSER DOC   loads DOC once to warm up, then once inside bench_measured_load
//                               (for instruction counts under callgrind)
//   xml_bench speed PARSER DOC  the load speed of one parser on one document
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "BenchDocuments.h"
#include "BenchParsers.h"
#include "xml/XmlDocument.h"

namespace {

// Freed memory stays with the process and nothing is mapped afresh, so the figures show parsing,
// not the page faults of new memory.
void FixMalloc() {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 0x7FFFFFFF);
    mallopt(M_TOP_PAD, 64 << 20);
}

using Clock = std::chrono::steady_clock;

// Runs of `work` that take about `batchSeconds` together.
template <typename Work>
long RunsPerBatch(Work work, double batchSeconds) {
    const auto start = Clock::now();
    work();
    const double once = std::chrono::duration<double>(Clock::now() - start).count();
    return std::max<long>(1, static_cast<long>(batchSeconds / std::max(once, 1e-9)));
}

template <typename Work>
double SecondsPerBatchRun(Work work, long runs) {
    const auto start = Clock::now();
    for (long i = 0; i < runs; ++i) work();
    return std::chrono::duration<double>(Clock::now() - start).count() / runs;
}

// Best of a few batches of about 50 ms.
template <typename Work>
double SecondsPerRun(Work work) {
    const long runs = RunsPerBatch(work, 0.05);
    double best = 1e9;
    for (int b = 0; b < 5; ++b) best = std::min(best, SecondsPerBatchRun(work, runs));
    return best;
}

size_t HeapInUse() { return mallinfo2().uordblks + mallinfo2().hblkhd; }

const SBenchDocument* Find(const std::vector<SBenchDocument>& documents, const std::string& key) {
    for (const SBenchDocument& d : documents)
        if (d.key == key) return &d;
    return nullptr;
}

void Print(const std::string& name, double value, const char* unit, int decimals = 1) {
    std::printf("%s: %.*f %s\n", name.c_str(), decimals, value, unit);
    std::fflush(stdout);
}

// The parsers take turns, batch by batch, so that a busy spell of the machine hits them alike;
// each keeps its best batch.
void Throughput(const std::vector<SBenchDocument>& documents) {
    constexpr int kRounds = 7;
    for (const SBenchDocument& d : documents) {
        std::vector<std::unique_ptr<IBenchParser>> parsers;
        for (auto& parser : MakeBenchParsers()) {
            if (parser->Load(d.text))
                parsers.push_back(std::move(parser));
            else
                std::fprintf(stderr, "%s refuses the %s document\n", parser->Name(), d.key.c_str());
        }
        std::vector<long> runs;
        std::vector<double> best(parsers.size(), 1e9);
        for (auto& parser : parsers) runs.push_back(RunsPerBatch([&] { parser->Load(d.text); }, 0.03));
        for (int round = 0; round < kRounds; ++round)
            for (size_t i = 0; i < parsers.size(); ++i)
                best[i] = std::min(best[i], SecondsPerBatchRun([&] { parsers[i]->Load(d.text); }, runs[i]));

        double ours = 0, fastest = 0;
        std::string fastestName;
        for (size_t i = 0; i < parsers.size(); ++i) {
            const double mbps = d.text.size() / best[i] / 1e6;
            Print("xml.load_" + d.key + ".mbps." + parsers[i]->Name(), mbps, "MB/s");
            if (std::string(parsers[i]->Name()) == "zelvo")
                ours = mbps;
            else if (mbps > fastest)
                fastest = mbps, fastestName = parsers[i]->Name();
        }
        // The unit names the peer it was measured against.
        Print("xml.load_" + d.key + ".ratio_to_fastest", ours / fastest, ("x_vs_" + fastestName).c_str(), 2);
    }
}

void UpdateUse(const SBenchDocument& update) {
    CXmlDocument doc;
    std::string version;
    const double seconds = SecondsPerRun([&] {
        doc.Load(update.text);
        doc.FindChildElement("patchVersion");
        version = doc.GetChildData();
    });
    if (version != "2.4.17") std::fprintf(stderr, "update description read wrong: '%s'\n", version.c_str());
    Print("xml.update_use.ns", seconds * 1e9, "ns", 0);
    Print("xml.update_use.mbps", update.text.size() / seconds / 1e6, "MB/s");
}

// Ours counted by its records in use (the element table grows by half, so a fresh document
// holds up to half as many records again as spare capacity).
void RecordsInUse(const SBenchDocument& d) {
    CXmlDocument doc;
    doc.Load(d.text);
    Print("xml.bytes_per_element_in_use" + (d.key == "1mb" ? std::string() : "_" + d.key),
          double(doc.GetElementCount()) * sizeof(SXmlElement) / d.elements, "bytes");
}

void Memory(const SBenchDocument& d, bool peers) {
    for (auto& name : {"zelvo", "pugixml", "pugixml_minimal_inplace", "rapidxml_fastest", "rapidxml_non_destructive",
                       "tinyxml2", "libxml2"}) {
        if (!peers && std::string(name) != "zelvo") continue;
        const size_t before = HeapInUse();
        auto parser = MakeBenchParser(name);
        if (!parser->Load(d.text)) continue;
        const size_t held = HeapInUse() - before - (parser->CopiesText() ? d.text.size() + 1 : 0);
        const std::string suffix = std::string(name) == "zelvo" ? "" : std::string(".") + name;
        Print("xml.bytes_per_element" + (d.key == "1mb" ? std::string() : "_" + d.key) + suffix,
              double(held) / d.elements, "bytes");
    }
}

}  // namespace

extern "C" __attribute__((noinline)) void bench_measured_load(IBenchParser* parser, const std::string* text) {
    parser->Load(*text);
}

int main(int argc, char** argv) {
    FixMalloc();
    if (argc == 4) {
        const std::string mode = argv[1];
        auto parser = MakeBenchParser(argv[2]);
        const SBenchDocument d = MakeBenchDocument(argv[3]);
        if (!parser || d.text.empty()) return 2;
        if (mode == "once") {
            parser->Load(d.text);
            bench_measured_load(parser.get(), &d.text);
            std::printf("%zu\n", d.text.size());
            return 0;
        }
        if (mode == "speed") {
            Print(std::string(argv[2]) + "." + argv[3], d.text.size() / SecondsPerRun([&] { parser->Load(d.text); }) / 1e6, "MB/s");
            return 0;
        }
        return 2;
    }
    const std::vector<SBenchDocument> documents = MakeBenchDocuments();
    for (const SBenchDocument& d : documents) Print("xml.document_" + d.key + ".bytes", double(d.text.size()), "bytes", 0);
    Throughput(documents);
    UpdateUse(*Find(documents, "update"));
    Memory(*Find(documents, "1mb"), true);
    Memory(*Find(documents, "32mb"), false);
    RecordsInUse(*Find(documents, "1mb"));
    return 0;
}
