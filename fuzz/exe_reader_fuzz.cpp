// libFuzzer target: identification and export reading of arbitrary files, in memory and page
// by page from a file, which must agree.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "exe/executable_image.h"
#include "exe/image_source.h"
#include "fuzz_checks.h"
#include "platform/file_system.h"

namespace {

/// A scratch file per process for the page-by-page path.
const std::string& scratchPath()
{
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp != nullptr ? tmp : "/tmp") + "/quillon-exe-fuzz-" +
               std::to_string(static_cast<long>(std::rand())) + ".bin";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const quillon::exe::ExecutableExports inMemory = quillon::exe::readExecutable(bytes);
    quillon::fuzz::checkExports(inMemory, size);

    // Every 16th input also goes through a real file, read in pages.
    if (size % 16 != 0)
        return 0;
    std::FILE* f = std::fopen(scratchPath().c_str(), "wb");
    if (f == nullptr)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    quillon::platform::FileSystem files;
    auto file = files.openRead(scratchPath());
    if (!file)
        return 0;
    quillon::exe::FileSource source(*file, size);
    const quillon::exe::ExecutableExports paged = quillon::exe::readExecutable(source);
    quillon::fuzz::checkSame(inMemory, paged);
    return 0;
}
