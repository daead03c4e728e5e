// Every heap call of the process counted: malloc, calloc, realloc, the
// aligned allocators and free, which operator new and delete go through, in
// this program and in the libraries it loads (Qt, fontconfig, the C++
// library). Linked only into the benchmark and its test, never into the
// program.
#pragma once

namespace otpor::bench {

struct HeapCalls {
    long Allocations = 0; // malloc, calloc, realloc, aligned allocations
    long Frees = 0;       // free of a non-null pointer
    long Total() const { return Allocations + Frees; }
};

// The calls made so far; all zero when the counting is not built in (under
// the address sanitizer, which keeps the allocator to itself).
HeapCalls CountedHeapCalls();
bool HeapCallsCounted();

} // namespace otpor::bench
