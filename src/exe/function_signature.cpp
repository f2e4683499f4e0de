// FunctionSignature from the syntax trees of LLVM's Microsoft demangler and the parts its
// Itanium demangler gives.
#include "exe/function_signature.h"

#include <cstdlib>

#include <llvm/Demangle/Demangle.h>
#include <llvm/Demangle/MicrosoftDemangle.h>

namespace quillon::exe {

namespace {

namespace ms = llvm::ms_demangle;

std::string adopt(char* text)
{
    if (text == nullptr)
        return {};
    std::string out(text);
    std::free(text);
    return out;
}

CallingConvention conventionOf(ms::CallingConv convention)
{
    switch (convention) {
        case ms::CallingConv::Cdecl:
            return CallingConvention::Cdecl;
        case ms::CallingConv::Stdcall:
            return CallingConvention::Stdcall;
        case ms::CallingConv::Fastcall:
            return CallingConvention::Fastcall;
        case ms::CallingConv::Thiscall:
            return CallingConvention::Thiscall;
        case ms::CallingConv::None:
            return CallingConvention::NotKnown;
        default:
            return CallingConvention::Other;
    }
}

void readMicrosoft(const std::string& mangled, FunctionSignature& signature)
{
    ms::Demangler demangler;
    llvm::itanium_demangle::StringView view(mangled.c_str(), mangled.c_str() + mangled.size());
    ms::SymbolNode* symbol = demangler.parse(view);
    if (demangler.Error || symbol == nullptr) {
        signature.kind = SymbolKind::Unreadable;
        return;
    }
    if (symbol->kind() == ms::NodeKind::VariableSymbol) {
        signature.kind = SymbolKind::Data;
        if (symbol->Name != nullptr)
            signature.name = symbol->Name->toString();
        return;
    }
    if (symbol->kind() != ms::NodeKind::FunctionSymbol) {
        signature.kind = SymbolKind::Special;
        return;
    }
    const auto* function = static_cast<const ms::FunctionSymbolNode*>(symbol);
    const ms::FunctionSignatureNode* node = function->Signature;
    if (function->Name != nullptr)
        signature.name = function->Name->toString();
    if (node == nullptr || node->kind() != ms::NodeKind::FunctionSignature) {
        // Thunks and other adjusted entries: functions, but not ones to call by name.
        signature.kind = SymbolKind::Special;
        return;
    }
    signature.convention = conventionOf(node->CallConvention);
    const bool global = (node->FunctionClass & ms::FC_Global) != 0;
    const bool isStatic = (node->FunctionClass & ms::FC_Static) != 0;
    signature.member = (!global && !isStatic) || node->ReturnType == nullptr ||
                       signature.convention == CallingConvention::Thiscall;
    signature.variadic = node->IsVariadic;
    std::vector<std::string> parameters;
    if (node->Params != nullptr) {
        for (std::size_t i = 0; i < node->Params->Count; ++i)
            parameters.push_back(node->Params->Nodes[i]->toString());
    }
    signature.parameters = std::move(parameters);
    if (node->ReturnType != nullptr)
        signature.returnType = node->ReturnType->toString();
}

/// The parameter list "(int, char const*)" as its types, split at the commas outside
/// brackets.
std::vector<std::string> splitParameters(std::string_view list, bool& variadic)
{
    std::vector<std::string> out;
    if (list.size() >= 2 && list.front() == '(' && list.back() == ')')
        list = list.substr(1, list.size() - 2);
    int depth = 0;
    std::string current;
    const auto flush = [&] {
        while (!current.empty() && current.front() == ' ')
            current.erase(current.begin());
        while (!current.empty() && current.back() == ' ')
            current.pop_back();
        if (current == "...")
            variadic = true;
        else if (!current.empty())
            out.push_back(current);
        current.clear();
    };
    for (const char c : list) {
        if (c == '(' || c == '<' || c == '[')
            ++depth;
        else if (c == ')' || c == '>' || c == ']')
            --depth;
        if (c == ',' && depth == 0) {
            flush();
            continue;
        }
        current += c;
    }
    flush();
    return out;
}

void readItanium(const std::string& mangled, FunctionSignature& signature)
{
    llvm::ItaniumPartialDemangler demangler;
    // partialDemangle gives true when it fails.
    if (demangler.partialDemangle(mangled.c_str())) {
        signature.kind = SymbolKind::Unreadable;
        return;
    }
    if (demangler.isData()) {
        signature.kind = SymbolKind::Data;
        signature.name = adopt(demangler.finishDemangle(nullptr, nullptr));
        return;
    }
    if (!demangler.isFunction() || demangler.isSpecialName()) {
        signature.kind = SymbolKind::Special;
        return;
    }
    const std::string context = adopt(demangler.getFunctionDeclContextName(nullptr, nullptr));
    const std::string base = adopt(demangler.getFunctionBaseName(nullptr, nullptr));
    signature.name = context.empty() ? base : context + "::" + base;
    // Without "@N" the function follows the compiler's default, cdecl.
    signature.convention = signature.decoration.argumentBytes ? CallingConvention::Stdcall
                                                              : CallingConvention::Cdecl;
    signature.member = demangler.isCtorOrDtor() || demangler.hasFunctionQualifiers();
    signature.maybeMember = !signature.member && !context.empty();
    bool variadic = false;
    signature.parameters =
        splitParameters(adopt(demangler.getFunctionParameters(nullptr, nullptr)), variadic);
    signature.variadic = variadic;
    // The scheme writes the return type of template functions only.
    std::string returnType = adopt(demangler.getFunctionReturnType(nullptr, nullptr));
    if (!returnType.empty())
        signature.returnType = std::move(returnType);
}

}  // namespace

FunctionSignature functionSignature(std::string_view exportName)
{
    FunctionSignature signature;
    signature.decoration = decorationOf(exportName);
    signature.name = std::string(signature.decoration.core);
    const std::string core(signature.decoration.core);
    switch (signature.decoration.decoration) {
        case NameDecoration::None:
            break;
        case NameDecoration::Stdcall:
            signature.convention = CallingConvention::Stdcall;
            break;
        case NameDecoration::Fastcall:
            signature.convention = CallingConvention::Fastcall;
            break;
        case NameDecoration::Microsoft:
            readMicrosoft(core, signature);
            break;
        case NameDecoration::Itanium:
            readItanium(core, signature);
            break;
    }
    return signature;
}

}  // namespace quillon::exe
