// Clarion prototypes: the calling convention, parameters and return type a decorated name
// tells, and the note that says what it leaves open.
#include "reports/clarion_prototype.h"

#include <optional>
#include <vector>

#include "exe/function_signature.h"
#include "reports/clarion_types.h"

namespace quillon::reports {

namespace {

using exe::CallingConvention;
using exe::FunctionSignature;
using exe::NameDecoration;
using exe::SymbolKind;

constexpr std::size_t kDeclarationColumn = 24;

/// What the prototype is built from: Clarion parameter and return types, or why not.
struct Parts {
    std::optional<std::vector<std::string>> parameters;
    std::string returnType;
    std::string convention = "PASCAL";
    bool callable = true;
    std::string note;
};

void refuse(Parts& parts, std::string note)
{
    if (parts.callable) {
        parts.callable = false;
        parts.note = std::move(note);
    }
}

void fromStdcallBytes(const FunctionSignature& signature, Parts& parts)
{
    const std::uint32_t bytes = *signature.decoration.argumentBytes;
    if (bytes % 4 != 0) {
        refuse(parts, std::to_string(bytes) + " bytes of parameters do not make whole LONG "
                                              "parameters");
        return;
    }
    parts.parameters = std::vector<std::string>(bytes / 4, "LONG");
    parts.returnType = "LONG";
    parts.note = bytes == 0 ? std::string("no parameters; the return value is read as a LONG")
                            : std::to_string(bytes) + " bytes of parameters taken as " +
                                  std::to_string(bytes / 4) +
                                  " LONG; the return value is read as a LONG";
}

void fromCppSignature(const FunctionSignature& signature, Parts& parts)
{
    switch (signature.convention) {
        case CallingConvention::Cdecl:
            parts.convention = "C";
            break;
        case CallingConvention::Stdcall:
            break;
        case CallingConvention::Thiscall:
            break;
        case CallingConvention::Fastcall:
            refuse(parts, "fastcall: Clarion cannot pass parameters in registers");
            break;
        case CallingConvention::NotKnown:
        case CallingConvention::Other:
            refuse(parts, "a calling convention Clarion cannot use");
            break;
    }
    if (signature.member)
        refuse(parts, "a member function: it needs an object of its class");
    else if (signature.maybeMember)
        refuse(parts, "may be a member function: the name does not tell a class from a namespace");
    std::vector<std::string> parameters;
    bool allKnown = true;
    for (const std::string& type : *signature.parameters) {
        const std::optional<std::string> clarion = clarionParameterType(type);
        if (!clarion) {
            refuse(parts, "no Clarion type for " + type);
            allKnown = false;
            break;
        }
        parameters.push_back(*clarion);
    }
    if (allKnown)
        parts.parameters = std::move(parameters);
    if (signature.variadic)
        refuse(parts, "a variable number of parameters");
    if (!signature.returnType) {
        if (parts.callable)
            parts.note = "the return type is not in the name";
        return;
    }
    const std::optional<std::string> returnType = clarionReturnType(*signature.returnType);
    if (returnType)
        parts.returnType = *returnType;
    else
        refuse(parts, "no Clarion type for the return type " + *signature.returnType);
}

Parts partsFor(const FunctionSignature& signature)
{
    Parts parts;
    switch (signature.decoration.decoration) {
        case NameDecoration::None:
            refuse(parts, "parameters not known: the exported name does not tell them");
            break;
        case NameDecoration::Stdcall:
            fromStdcallBytes(signature, parts);
            break;
        case NameDecoration::Fastcall:
            refuse(parts, "fastcall: Clarion cannot pass parameters in registers");
            break;
        case NameDecoration::Microsoft:
        case NameDecoration::Itanium:
            fromCppSignature(signature, parts);
            break;
    }
    return parts;
}

std::string declarationOf(const Parts& parts, std::string_view exportName)
{
    std::string text = "PROCEDURE(";
    if (parts.parameters) {
        for (std::size_t i = 0; i < parts.parameters->size(); ++i)
            text += (i == 0 ? "" : ",") + (*parts.parameters)[i];
    }
    text += ')';
    if (!parts.returnType.empty())
        text += ',' + parts.returnType;
    text += ',' + parts.convention + ",RAW,NAME(" + clarionString(exportName) + ')';
    return text;
}

}  // namespace

ClarionPrototype clarionPrototype(std::string_view exportName, ClarionLabels& labels)
{
    const FunctionSignature signature = exe::functionSignature(exportName);
    ClarionPrototype prototype;
    prototype.label = labels.make(signature.name);
    switch (signature.kind) {
        case SymbolKind::Data:
            prototype.note = "data, not a function: " + std::string(exportName);
            return prototype;
        case SymbolKind::Special:
            prototype.note = "not a function to call: " + std::string(exportName);
            return prototype;
        case SymbolKind::Unreadable:
            prototype.note = "a C++ name the demangler cannot read: " + std::string(exportName);
            return prototype;
        case SymbolKind::Function:
            break;
    }
    const Parts parts = partsFor(signature);
    prototype.declaration = declarationOf(parts, exportName);
    prototype.callable = parts.callable;
    prototype.note = parts.note;
    return prototype;
}

std::string prototypeLine(const ClarionPrototype& prototype)
{
    std::string line = prototype.callable ? std::string() : std::string("! ");
    line += prototype.label;
    const std::string_view rest =
        prototype.declaration.empty() ? std::string_view() : std::string_view(prototype.declaration);
    if (!rest.empty() || !prototype.note.empty()) {
        line += ' ';
        if (line.size() < kDeclarationColumn)
            line.append(kDeclarationColumn - line.size(), ' ');
    }
    line += rest;
    if (!prototype.note.empty())
        line += (rest.empty() ? "! " : "  ! ") + prototype.note;
    return line;
}

std::string clarionString(std::string_view text)
{
    std::string out = "'";
    for (const char c : text) {
        out += c;
        if (c == '\'' || c == '<' || c == '{')
            out += c;
    }
    out += '\'';
    return out;
}

}  // namespace quillon::reports
