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
        const bool passed = lib::fileTest(ws, *marked, [](Workspace& w, const std::string& file) {
            const std::string previous = w.CurrentFileName;
            w.CurrentFileName = file;
            exe::executableTest(w);
            w.CurrentFileName = previous;
            return w.ErrorText.empty();
        });
        outcome = passed ? CandidateTest::Passed : CandidateTest::Failed;
    }
    const int answer = ws.ui().message(candidateTestMessage(outcome, *marked));
    if (outcome == CandidateTest::Passed)
        return CandidateDecision::Passed;
    return answer == 1 ? CandidateDecision::Remove : CandidateDecision::Keep;
}

}  // namespace quillon::reports
