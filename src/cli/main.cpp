// The headless command-line program `quillon`.
#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::puts("usage: quillon FILE... /s[:TARGET.LIB]");
            return 0;
        }
    }
    std::fputs("quillon: nothing to do (try --help)\n", stderr);
    return 2;
}
