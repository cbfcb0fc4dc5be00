#include "xml/XmlAllocator.h"

#include <cstdlib>

namespace {

class CHeapAllocator final : public IXmlAllocator {
public:
    void* Reallocate(void* block, size_t bytes) override { return std::realloc(block, bytes); }
    void Free(void* block) override { std::free(block); }
};

}  // namespace

IXmlAllocator& IXmlAllocator::Heap() {
    static CHeapAllocator heap;
    return heap;
}
