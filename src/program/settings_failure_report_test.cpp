// A failed write of the settings file reaches the front end with its code.
#include "program/settings_failure_report.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "platform/error_codes.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

TEST(SettingsFailureReport, AFailedOptionsWriteIsShownOnceWithItsCodeAndTheFileKeptWhole)
{
    testing::TempFolder folder;
    const std::string path = folder.write("Quillon32.ini", "[Options]\nUseStatusBar=0\n");
    testing::RecordingUi ui;
    platform::FileSystem files;
    settings::SettingsStore store(files, path);
    testing::ManualClock clock;
    Workspace ws(ui, files, store, clock);
    reportSettingsFailures(ws);
    files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Rename ? platform::kAccessDenied : 0;
    });

    ws.options.UseStatusBar = true;
    settings::SaveOptions(store, ws.options);

    EXPECT_EQ(folder.read("Quillon32.ini"), "[Options]\nUseStatusBar=0\n");
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].title, "CLARION QUILLON 32 - Error while saving file!");
    EXPECT_EQ(ui.messages[0].text,
              "    An error was posted while saving file.|    File was not saved.|"
              "    Posted errorcode: #5|    Posted error: Access denied|" +
                  std::string(90, kNonBreakingSpace) + "|    File:|    " + path);
    EXPECT_EQ(ui.statusText(1), "Error posted: #5 - Access denied");

    files.setFaultHook({});
    settings::SaveOptions(store, ws.options);
    EXPECT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(store.readNumber("Options", "UseStatusBar", 0), 1);
}

}  // namespace
}  // namespace quillon
