// make_big_lib: writes a Clarion LIB file of many symbols for the end-to-end benchmarks.
// usage: make_big_lib OUT.LIB [MODULES [SYMBOLS_PER_MODULE]]   (default 10000 modules of 100)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lib/lib_format.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: make_big_lib OUT.LIB [MODULES [SYMBOLS_PER_MODULE]]\n", stderr);
        return 2;
    }
    const int modules = argc > 2 ? std::atoi(argv[2]) : 10'000;
    const int perModule = argc > 3 ? std::atoi(argv[3]) : 100;
    if (modules <= 0 || perModule <= 0 || perModule > 65'535) {
        std::fputs("make_big_lib: counts out of range\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::string bytes;
    for (int m = 0; m < modules; ++m) {
        const std::string module = "MODULE" + std::to_string(m);
        for (int s = 0; s < perModule; ++s) {
            const std::string name = "Function_" + std::to_string(m) + "_" + std::to_string(s);
            quillon::lib::encodeImportRecord(bytes, name, module, static_cast<std::uint16_t>(s + 1));
        }
        if (bytes.size() > (1u << 20)) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            bytes.clear();
        }
    }
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}
