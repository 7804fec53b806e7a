#include "platform/sim/sim_files.h"
#include "tests/contract/file_bytes.h"

std::string FileBytesForContract(const std::string& path) { return sim::FileBytes(path); }
