// Writes the bundled sample DLLs into a folder (samples/ of the source tree by default).
#include <cstdio>
#include <fstream>
#include <string>

#include "support/sample_files.h"

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "samples";
    for (const quillon::testing::SampleFile& sample : quillon::testing::bundledSamples()) {
        const std::string path = folder + "/" + sample.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(sample.bytes.data()),
                  static_cast<std::streamsize>(sample.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
