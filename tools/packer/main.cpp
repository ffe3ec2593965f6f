// zeppack <input> <output>: enciphers any file into the runtime-file format.
#include <cstdio>

#include "common/Exception.h"
#include "tools/packer/RuntimePacker.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zeppack <input> <output>\n");
    return 2;
  }
  try {
    PackRuntimeFile(argv[1], argv[2]);
  } catch (const Exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
