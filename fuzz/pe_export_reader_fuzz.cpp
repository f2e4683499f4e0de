// libFuzzer target: the PE section search and export directory reader. The input follows a
// fixed DOS header whose new header at 40h is "PE\0\0", so every input reaches the PE reader.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "exe/executable_image.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::byte> image(0x44 + size);
    image[0] = std::byte{'M'};
    image[1] = std::byte{'Z'};
    image[0x3C] = std::byte{0x40};
    image[0x40] = std::byte{'P'};
    image[0x41] = std::byte{'E'};
    if (size > 0)
        std::memcpy(image.data() + 0x44, data, size);
    const quillon::exe::ExecutableExports exports = quillon::exe::readExecutable(image);
    // Fewer than the 20 bytes that complete the 24-byte new header leave the file damaged.
    quillon::fuzz::require(
        exports.kind == quillon::exe::ExecutableKind::Pe ||
        (size < 20 && exports.kind == quillon::exe::ExecutableKind::NewHeaderDamaged));
    quillon::fuzz::checkExports(exports, image.size());
    return 0;
}
