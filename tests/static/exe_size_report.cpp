// Prints the size figures of built installer programs: the whole file, what lies outside the
// resource section (headers and every other section), and the code section.
// Usage: exe_size_report <program.exe>...
#include <cstdio>

#include "tests/static/pe_image.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: exe_size_report <program.exe>...\n");
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<uint8_t> file;
    pe::Image image;
    std::string error;
    if (!pe::ReadFileBytes(argv[i], &file)) {
      std::fprintf(stderr, "%s: cannot read\n", argv[i]);
      status = 1;
      continue;
    }
    if (!pe::ReadImage(file, &image, &error)) {
      std::fprintf(stderr, "%s: %s\n", argv[i], error.c_str());
      status = 1;
      continue;
    }
    const pe::Section* text = image.FindSection(".text");
    std::printf("%s\n  file               %10llu bytes\n  outside resources  %10llu bytes\n",
                argv[i], static_cast<unsigned long long>(image.fileSize),
                static_cast<unsigned long long>(image.BytesOutsideResources()));
    if (text)
      std::printf("  .text              %10u bytes in the file, %u in memory\n", text->rawSize,
                  text->virtualSize);
    else
      std::printf("  .text              (none)\n");
  }
  return status;
}
