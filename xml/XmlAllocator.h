#pragma once
// Where the reader takes its memory from. Every buffer of a document (its text, the element table
// and the stack of open elements) comes from here, so a failed allocation is seen as a null
// result where it happens and ends the load cleanly instead of throwing.
#include <cstddef>

class IXmlAllocator {
public:
    // As realloc: a null block allocates; a null result means the block is unchanged.
    virtual void* Reallocate(void* block, size_t bytes) = 0;
    virtual void Free(void* block) = 0;

    // The C library's heap.
    static IXmlAllocator& Heap();

protected:
    ~IXmlAllocator() = default;
};
