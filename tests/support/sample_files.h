// The bundled sample DLLs: what they export, built by the test-support image builder.
#pragma once

#include <string>
#include <vector>

namespace quillon::testing {

/// One bundled sample: its file name and bytes.
struct SampleFile {
    std::string name;
    std::vector<std::byte> bytes;
};

/// The samples under samples/: a 32-bit PE DLL with a few dozen named exports and a 16-bit NE
/// DLL with resident and non-resident names.
[[nodiscard]] std::vector<SampleFile> bundledSamples();

}  // namespace quillon::testing
