// Checks of a built installer program against the product's resource catalogue and its build
// rules. Each check reads the image and answers the mismatches it found, one line each, empty
// when the program is as the product describes it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/static/pe_image.h"

namespace pe {

using Findings = std::vector<std::string>;

// Machine (0x14C or 0x8664) with the matching optional header, GUI subsystem, an executable
// that is not a DLL.
Findings CheckProgramHeaders(const Image& image, uint16_t machine);

// Imports (also delay-loaded ones) only from the system DLLs the program may use.
Findings CheckImports(const Image& image);

// Exactly the catalogue's resources, each once, all in language 1033.
Findings CheckResourceSet(const Image& image);

Findings CheckDialog(const Image& image);
Findings CheckBitmaps(const Image& image);
Findings CheckCursor(const Image& image);
Findings CheckIcons(const Image& image);
Findings CheckManifest(const Image& image);

// The two payload resources hold exactly these files' bytes, each a DLL of its architecture.
Findings CheckPayloads(const Image& image, const std::vector<uint8_t>& x32File,
                       const std::vector<uint8_t>& x64File);

// The resource of that type and name in any language, or null.
const Resource* FindResource(const Image& image, const ResourceId& type, const ResourceId& name);

}  // namespace pe
