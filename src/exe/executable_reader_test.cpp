// Tests of executable identification: every rejection message, the extension rules, QuietLoad,
// the clean-up of an empty module, the late error 33, and file errors.
#include "exe/executable_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/exe_fixture.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quillon::exe {
namespace {

using testing::BuiltImage;
using testing::ExeFixture;

const std::string kSep(90, '\xA0');
const std::string kClosing = "|    (This file cannot be opened by Clarion Quillon)";

/// The text of a message whose lead text does not carry the file lines.
std::string withFile(const std::string& lead, const std::string& file)
{
    return lead + "|" + kSep + "|    File:|    " + file + kClosing;
}

/// The text of a message whose lead text ends with the file lines.
std::string leadWithFile(const std::string& lead, const std::string& file)
{
    return lead + kSep + "|    File:|    " + file + kClosing;
}

const std::string kDamaged =
    "    This file does not have any exported names|    recognizeable by "
    "Clarion Quillon, or the|    file header may be damaged.|";
const std::string kNotExecutable =
    "    This file is NOT an executeable or library file |    recognizeable by Clarion Quillon.|";

std::vector<std::byte> bytesOf(std::string_view text)
{
    std::vector<std::byte> out;
    for (char c : text)
        out.push_back(static_cast<std::byte>(c));
    return out;
}

void expectOneMessage(const ExeFixture& f, const std::string& title, const std::string& text)
{
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    const ui::MessageBox& box = f.t.ui.messages[0];
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, ui::MessageIcon::Question);
    EXPECT_EQ(box.buttons, "&OK");
}

// ---- rejections of ExecutableReader ----

TEST(ExecutableReader, LeExecutableIsRejected)
{
    ExeFixture f;
    const ExecutableLoad load = f.load("vmm.vxd", testing::buildLe());
    expectOneMessage(f, "CLARION QUILLON 32 - NOT a library file!",
                     leadWithFile("    This file type does not have any exported names|"
                                  "    recognizeable by Clarion Quillon.|",
                                  f.path));
    EXPECT_TRUE(f.outcome.rejected());
    EXPECT_EQ(load.outcome.ReadStatus, 0);
    EXPECT_EQ(load.kind, ExecutableKind::Le);
    EXPECT_TRUE(f.rows().empty());
}

TEST(ExecutableReader, NewHeaderOffsetZeroIsADosFile)
{
    ExeFixture f;
    const ExecutableLoad load = f.load("old.exe", testing::buildDos());
    expectOneMessage(f, "CLARION QUILLON 32 - DOS file!",
                     leadWithFile("    This file is a DOS file which does not have any exported|"
                                  "    names recognizeable by Clarion Quillon.|",
                                  f.path));
    EXPECT_TRUE(f.outcome.rejected());
    EXPECT_EQ(load.kind, ExecutableKind::Dos);
}

TEST(ExecutableReader, NewHeaderPointingAtAnotherMzIsADosFile)
{
    ExeFixture f;
    f.load("bound.exe", testing::buildMz(0x80, "MZ", 0x100));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - DOS file!");
}

TEST(ExecutableReader, NewHeaderBeyondTheEndIsAnOldDosFile)
{
    ExeFixture f;
    const ExecutableLoad load = f.load("old.exe", testing::buildMz(0x1000, "PE", 0x100));
    expectOneMessage(f, "CLARION QUILLON 32 - Old DOS file!",
                     withFile("    An error #33 (Read past end of file) was posted. This is"
                              "|    probably an old-type DOS file which does not have any"
                              "|    exported names recognizeable by Clarion Quillon.",
                              f.path));
    EXPECT_TRUE(f.outcome.rejected());
    EXPECT_EQ(load.kind, ExecutableKind::NewHeaderMissing);
}

TEST(ExecutableReader, NewHeaderOffsetFarBeyondTheEndDoesNotWrap)
{
    ExeFixture f;
    f.load("old.exe", testing::buildMz(0xFFFFFFF0u, "PE", 0x100));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - Old DOS file!");
}

TEST(ExecutableReader, FileEndingInsideTheNewHeaderIsDamaged)
{
    ExeFixture f;
    // Ten bytes of a new header that is not "MZ": the header buffer no longer shows "MZ".
    const ExecutableLoad load = f.load("cut.dll", testing::buildMz(0x76, "PE\0\0\x4C\x01", 0x80));
    expectOneMessage(f, "CLARION QUILLON 32 - HEADER information not found!",
                     withFile("    An error #33 (Read past end of file) was posted, and"
                              "|    Clarion Quillon could not read the file's header"
                              "|    information. The file is either not an executeable,"
                              "|    or the header may be damaged.",
                              f.path));
    EXPECT_TRUE(f.outcome.rejected());
    EXPECT_EQ(load.kind, ExecutableKind::NewHeaderDamaged);
}

