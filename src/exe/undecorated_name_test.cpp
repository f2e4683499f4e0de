// Tests of decorated names: the conventions told apart, and the demangler's text for C++ names.
#include "exe/undecorated_name.h"

#include <gtest/gtest.h>

#include "exe/function_signature.h"

namespace quillon::exe {
namespace {

TEST(UndecoratedName, TellsTheDecorationsApart)
{
    struct Case {
        std::string_view name;
        NameDecoration decoration;
        std::string_view core;
        std::optional<std::uint32_t> bytes;
    };
    const Case cases[] = {
        {"GetVersion", NameDecoration::None, "GetVersion", std::nullopt},
        {"_GetThing@12", NameDecoration::Stdcall, "GetThing", 12},
        {"GetThing@12", NameDecoration::Stdcall, "GetThing", 12},
        {"_QsShutdown@0", NameDecoration::Stdcall, "QsShutdown", 0},
        {"@Fast@8", NameDecoration::Fastcall, "Fast", 8},
        {"?Open@File@@QAEHPBD@Z", NameDecoration::Microsoft, "?Open@File@@QAEHPBD@Z", std::nullopt},
        {"_Z3addii", NameDecoration::Itanium, "_Z3addii", std::nullopt},
        {"_Z3addii@8", NameDecoration::Itanium, "_Z3addii", 8},
        // Not decorations: no digits, digits too many, an "@" inside, nothing before "@".
        {"_Name@x", NameDecoration::None, "_Name@x", std::nullopt},
        {"_Name@123456", NameDecoration::None, "_Name@123456", std::nullopt},
        {"_A@B@4", NameDecoration::None, "_A@B@4", std::nullopt},
        {"_@4", NameDecoration::None, "_@4", std::nullopt},
        {"@4", NameDecoration::None, "@4", std::nullopt},
        {"?", NameDecoration::None, "?", std::nullopt},
        {"", NameDecoration::None, "", std::nullopt},
    };
    for (const Case& c : cases) {
        const DecorationParts parts = decorationOf(c.name);
        EXPECT_EQ(parts, (DecorationParts{c.decoration, c.core, c.bytes})) << c.name;
    }
}

TEST(UndecoratedName, ShowsWhatTheNamesStandFor)
{
    EXPECT_EQ(undecoratedName("?Open@File@@QAEHPBD@Z"),
              "public: int __thiscall File::Open(char const *)");
    EXPECT_EQ(undecoratedName("?foo@@YGHPBDH@Z"), "int __stdcall foo(char const *, int)");
    EXPECT_EQ(undecoratedName("_ZN4File4openEPKc"), "File::open(char const*)");
    EXPECT_EQ(undecoratedName("_Z3addii@8"), "add(int, int)");
    EXPECT_EQ(undecoratedName("_GetThing@12"), "GetThing");
    EXPECT_EQ(undecoratedName("@Fast@8"), "Fast");
    EXPECT_EQ(undecoratedName("GetVersion"), "");
    // Names that only look decorated are left as they are.
    EXPECT_EQ(undecoratedName("?not a name"), "");
    EXPECT_EQ(undecoratedName("_Zxyz"), "");
    EXPECT_EQ(shownName("_Zxyz", true), "_Zxyz");
    EXPECT_EQ(shownName("_GetThing@12", true), "GetThing");
    EXPECT_EQ(shownName("_GetThing@12", false), "_GetThing@12");
    EXPECT_EQ(undecoratedToolTip("_GetThing@12"), "GetThing\n_GetThing@12");
    EXPECT_EQ(undecoratedToolTip("GetThing"), "");
}

TEST(FunctionSignature, ReadsMicrosoftNames)
{
    const FunctionSignature global = functionSignature("?foo@@YGHPBDH@Z");
    EXPECT_EQ(global.kind, SymbolKind::Function);
    EXPECT_EQ(global.name, "foo");
    EXPECT_EQ(global.convention, CallingConvention::Stdcall);
    EXPECT_FALSE(global.member);
    EXPECT_EQ(global.parameters, (std::vector<std::string>{"char const *", "int"}));
    EXPECT_EQ(global.returnType, std::optional<std::string>("int"));

    const FunctionSignature method = functionSignature("?GetNextToken@CLexer@@QAEJPAGPAK@Z");
    EXPECT_EQ(method.name, "CLexer::GetNextToken");
    EXPECT_EQ(method.convention, CallingConvention::Thiscall);
    EXPECT_TRUE(method.member);

    const FunctionSignature constructor = functionSignature("??0CLexer@@QAE@XZ");
    EXPECT_TRUE(constructor.member);
    EXPECT_EQ(constructor.parameters, std::vector<std::string>{});

    // A static member function is called without an object.
    const FunctionSignature staticMember = functionSignature("?Create@File@@SAPAV1@PBD@Z");
    EXPECT_EQ(staticMember.name, "File::Create");
    EXPECT_FALSE(staticMember.member);
    EXPECT_EQ(staticMember.convention, CallingConvention::Cdecl);

    EXPECT_TRUE(functionSignature("?h@@YAXZZ").variadic);
    EXPECT_EQ(functionSignature("?gValue@@3HA").kind, SymbolKind::Data);
    EXPECT_EQ(functionSignature("??_7File@@6B@").kind, SymbolKind::Special);
    EXPECT_EQ(functionSignature("?@@@").kind, SymbolKind::Unreadable);
}

TEST(FunctionSignature, ReadsItaniumNames)
{
    const FunctionSignature add = functionSignature("_Z3addii");
    EXPECT_EQ(add.name, "add");
    EXPECT_EQ(add.convention, CallingConvention::Cdecl);
    EXPECT_EQ(add.parameters, (std::vector<std::string>{"int", "int"}));
    EXPECT_FALSE(add.returnType.has_value());
    EXPECT_FALSE(add.maybeMember);

    EXPECT_EQ(functionSignature("_Z3addii@8").convention, CallingConvention::Stdcall);
    // A class and a namespace look alike; a const function is surely a member.
    EXPECT_TRUE(functionSignature("_ZN4File4openEPKc").maybeMember);
    EXPECT_TRUE(functionSignature("_ZNK4File4sizeEv").member);
    EXPECT_TRUE(functionSignature("_ZN4FileC2Ev").member);

    const FunctionSignature callback = functionSignature("_Z3barPFviEz");
    EXPECT_EQ(callback.parameters, (std::vector<std::string>{"void (*)(int)"}));
    EXPECT_TRUE(callback.variadic);
    // Template functions carry their return type.
    EXPECT_EQ(functionSignature("_Z3fooIiEvT_").returnType, std::optional<std::string>("void"));
    EXPECT_EQ(functionSignature("_ZN3Foo5countE").kind, SymbolKind::Data);
    EXPECT_EQ(functionSignature("_Zxyz").kind, SymbolKind::Unreadable);
}

}  // namespace
}  // namespace quillon::exe
