// Runs a fuzz target's function once on every file of the folders given (the kept inputs that once
// failed, and the seed corpus), as the fuzzer's -runs=0 does, without the fuzzer: a plain ctest
// then catches a reader that crashes, hangs or breaks a checked rule on them again.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    namespace fs = std::filesystem;
    int fed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path folder = argv[i];
        if (!fs::is_directory(folder)) {
            std::printf("no folder %s\n", folder.c_str());
            continue;
        }
        std::vector<fs::path> files;
        for (const fs::directory_entry &e : fs::recursive_directory_iterator(folder))
            if (e.is_regular_file())
                files.push_back(e.path());
        for (const fs::path &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (!in.good() && !in.eof()) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            std::printf("%s\n", file.c_str());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++fed;
        }
    }
    std::printf("%d inputs run\n", fed);
    return fed > 0 ? 0 : 1;
}