TEST(ExecutableReader, UnknownNewHeaderWithExecutableExtensionMayBeDamaged)
{
    ExeFixture f;
    f.load("strange.dll", testing::buildMz(0x80, "XY", 0x100));
    expectOneMessage(f, "CLARION QUILLON 32 - NOT a library file!",
                     leadWithFile(kDamaged, f.path));
    EXPECT_TRUE(f.outcome.rejected());
}

TEST(ExecutableReader, UnknownNewHeaderComparesTheLastExtensionUpperCased)
{
    ExeFixture f;
    f.load("strange.v1.Ocx", testing::buildMz(0x80, "XY", 0x100));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - NOT a library file!");
}

TEST(ExecutableReader, UnknownNewHeaderWithOtherExtensionIsUnknown)
{
    ExeFixture f;
    f.load("strange.bin", testing::buildMz(0x80, "XY", 0x100));
    expectOneMessage(f, "CLARION QUILLON 32 - UNKNOWN filetype!",
                     leadWithFile("    This file does not have any exported names|"
                                  "    recognizeable by Clarion Quillon.|",
                                  f.path));
    EXPECT_TRUE(f.outcome.rejected());
}

TEST(ExecutableReader, NoMzWithOtherExtensionIsNotAnExecutable)
{
    ExeFixture f;
    f.load("notes.txt", bytesOf(std::string(100, 'x')));
    expectOneMessage(f, "CLARION QUILLON 32 - NOT a library file!",
                     leadWithFile(kNotExecutable, f.path));
    EXPECT_TRUE(f.outcome.rejected());
}

TEST(ExecutableReader, NoMzComparesTheFirstExtensionAsWritten)
{
    const std::vector<std::byte> junk = bytesOf(std::string(100, 'x'));
    struct Case {
        const char* name;
        bool damagedText;
    };
    for (const Case c : {Case{"UPPER.DLL", true}, Case{"lower.dll", false}, Case{"prog.COM", true},
                         Case{"prog.com", false}, Case{"two.DLL.bak", false}, Case{"DLL", false},
                         Case{"x.386", true}, Case{"x.VWP", true}}) {
        ExeFixture f;
        f.load(c.name, junk);
        ASSERT_EQ(f.t.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.t.ui.messages[0].text,
                  leadWithFile(c.damagedText ? kDamaged : kNotExecutable, f.path))
            << c.name;
    }
}

TEST(ExecutableReader, ExtensionsComeFromTheFileNameNotTheFolders)
{
    EXPECT_EQ(firstExtensionAsWritten("/opt/app.v2/lib/KERNEL.DLL"), "DLL");
    EXPECT_EQ(firstExtensionAsWritten("C:\\Clarion6.3\\bin\\a.b.DLL"), "b.DLL");
    EXPECT_EQ(firstExtensionAsWritten("/opt/app.v2/README"), "");
    EXPECT_EQ(lastExtensionUpper("/opt/app.v2/lib/kernel.dll"), "DLL");
    EXPECT_EQ(lastExtensionUpper("/opt/app.v2/lib/dll"), "DLL");
}

TEST(ExecutableReader, ExecutableExtensionsInTheirOrder)
{
    EXPECT_EQ(kExecutableExtensions.size(), 23u);
    EXPECT_EQ(kExecutableExtensions.front(), "EXE");
    EXPECT_EQ(kExecutableExtensions[6], "AX");
    EXPECT_EQ(kExecutableExtensions.back(), "VWP");
}

TEST(ExecutableReader, QuietLoadSuppressesEveryMessageButStillRejects)
{
    struct Case {
        const char* name;
        BuiltImage image;
    };
    std::vector<Case> cases = {{"a.vxd", testing::buildLe()},
                               {"b.exe", testing::buildDos()},
                               {"c.exe", testing::buildMz(0x1000, "", 0x100)},
                               {"d.dll", testing::buildMz(0x76, "XX", 0x80)},
                               {"e.dll", testing::buildMz(0x80, "XY", 0x100)},
                               {"f.bin", testing::buildMz(0x80, "XY", 0x100)}};
    testing::NeSpec emptyNe;  // a module without names
    cases.push_back({"g.dll", testing::buildNe(emptyNe)});
    for (const Case& c : cases) {
        ExeFixture f;
        f.mode.QuietLoad = true;
        f.load(c.name, c.image);
        EXPECT_TRUE(f.t.ui.messages.empty()) << c.name;
        EXPECT_TRUE(f.outcome.rejected()) << c.name;
        EXPECT_TRUE(f.rows().empty()) << c.name;
    }
    ExeFixture f;
    f.mode.QuietLoad = true;
    f.load("short.dll", bytesOf("MZ"));
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_TRUE(f.outcome.rejected());
    EXPECT_EQ(f.outcome.ReadStatus, 33);
}

