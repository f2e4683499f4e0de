// The target name rules of "&New..." and "&Rename...".
#include "program/target_name.h"

#include <filesystem>

#include "app/testing/gui_fixture.h"
#include "base/text_encoding.h"

namespace quillon::app {
namespace {

class TargetNameTest : public testing::GuiFixture {
protected:
    TargetNameInput input(std::string typed, bool keep = false)
    {
        TargetNameInput in;
        in.typed = std::move(typed);
        in.presentName = present + "/old.lib";
        in.defaultFolder = defaults;
        in.keepPresentFolder = keep;
        return in;
    }
    void SetUp() override
    {
        std::filesystem::create_directories(present);
        std::filesystem::create_directories(defaults);
    }
    std::string present = folder.file("present");
    std::string defaults = folder.file("default");
};

TEST_F(TargetNameTest, AddsTheExtensionByTheNamesCase)
{
    EXPECT_EQ(resolveTargetName(ws, input("mylib")).fullName, defaults + "/mylib.lib");
    EXPECT_EQ(resolveTargetName(ws, input("MYLIB")).fullName, defaults + "/MYLIB.LIB");
    EXPECT_EQ(resolveTargetName(ws, input("Win32.LiB")).fullName, defaults + "/Win32.LiB");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TargetNameTest, KeepPresentFolderPutsABareNameBesideThePresentFile)
{
    EXPECT_EQ(resolveTargetName(ws, input("mylib", true)).fullName, present + "/mylib.lib");
    const std::string other = folder.file("default/x.lib");
    EXPECT_EQ(resolveTargetName(ws, input(other, true)).fullName, other);
}

TEST_F(TargetNameTest, BlankAndUnusableNamesKeepTheDialogOpen)
{
    for (const char* bad : {"", "   ", "a|b", "what?", "folder/", "ab:c"}) {
        qtUi.status(1, "");
        EXPECT_FALSE(resolveTargetName(ws, input(bad)).accepted) << bad;
        EXPECT_EQ(qtUi.statusText(1), "Not a valid name!") << bad;
    }
}

TEST_F(TargetNameTest, MissingFolderAnsweredPresentUsesThePresentFolder)
{
    answers.push_back(2);
    const std::string typed = folder.file("nowhere/mylib");
    const TargetNameOutcome out = resolveTargetName(ws, input(typed));
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.fullName, present + "/mylib.lib");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Folder does no exist!");
    EXPECT_EQ(messages[0].text,
              "    The entered folder does not exist!|    Folder: " + folder.file("nowhere") +
                  "|    Do you want to create it?||    (Press \"Present\" to "
                  "use present folder, or \"Default\" to use default folder).");
    EXPECT_EQ(messages[0].buttons, "&Yes|&Present|&Default|&Cancel");
    EXPECT_EQ(messages[0].icon, ui::MessageIcon::Program);
}

TEST_F(TargetNameTest, MissingFolderAnsweredDefaultYesOrCancel)
{
    const std::string typed = folder.file("nowhere/mylib.lib");
    answers = {3};
    EXPECT_EQ(resolveTargetName(ws, input(typed)).fullName, defaults + "/mylib.lib");
    answers = {4};
    EXPECT_FALSE(resolveTargetName(ws, input(typed)).accepted);
    answers = {1};
    EXPECT_EQ(resolveTargetName(ws, input(typed)).fullName, typed);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("nowhere")));
}

TEST_F(TargetNameTest, FolderThatCannotBeCreatedIsReportedAndTheDialogStays)
{
    files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::MakeFolder ? 5 : 0;
    });
    answers = {1};
    EXPECT_FALSE(resolveTargetName(ws, input(folder.file("nowhere/mylib"))).accepted);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].title, "CLARION QUILLON 32 - Folder NOT created!");
    EXPECT_EQ(messages[1].text, "    Error creating folder!" + std::string(50, kNonBreakingSpace) +
                                    "|    Folder: " + folder.file("nowhere") +
                                    "|    [Returned Windows API error code: 5]");
}

TEST_F(TargetNameTest, DefaultTargetFolderFollowsItsOption)
{
    ws.options.OptionSaveFolder = TargetFolderChoice::SystemDefault;
    EXPECT_EQ(defaultTargetFolder(ws, "/start"), "/start");
    ws.options.OptionSaveFolder = TargetFolderChoice::Fixed;
    ws.options.SaveFolder = "/saved";
    EXPECT_EQ(defaultTargetFolder(ws, "/start"), "/saved");
    ws.options.OptionSaveFolder = static_cast<TargetFolderChoice>(9);
    EXPECT_EQ(defaultTargetFolder(ws, "/start"), files.currentFolder());
}

}  // namespace
}  // namespace quillon::app
