// The desktop program quillon32.
#include "app/window/desktop_program.h"

int main(int argc, char** argv)
{
    return quillon::app::runDesktopProgram(argc, argv);
}