// ---- the empty module and the late error 33 ----

TEST(ExecutableReader, ModuleWithoutNamesIsRemovedAndReported)
{
    ExeFixture f;
    f.load("first.dll", testing::buildPeWithNames({"Keep"}, "FIRST.dll"));
    ASSERT_EQ(f.rows().size(), 2u);
    testing::NeSpec spec;  // resident and non-resident tables without names
    const ExecutableLoad load = f.load("empty.dll", testing::buildNe(spec));
    EXPECT_EQ(load.firstNewRow, 2u);
    EXPECT_EQ(f.rows().size(), 2u);
    expectOneMessage(f, "CLARION QUILLON 32 - NOT a library file!",
                     leadWithFile(kDamaged, f.path));
    EXPECT_TRUE(f.outcome.rejected());
}

TEST(ExecutableReader, FileShorterThanTheDosHeaderReportsTheLateError)
{
    for (const std::string& content : {std::string(), std::string("MZ"), std::string(63, 'M')}) {
        ExeFixture f;
        const ExecutableLoad load = f.load("tiny.dll", bytesOf(content));
        EXPECT_EQ(load.outcome.ReadStatus, 33);
        EXPECT_EQ(f.outcome.ReadStatus, 33);
        expectOneMessage(f, "CLARION QUILLON 32 - HEADER information not found!",
                         "    Could not read file's HEADER information!|    Error posted "
                         "Read past end of file|" +
                             kSep + "|    File:|    " + f.path + kClosing);
        EXPECT_TRUE(f.outcome.rejected());
        EXPECT_EQ(load.kind, ExecutableKind::Unreadable);
    }
}

TEST(ExecutableReader, NamesCutShortKeepTheirRowsAndReportTheLateError)
{
    ExeFixture f;
    BuiltImage dll = testing::buildPeWithNames({"One", "Two", "Three"}, "CUT.dll");
    dll.putU32(dll.exportDirectory + 24, 1000);     // NumberOfNames far beyond the table
    dll.putU32(dll.namePointers + 12, 0x7FFFFFF0);  // the fourth name lies outside the file
    const ExecutableLoad load = f.load("cut.dll", dll);
    EXPECT_EQ(load.outcome.ReadStatus, 33);
    EXPECT_EQ(f.modules(), std::vector<std::string>{"CUT.dll"});
    EXPECT_EQ(f.symbols().size(), 3u);
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - HEADER information not found!");
    EXPECT_TRUE(f.outcome.rejected());
}

// ---- file errors: no message, the caller reports them ----

