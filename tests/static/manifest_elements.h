// The element structure of an application manifest: each element's path from the root (local
// names, namespace prefixes dropped) and its attributes, in document order.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace pe {

struct ManifestElement {
  std::string path;  // e.g. "assembly/trustInfo/security"
  std::vector<std::pair<std::string, std::string>> attributes;  // name as written, value

  const std::string* Attribute(const std::string& name) const;
};

// A small reader for the XML a manifest uses: elements, attributes, comments, the declaration.
// False with a reason when the text is not well nested.
bool ReadManifestElements(const std::string& text, std::vector<ManifestElement>* elements,
                          std::string* error);

}  // namespace pe
