// libFuzzer target: the NE name-table reader. The input follows a fixed DOS header whose new
// header at 40h is "NE", so every input reaches the NE reader.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "exe/executable_image.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::byte> image(0x42 + size);
    image[0] = std::byte{'M'};
    image[1] = std::byte{'Z'};
    image[0x3C] = std::byte{0x40};
    image[0x40] = std::byte{'N'};
    image[0x41] = std::byte{'E'};
    if (size > 0)
        std::memcpy(image.data() + 0x42, data, size);
    const quillon::exe::ExecutableExports exports = quillon::exe::readExecutable(image);
    quillon::fuzz::require(exports.kind == quillon::exe::ExecutableKind::Ne ||
                           exports.kind == quillon::exe::ExecutableKind::NewHeaderDamaged);
    quillon::fuzz::checkExports(exports, image.size());
    return 0;
}