TEST(ExecutableReader, MissingFileSetsReadStatusWithoutMessage)
{
    ExeFixture f;
    f.path = f.t.folder.file("absent.dll");
    const ExecutableLoad load = f.read();
    EXPECT_EQ(load.outcome.ReadStatus, 2);
    EXPECT_EQ(f.outcome.ReadStatus, 2);
    EXPECT_EQ(f.outcome.ErrorText, "File not found");
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(ExecutableReader, FolderGivenAsFileIsAccessDenied)
{
    ExeFixture f;
    f.path = f.t.folder.path().string();
    const ExecutableLoad load = f.read();
    EXPECT_EQ(load.outcome.ReadStatus, 5);
    EXPECT_EQ(f.outcome.ErrorText, "Access denied");
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(ExecutableReader, UnreadableFileIsAccessDenied)
{
#ifdef _WIN32
    GTEST_SKIP() << "permissions are not taken away this way on Windows";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
#endif
    ExeFixture f;
    f.path = f.t.folder.write("locked.dll", testing::buildLe().bytes);
    std::filesystem::permissions(f.path, std::filesystem::perms::none);
    EXPECT_EQ(f.read().outcome.ReadStatus, 5);
    EXPECT_EQ(f.outcome.ErrorText, "Access denied");
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(ExecutableReader, InjectedReadFailureStopsWithoutMessage)
{
    ExeFixture f;
    f.t.files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Read ? 90 : 0;
    });
    const ExecutableLoad load = f.load("a.dll", testing::buildPeWithNames({"A"}));
    EXPECT_EQ(load.outcome.ReadStatus, 90);
    EXPECT_EQ(f.outcome.ErrorText, "System error");
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_TRUE(f.rows().empty());
}

TEST(ExecutableReader, ReadFailureAtTheNewHeaderIsPostedNotTakenForAnOldDosFile)
{
    ExeFixture f;
    int reads = 0;
    f.t.files.setFaultHook([&reads](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Read && ++reads == 2 ? 90 : 0;
    });
    // The new header lies in the second page of the file: its read is the one that fails.
    const ExecutableLoad load = f.load("far.dll", testing::buildMz(0x2000, "PE", 0x3000));
    EXPECT_EQ(load.outcome.ReadStatus, 90);
    EXPECT_EQ(load.kind, ExecutableKind::Unreadable);
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(ExecutableReader, AFileReadWholeEndsRead)
{
    ExeFixture f;
    const ExecutableLoad load = f.load("a.dll", testing::buildPeWithNames({"A"}));
    EXPECT_EQ(load.outcome, ReadOutcome{});
    EXPECT_TRUE(load.outcome.read());
}

// ---- ExecutableTest ----

struct TestCase {
    const char* name;
    BuiltImage image;
    const char* title;
    std::string lead;
};

TEST(ExecutableTest, RejectionsShowTheirMessages)
{
    std::vector<TestCase> cases = {
        {"a.txt", testing::buildMz(0, "", 64), "", ""},
        {"le.vxd", testing::buildLe(), "CLARION QUILLON 32 - SYSTEM file!",
         "    This file does not have any exported names|    recognizeable by Clarion Quillon!|"},
        {"dos.exe", testing::buildDos(), "CLARION QUILLON 32 - Old DOS file!",
         "    This file is an old DOS file and does not have any|    exported names "
         "recognizeable by Clarion Quillon!|"},
        {"odd.dll", testing::buildMz(0x80, "XY", 0x100), "CLARION QUILLON 32 - UNKNOWN filetype!",
         "    This file does not have any exported functions|    recognizeable by Clarion "
         "Quillon!|"},
        {"far.dll", testing::buildMz(0x1000, "", 0x100),
         "CLARION QUILLON 32 - HEADER information not found!",
         "    Could not read file's HEADER information!|"},
    };
    cases[0].image.putBytes(0, "ZM");
    cases[0].title = "CLARION QUILLON 32 - NOT a library file!";
    cases[0].lead =
        "    This file is NOT a library file that have any exported|    names "
        "recognizeable by Clarion Quillon!|";
    for (const TestCase& c : cases) {
        ExeFixture f;
        f.path = f.t.folder.write(c.name, c.image.bytes);
        f.test();
        expectOneMessage(f, c.title, leadWithFile(c.lead, f.path));
        EXPECT_TRUE(f.outcome.rejected()) << c.name;
    }
}

TEST(ExecutableTest, PeAndNeFilesPass)
{
    for (const BuiltImage& image : {testing::buildPeWithNames({"A"}), testing::buildNe({})}) {
        ExeFixture f;
        f.path = f.t.folder.write("x.dll", image.bytes);
        f.test();
        EXPECT_TRUE(f.t.ui.messages.empty());
        EXPECT_TRUE(f.outcome.read());
        EXPECT_TRUE(f.rows().empty());
    }
}

TEST(ExecutableTest, TrailingBlanksOfTheFileNameAreDropped)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows drops trailing blanks of file names itself";
#endif
    ExeFixture f;
    const std::string path = f.t.folder.write("le.vxd", testing::buildLe().bytes);
    f.path = f.t.folder.write("le.vxd  ", testing::buildLe().bytes);
    f.test();
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_NE(f.t.ui.messages[0].text.find("|    " + path + kClosing), std::string::npos);
}

TEST(ExecutableTest, OpenAndShortFileFailuresSetTheErrorText)
{
    ExeFixture f;
    f.path = f.t.folder.file("absent.dll");
    f.test();
    EXPECT_EQ(f.outcome.ReadStatus, 2);
    EXPECT_EQ(f.outcome.ErrorText, "File not found");
    f.path = f.t.folder.write("short.dll", bytesOf("MZ"));
    f.test();
    EXPECT_EQ(f.outcome.ReadStatus, 33);
    EXPECT_EQ(f.outcome.ErrorText, "Read past end of file");
    EXPECT_TRUE(f.t.ui.messages.empty());
}

}  // namespace
}  // namespace quillon::exe
