// Writes every asset file into the folder given as the only argument (it must exist, with a
// "badges" folder inside).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: asset_generator <output folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder / "badges");
  for (const art::AssetFile& file : art::GenerateAll()) {
    std::ofstream out(folder / file.name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "could not write %s\n", file.name.c_str());
      return 1;
    }
  }
  return 0;
}
