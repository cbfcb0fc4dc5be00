#pragma once
// The generated documents every parser of the benchmark loads.
#include <cstddef>
#include <string>
#include <vector>

struct SBenchDocument {
    std::string key;   // used in the figure names
    std::string text;
    size_t elements;   // elements in the text
};

// An update description of about 300 bytes.
SBenchDocument MakeUpdateDescription();
// A configuration document of about 4 KB with comments, references and CDATA sections.
SBenchDocument MakeConfiguration();
// Many small records, `bytes` long or a little more.
SBenchDocument MakeRecords(const std::string& key, size_t bytes);
// Chains of elements nested `depth` deep, `bytes` long or a little more.
SBenchDocument MakeDeep(const std::string& key, size_t bytes, size_t depth);

// The documents of the benchmark: "update", "config", "1mb", "32mb" and "deep" (1 MB, 5,000 deep).
std::vector<SBenchDocument> MakeBenchDocuments();
// One of them by key; an empty text for an unknown key.
SBenchDocument MakeBenchDocument(const std::string& key);
