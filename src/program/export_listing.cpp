// Listing the symbols of executables as text for scripts.
#include "program/export_listing.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "base/lib_file_name.h"
#include "core/library_model.h"
#include "base/text_encoding.h"
#include "exe/executable_reader.h"
#include "exe/undecorated_name.h"
#include "exe/unnamed_exports.h"
#include "lib/lib_reader.h"

namespace quillon::exe {

namespace {

/// Lists the symbols of a Clarion LIB file; the rows it loads are dropped again.
void listLibFile(Workspace& ws, const std::string& file, const std::string& fullName,
                 ExportListing& listing)
{
    lib::LibLoadRequest request;
    request.fileName = fullName;
    request.quiet = true;
    const Result<lib::LibLoadOutcome> outcome = lib::loadLibrary(ws, request);
    if (outcome && outcome->end == lib::LibLoadEnd::Cancelled) {
        ws.library = Library{};
        listing.cancelled = true;
        return;
    }
    for (const LibraryRow& row : ws.library.rows) {
        if (row.isSymbol())
            listing.symbols.push_back(
                ListedSymbol{row.MODULENAME.str(), row.SYMBOL.str(), row.ORDINAL, false});
    }
    ws.library = Library{};
    if (!outcome.ok())
        listing.failures.push_back(ListingFailure{file, outcome.error().code, outcome.error().text});
    else if (outcome->end == lib::LibLoadEnd::NotLibrary || outcome->end == lib::LibLoadEnd::Empty)
        listing.failures.push_back(ListingFailure{file, 0, {}, true});
}

/// Counts, and when asked lists, the exports of `file` that have no name.
void addOrdinalOnly(Workspace& ws, const std::string& file, const std::string& fullName,
                    const ExecutableLoad& load, ExportListing& listing)
{
    const auto bytes = ws.files().readWholeFile(fullName);
    if (!bytes)
        return;
    const UnnamedExports unnamed = findUnnamedExports(*bytes);
    if (unnamed.ordinals.empty())
        return;
    listing.ordinalOnly.push_back(OrdinalOnlyCount{file, unnamed.ordinals.size()});
    if (!listing.withOrdinalOnly)
        return;
    const LibraryList& rows = ws.library.rows;
    const std::string module = load.firstNewRow < rows.size()
                                   ? rows[load.firstNewRow].MODULENAME.str()
                                   : unnamed.moduleName;
    for (const std::uint16_t ordinal : unnamed.ordinals)
        listing.symbols.push_back(ListedSymbol{module, std::string(), ordinal, false, true});
}

}  // namespace

ExportListing listExports(Workspace& ws, const std::vector<std::string>& files,
                          bool withOrdinalOnly)
{
    ExportListing listing;
    listing.withOrdinalOnly = withOrdinalOnly;
    for (const std::string& file : files) {
        const std::string fullName = ws.files().fullPath(file);
        if (isLibFileName(fullName)) {
            listLibFile(ws, file, fullName, listing);
            if (listing.cancelled)
                break;
            continue;
        }
        const ExecutableLoad load = executableReader(ws, fullName);
        if (load.cancelled) {
            truncateLibrary(ws, load.firstNewRow);
            listing.cancelled = true;
            break;
        }
        const LibraryList& rows = ws.library.rows;
        std::uint32_t residentLeft = 0;
        for (std::size_t i = load.firstNewRow; i < rows.size(); ++i) {
            if (rows[i].isModule()) {
                residentLeft = load.residentCount;
                continue;
            }
            listing.symbols.push_back(ListedSymbol{rows[i].MODULENAME.str(), rows[i].SYMBOL.str(),
                                                   rows[i].ORDINAL, residentLeft > 0});
            if (residentLeft > 0)
                --residentLeft;
        }
        if (load.withoutOrdinal + load.withoutName > 0)
            listing.skippedEntries.push_back(
                SkippedEntries{file, load.withoutOrdinal, load.withoutName});
        if (load.outcome.ReadStatus == 0 &&
            (load.kind == ExecutableKind::Pe || load.kind == ExecutableKind::Ne))
            addOrdinalOnly(ws, file, fullName, load, listing);
        truncateLibrary(ws, load.firstNewRow);
        if (load.outcome.ReadStatus != 0 || load.outcome.rejected())
            listing.failures.push_back(ListingFailure{file, load.outcome.ReadStatus,
                                                      load.outcome.ErrorText,
                                                      load.outcome.rejected()});
    }
    return listing;
}

namespace {

std::string tsvField(const std::string& raw)
{
    std::string out;
    for (char c : cp1252ToUtf8(raw)) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string exportListingTsv(const ExportListing& listing, const ListingFormat& format)
{
    std::string out;
    for (const ListedSymbol& s : listing.symbols) {
        out += tsvField(s.module) + '\t' + tsvField(s.symbol) + '\t' + std::to_string(s.ordinal) +
               '\t' + (s.resident ? '1' : '0');
        if (listing.withOrdinalOnly)
            out += s.ordinalOnly ? "\t1" : "\t0";
        if (format.undecorated)
            out += '\t' + tsvField(undecoratedName(s.symbol));
        out += '\n';
    }
    return out;
}

std::string exportListingJson(const ExportListing& listing, const ListingFormat& format)
{
    // One object a line, so that the listing of a large library still reads line by line.
    std::string out = "[";
    for (std::size_t i = 0; i < listing.symbols.size(); ++i) {
        const ListedSymbol& s = listing.symbols[i];
        nlohmann::ordered_json row = {{"module", cp1252ToUtf8(s.module)},
                                      {"symbol", cp1252ToUtf8(s.symbol)},
                                      {"ordinal", s.ordinal},
                                      {"resident", s.resident}};
        if (listing.withOrdinalOnly)
            row["ordinalOnly"] = s.ordinalOnly;
        if (format.undecorated)
            row["undecorated"] = cp1252ToUtf8(undecoratedName(s.symbol));
        out += i == 0 ? "\n  " : ",\n  ";
        out += row.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    out += listing.symbols.empty() ? "]\n" : "\n]\n";
    return out;
}

}  // namespace quillon::exe
