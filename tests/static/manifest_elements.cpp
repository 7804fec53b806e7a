#include "tests/static/manifest_elements.h"

namespace pe {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string LocalName(const std::string& name) {
  const size_t colon = name.find(':');
  return colon == std::string::npos ? name : name.substr(colon + 1);
}

class ManifestParser {
 public:
  explicit ManifestParser(const std::string& text) : t_(text) {}

  bool Run(std::vector<ManifestElement>* elements, std::string* error) {
    if (t_.compare(0, 3, "\xEF\xBB\xBF") == 0) i_ = 3;  // UTF-8 byte order mark
    while ((i_ = t_.find('<', i_)) != std::string::npos) {
      if (!Markup(elements)) break;
    }
    if (error_.empty() && !open_.empty()) error_ = "element " + open_.back() + " is not closed";
    if (error_.empty() && elements->empty()) error_ = "no element";
    *error = error_;
    return error_.empty();
  }

 private:
  bool Fail(const std::string& why) {
    error_ = why;
    return false;
  }

  bool SkipPast(const char* end) {
    const size_t at = t_.find(end, i_);
    if (at == std::string::npos) return Fail(std::string("missing ") + end);
    i_ = at + std::char_traits<char>::length(end);
    return true;
  }

  std::string Name() {
    const size_t start = i_;
    while (i_ < t_.size() && !IsSpace(t_[i_]) && t_[i_] != '/' && t_[i_] != '>' && t_[i_] != '=')
      ++i_;
    return t_.substr(start, i_ - start);
  }

  void SkipSpace() {
    while (i_ < t_.size() && IsSpace(t_[i_])) ++i_;
  }

  std::string Path() const {
    std::string path;
    for (const std::string& name : open_) path += (path.empty() ? "" : "/") + LocalName(name);
    return path;
  }

  bool Markup(std::vector<ManifestElement>* elements) {
    if (t_.compare(i_, 2, "<?") == 0) return SkipPast("?>");
    if (t_.compare(i_, 4, "<!--") == 0) return SkipPast("-->");
    if (t_.compare(i_, 2, "<!") == 0) return SkipPast(">");
    if (t_.compare(i_, 2, "</") == 0) {
      i_ += 2;
      const std::string name = Name();
      SkipSpace();
      if (open_.empty() || open_.back() != name) return Fail("unexpected </" + name + ">");
      open_.pop_back();
      return SkipPast(">");
    }
    ++i_;
    const std::string name = Name();
    if (name.empty()) return Fail("element without a name");
    open_.push_back(name);
    ManifestElement element;
    element.path = Path();
    for (;;) {
      SkipSpace();
      if (i_ >= t_.size()) return Fail("element " + name + " is cut off");
      if (t_.compare(i_, 2, "/>") == 0) {
        open_.pop_back();
        i_ += 2;
        break;
      }
      if (t_[i_] == '>') {
        ++i_;
        break;
      }
      const std::string attribute = Name();
      SkipSpace();
      if (attribute.empty() || i_ + 1 >= t_.size() || t_[i_] != '=')
        return Fail("bad attribute in " + name);
      ++i_;
      SkipSpace();
      const char quote = i_ < t_.size() ? t_[i_] : '\0';
      if (quote != '"' && quote != '\'') return Fail("unquoted attribute " + attribute);
      const size_t end = t_.find(quote, i_ + 1);
      if (end == std::string::npos) return Fail("attribute " + attribute + " is cut off");
      element.attributes.emplace_back(attribute, t_.substr(i_ + 1, end - i_ - 1));
      i_ = end + 1;
    }
    elements->push_back(std::move(element));
    return true;
  }

  const std::string& t_;
  size_t i_ = 0;
  std::vector<std::string> open_;
  std::string error_;
};

}  // namespace

const std::string* ManifestElement::Attribute(const std::string& name) const {
  for (const auto& a : attributes)
    if (a.first == name) return &a.second;
  return nullptr;
}

bool ReadManifestElements(const std::string& text, std::vector<ManifestElement>* elements,
                          std::string* error) {
  elements->clear();
  return ManifestParser(text).Run(elements, error);
}

}  // namespace pe
