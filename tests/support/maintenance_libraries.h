// Small libraries the maintenance tests share: marked symbols, excludes and duplicates, and
// modules of both bitnesses.
#pragma once

#include "core/workspace.h"
#include "support/library_builder.h"

namespace quillon::testing {

/// A: A1 (excluded), A2; B: B1 (duplicate); C: C1, C2 (duplicate). Removing the marked
/// symbols takes three symbols and module B.
inline void markedLibrary(Workspace& ws)
{
    addModule(ws, "A", {{"A1", 1}, {"A2", 2}});
    addModule(ws, "B", {{"B1", 1}});
    addModule(ws, "C", {{"C1", 1}, {"C2", 2}});
    LibraryList& rows = ws.library.rows;
    rows[0].EXCLUDE = kExcludeModule3;
    rows[1].EXCLUDE = kExcludeListed;
    rows[3].EXCLUDE = kExcludeModule3;
    rows[4].EXCLUDE = kExcludeDuplicate;
    rows[7].EXCLUDE = kExcludeDuplicate;
}

/// A: DllEntryPoint, Foo; B: foo, Bar; C: DllEntryPoint, with the status bar on.
/// DllEntryPoint is excluded and duplicates keep the first entry.
inline void cleanupLibrary(Workspace& ws)
{
    ws.options.UseStatusBar = true;
    addModule(ws, "A", {{"DllEntryPoint", 1}, {"Foo", 2}});
    addModule(ws, "B", {{"foo", 1}, {"Bar", 2}});
    addModule(ws, "C", {{"DllEntryPoint", 1}});
    ws.options.UseExcludeList = true;
    ws.options.UseExcludeGlobalDuplicates = true;
    ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;
    ws.excludeList.assign({{"DLLENTRYPOINT", 1}});
}

/// A 16-bit library of KRNL (16-bit), WIN32MOD (32-bit), LOST (unlocated) and Krnl (16-bit,
/// named like the first), with the bitness synchronised by hand and duplicate modules checked.
inline void modulesLibrary(Workspace& ws)
{
    ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    ws.options.UseBitCheckDuplicates = true;
    ws.options.UseBitCheckSet = LibraryBitness::Set16Bit;
    addModule(ws, "KRNL", {{"A", 1}}, kOs16);
    addModule(ws, "WIN32MOD", {{"B", 1}}, kOs32);
    addModule(ws, "LOST", {{"C", 1}}, kOsUnknown);
    addModule(ws, "Krnl", {{"D", 1}}, kOs16);
}

}  // namespace quillon::testing
