// The program's global allocation operators: all dynamic memory comes from
// the local heap. The nothrow forms yield null when memory is exhausted (the
// error clones rely on it); the ordinary forms, which must never return null,
// call the new-handler and finally throw std::bad_alloc.
#include <windows.h>

#include <new>

namespace {

void* allocate(std::size_t size) {
  for (;;) {
    void* memory = LocalAlloc(LMEM_FIXED, size);
    if (memory != nullptr) return memory;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return LocalAlloc(LMEM_FIXED, size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return LocalAlloc(LMEM_FIXED, size); }
void operator delete(void* memory) noexcept { LocalFree(memory); }
void operator delete[](void* memory) noexcept { LocalFree(memory); }
void operator delete(void* memory, std::size_t) noexcept { LocalFree(memory); }
void operator delete[](void* memory, std::size_t) noexcept { LocalFree(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { LocalFree(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { LocalFree(memory); }
