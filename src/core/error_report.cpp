// The shared message for errors posted by the file and list layer.
#include "core/error_report.h"

#include <string>

#include "base/text_encoding.h"

namespace quillon {

namespace {

struct ErrorKind {
    const char* statusLead;
    const char* title;
    const char* leadText;
    bool outOfMemory;
};

ErrorKind kindOf(int code)
{
    switch (code) {
    case 8:
        return {"Error: Out of memory", "CLARION QUILLON 32 - Out of memory!",
                "    Out of memory error posted.", true};
    case 30:
    case 75:
        return {"Queue error posted: ", "CLARION QUILLON 32 - QUEUE error!",
                "    An queue error was posted while reading file.", false};
    case 33:
    case 35:
    case 37:
    case 43:
        return {"File error posted: ", "CLARION QUILLON 32 - FILE error!",
                "    An error was posted while reading file.", false};
    default:
        return {"Read file error posted: ", "CLARION QUILLON 32 - READ error!",
                "    An error was posted while reading file.", false};
    }
}

}  // namespace

int reportPostedError(Workspace& ws, int code, std::string_view errorText,
                      std::string_view fileName)
{
    std::string text(trimRight(errorText));
    if (!text.empty())
        text = "[" + text + "]";
    if (code == 0)
        return 0;
    const ErrorKind kind = kindOf(code);
    if (ws.options.UseStatusBar)
        ws.ui().status(1, kind.outOfMemory ? std::string(kind.statusLead)
                                           : std::string(kind.statusLead) + text);
    ui::MessageBox box;
    box.title = kind.title;
    box.icon = ui::MessageIcon::Question;
    box.text = std::string(kind.leadText) + "|" + std::string(90, kNonBreakingSpace) +
               "|    Errorcode posted: #" + std::to_string(code) + "|    Error message: " + text +
               "|    File: " + std::string(fileName);
    ws.ui().message(box);
    return kind.outOfMemory ? 1 : 0;
}

}  // namespace quillon
