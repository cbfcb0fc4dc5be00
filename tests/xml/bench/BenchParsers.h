#pragma once
// The parsers compared: ours and the peers, each behind one interface. A parser object lives for
// all loads of one document, as a reused document would in a program.
#include <memory>
#include <string>
#include <vector>

class IBenchParser {
public:
    virtual ~IBenchParser() = default;
    virtual const char* Name() const = 0;
    // Loads the whole text; false when the parser refused it.
    virtual bool Load(const std::string& text) = 0;
    // True when the parser keeps a copy of the text of its own (taken out of the memory figure).
    virtual bool CopiesText() const = 0;
};

std::vector<std::unique_ptr<IBenchParser>> MakeBenchParsers();
std::unique_ptr<IBenchParser> MakeBenchParser(const std::string& name);
