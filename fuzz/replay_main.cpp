// Runs a fuzz target over the files of its corpus, without the fuzzer, so the test suite
// replays every input that ever found a fault with any compiler.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::size_t inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    std::filesystem::recursive_directory_iterator files(argv[i], ec);
    if (ec) {
      std::fprintf(stderr, "cannot read the corpus %s: %s\n", argv[i], ec.message().c_str());
      return 1;
    }
    for (const auto& entry : files) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++inputs;
    }
  }
  std::printf("replayed %zu inputs\n", inputs);
  return inputs > 0 ? 0 : 1;
}
