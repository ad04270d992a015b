// Runs the fuzz target once on each file named, or on every file of each
// folder named: the seed corpus and every input the fuzzer ever found wrong
// run this way in every build, with no fuzzing engine. Each run writes
// uho.txt in the working folder.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int arg = 1; arg < argc; ++arg) {
        const std::filesystem::path named = std::filesystem::absolute(argv[arg]);
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named)) {
                inputs.push_back(entry.path());
            }
        } else {
            inputs.push_back(named);
        }
    }
    for (const std::filesystem::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        std::printf("%s\n", input.filename().string().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs ran\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
