// Runs a fuzz target over saved inputs: every file named on the command line
// and every file in a directory named there. The normal test suite runs each
// target over its seed corpus and the inputs that once broke it, with any
// compiler and without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Lauf(const std::filesystem::path& datei)
{
    std::ifstream in(datei, std::ios::binary);
    const std::vector<char> daten{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "%s\n", datei.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(daten.data()), daten.size());
}

} // namespace

int main(int argc, char** argv)
{
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path pfad(argv[i]);
        if (std::filesystem::is_directory(pfad)) {
            for (const auto& eintrag : std::filesystem::recursive_directory_iterator(pfad))
                if (eintrag.is_regular_file()) {
                    Lauf(eintrag.path());
                    ++anzahl;
                }
        } else if (std::filesystem::is_regular_file(pfad)) {
            Lauf(pfad);
            ++anzahl;
        }
    }
    std::printf("%d inputs replayed\n", anzahl);
    // No input at all means a wrong path, not a pass.
    return anzahl > 0 ? 0 : 1;
}
