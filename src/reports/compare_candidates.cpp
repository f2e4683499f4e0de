// Testing a candidate disk file of the compare dialog.
#include "reports/compare_candidates.h"

#include "exe/executable_reader.h"
#include "lib/lib_reader.h"
#include "reports/compare_messages.h"

namespace quillon::reports {

CandidateDecision testCandidateFile(Workspace& ws, const std::optional<std::string>& marked)
{
    if (!marked || marked->empty()) {
        ws.ui().message(noFileSelectedMessage());
        return CandidateDecision::NothingSelected;
    }
    CandidateTest outcome = CandidateTest::NotFound;
    if (ws.files().isFile(*marked)) {
        const bool passed = lib::fileTest(ws, *marked, &exe::executableTest).read();
        outcome = passed ? CandidateTest::Passed : CandidateTest::Failed;
    }
    const int answer = ws.ui().message(candidateTestMessage(outcome, *marked));
    if (outcome == CandidateTest::Passed)
        return CandidateDecision::Passed;
    return answer == 1 ? CandidateDecision::Remove : CandidateDecision::Keep;
}

}  // namespace quillon::reports
