// Minimal C++ run-time support for the Windows builds: allocation without exceptions and the
// pure-virtual trap. Keeps the C++ library's exception machinery out of the program file.
#include <windows.h>

#include <cstddef>
#include <new>

void* operator new(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return operator new(size, std::nothrow);
}
void operator delete(void* p) noexcept {
  if (p != nullptr) HeapFree(GetProcessHeap(), 0, p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

extern "C" void __cxa_pure_virtual() { ExitProcess(3); }
