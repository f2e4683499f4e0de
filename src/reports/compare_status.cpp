// Deciding a compared module's status and the seriousness of its changes.
#include "reports/compare_status.h"

#include <string>

#include "reports/compare_texts.h"

namespace quillon::reports {

namespace {

CompareStatus both(std::string_view text)
{
    return {std::string(text), std::string(text)};
}

/// The first rule: nothing missing and nothing renamed or renumbered.
CompareStatus unchangedStatus(const CompareCounts& c, bool withModuleCasing)
{
    if (c.functionCasing == 0 && (!withModuleCasing || c.moduleCasing == 0)) {
        if (c.libraryDuplicates == 0 && c.diskDuplicates == 0)
            return both(kStatusNoChanges);
        return {std::string(kStatusDuplicateEntries), std::string(kStatusDuplicatesShort)};
    }
    return both(kStatusMinorChanges);
}

}  // namespace

CompareStatus decideStatus(const CompareCounts& c, bool partialMatch)
{
    const bool allLibraryMissing = c.missingOnDisk + c.libraryDuplicates == c.libraryFunctions;
    const bool allDiskMissing = c.missingInLibrary + c.diskDuplicates == c.diskFunctions;
    CompareStatus status;
    if (c.missingOnDisk == 0 && c.missingInLibrary == 0 && c.moduleOther == 0 &&
        c.functionOther == 0 && c.ordinalsChanged == 0)
        status = unchangedStatus(c, true);
    else if (allLibraryMissing && allDiskMissing)
        status = both(kStatusWrongModule);
    else if (allLibraryMissing)
        status = both(kStatusNoneFound);
    else if (allDiskMissing)
        status = both(kStatusAllMissing);
    else if (c.missingOnDisk > 0)
        status = {std::string(kStatusMissingOnDisk), std::string(kStatusMissingShort)};
    else if (c.missingInLibrary > 0)
        status = {std::string(kStatusMissingInLibrary), std::string(kStatusMissingShort)};
    else if (partialMatch && c.functionOther == 0 && c.ordinalsChanged == 0)
        status = unchangedStatus(c, false);
    else
        status = both(kStatusModuleChanged);

    if (c.functionOther > 0 || c.ordinalsChanged > 0 || (c.moduleOther > 0 && !partialMatch))
        status.shortText = kStatusModuleChanged;
    return status;
}

CompareStatus failureStatus(const CompareResult& result)
{
    switch (result.end) {
        case CompareEnd::FileNotFound:
            return both(kStatusFileNotFound);
        case CompareEnd::NoExports:
            return both(kStatusNoExports);
        case CompareEnd::ModuleNotFound:
            return both(kStatusModuleNotFound);
        case CompareEnd::ReadError:
            return both(result.errorCode == 8 ? kStatusMemoryError : kStatusReadError);
        case CompareEnd::Cancelled:
        case CompareEnd::Compared:
            break;
    }
    return {};
}

int severityBits(const CompareResult& result)
{
    if (!result.compared())
        return kSeverityError;
    const CompareCounts& c = result.counts;
    int bits = 0;
    if (c.missingOnDisk > 0 || c.ordinalsChanged > 0 || c.functionOther > 0 ||
        (c.moduleOther > 0 && !result.options.partialMatch) ||
        result.status.longText == kStatusWrongModule)
        bits |= kSeverityBreaking;
    if (c.functionCasing > 0 || c.moduleCasing > 0 || c.missingInLibrary > 0 ||
        c.libraryDuplicates > 0 || c.diskDuplicates > 0)
        bits |= kSeverityCompatible;
    return bits;
}

}  // namespace quillon::reports
