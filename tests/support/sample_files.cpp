// The exports of the bundled sample DLLs.
#include "support/sample_files.h"

#include "support/exe_builder.h"

namespace quillon::testing {

namespace {

// A small string-and-date helper library, the kind Clarion programs link against.
const char* const kPeNames[] = {
    "QsAbout",         "QsBase64Decode",  "QsBase64Encode", "QsCompareNoCase", "QsCrc32",
    "QsDateAdd",       "QsDateDiff",      "QsDateFormat",   "QsDateParse",     "QsDayOfWeek",
    "QsFileExists",    "QsFileSize",      "QsFolderCreate", "QsFormatNumber",  "QsGetVersion",
    "QsHexDecode",     "QsHexEncode",     "QsIniRead",      "QsIniWrite",      "QsIsLeapYear",
    "QsLeft",          "QsLower",         "QsMd5",          "QsPadLeft",       "QsPadRight",
    "QsReplace",       "QsRight",         "QsSoundex",      "QsSplit",         "QsStrFind",
    "QsStrReverse",    "QsTimeFormat",    "QsTimeParse",    "QsTrim",          "QsUpper",
    "QsUrlDecode",     "QsUrlEncode",     "QsWordCount",    "_QsInit@4",       "_QsShutdown@0",
};

const char* const kNeResident[] = {"QSPRINTSETUP", "QSPRINTPAGE", "QSPRINTEND"};
const char* const kNeNonResident[] = {"QSPRINTERNAME", "QSPAPERSIZE", "QSORIENTATION",
                                      "QSCOPIES",      "QSPREVIEW",   "WEP"};

}  // namespace

std::vector<SampleFile> bundledSamples()
{
    std::vector<SampleFile> samples;

    PeSpec pe;
    pe.dllName = "QUILLSMP.dll";
    pe.ordinalBase = 1;
    for (const char* name : kPeNames)
        pe.exports.push_back(PeExport{name, std::nullopt, {}});
    samples.push_back(SampleFile{"QUILLSMP.DLL", buildPe(pe).bytes});

    NeSpec ne;
    ne.moduleName = "QUILL16";
    ne.description = "Quillon 16-bit printing sample";
    std::uint16_t ordinal = 1;
    for (const char* name : kNeResident)
        ne.residentNames.push_back(NeName{name, ordinal++});
    for (const char* name : kNeNonResident)
        ne.nonResidentNames.push_back(NeName{name, ordinal++});
    samples.push_back(SampleFile{"QUILL16.DLL", buildNe(ne).bytes});
    return samples;
}

}  // namespace quillon::testing
