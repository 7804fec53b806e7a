// Access to the resources carried inside the program file.
#pragma once
#include <cstddef>
#include <cstdint>
#include "platform/types.h"

namespace os {

// Resource types and names are either texts or 16-bit numbers packed into the pointer, as the
// platform's resource calls take them.
inline const char* IntResource(uint16_t number) {
  return reinterpret_cast<const char*>(static_cast<uintptr_t>(number));
}
inline bool IsIntResource(const char* idOrName) {
  return (reinterpret_cast<uintptr_t>(idOrName) >> 16) == 0;
}

constexpr uint16_t kResourceTypeBitmap = 2;
constexpr uint16_t kResourceTypeDialog = 5;

// Bytes and size of one resource, or null (size 0) when the module carries none of that name.
const void* FindResourceBytes(ModuleHandle module, const char* type, const char* name,
                              uint32_t* size);

// Calls `visit` for each string or numeric name under `type`, in directory order, until it
// answers 0. Returns whether the type exists and the enumeration ran.
using ResourceNameVisitor = int (*)(ModuleHandle module, const char* type, char* name,
                                    intptr_t param);
bool EnumResourceNames(ModuleHandle module, const char* type, ResourceNameVisitor visit,
                       intptr_t param);

}  // namespace os
