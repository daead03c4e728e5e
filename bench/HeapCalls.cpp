#include "bench/HeapCalls.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define OTPOR_COUNT_HEAP 0
#else
#define OTPOR_COUNT_HEAP 1
#endif

namespace {

std::atomic<long> allocations{0};
std::atomic<long> frees{0};

} // namespace

namespace otpor::bench {

HeapCalls CountedHeapCalls()
{
    return {allocations.load(std::memory_order_relaxed), frees.load(std::memory_order_relaxed)};
}

bool HeapCallsCounted()
{
    return OTPOR_COUNT_HEAP != 0;
}

} // namespace otpor::bench

#if OTPOR_COUNT_HEAP
// glibc's own allocator under its exported second names; the definitions
// below take the place of the public ones for the whole process.
extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* p, std::size_t size) noexcept;
void* __libc_memalign(std::size_t alignment, std::size_t size) noexcept;
void __libc_free(void* p) noexcept;

void* malloc(std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* p, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept
{
    return memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept
{
    void* p = memalign(alignment, size);
    if (p == nullptr)
        return ENOMEM;
    *out = p;
    return 0;
}

void free(void* p) noexcept
{
    if (p != nullptr)
        frees.fetch_add(1, std::memory_order_relaxed);
    __libc_free(p);
}
}

// operator new and delete through the counted functions (each call counted
// once, as the malloc or free it makes).
void* operator new(std::size_t size)
{
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
#endif
