// CompareDialog: chooses the module and the disk file of a comparison and its options. It
// returns the choice and performs nothing itself; locating, browsing and testing a file are
// handed to the caller's hooks.
#pragma once

#include <QDialog>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "reports/compare_candidates.h"
#include "reports/compare_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillon::app {

/// What the dialog asks its owner to do.
struct CompareDialogHooks {
    /// The located file of the module at a `LibraryList` row, or nothing; `tell` when the
    /// user asked (a failure is then told), false when the dialog fills the field itself.
    std::function<std::optional<std::string>(std::size_t moduleRow, bool tell)> autolocate;
    /// A file chosen in a file dialog starting at a file or folder, or nothing.
    std::function<std::optional<std::string>(const std::string& start)> browse;
    /// The candidate test of a marked file (or of none).
    std::function<reports::CandidateDecision(const std::optional<std::string>&)> testFile;
};

/// The dialog's result.
struct CompareChoice {
    std::size_t moduleRow = 0;
    std::string diskFile;
    reports::CompareSettings settings;
    /// The candidate files as the dialog left them (tests may have removed some).
    std::vector<std::string> candidates;
};

class CompareDialog final : public QDialog {
    Q_OBJECT
public:
    /// `modules`: each module's `LibraryList` row and name; `moduleRow` is chosen at first.
    CompareDialog(std::vector<std::pair<std::size_t, std::string>> modules, std::size_t moduleRow,
                  const reports::CompareSettings& settings, std::vector<std::string> candidates,
                  CompareDialogHooks hooks, QWidget* parent = nullptr);

    [[nodiscard]] CompareChoice choice() const;

    [[nodiscard]] QComboBox* moduleBox() const { return m_module; }
    [[nodiscard]] QLineEdit* fileEdit() const { return m_file; }
    [[nodiscard]] QListWidget* candidateList() const { return m_candidates; }
    [[nodiscard]] QPushButton* autolocateButton() const { return m_autolocate; }
    [[nodiscard]] QPushButton* testButton() const { return m_test; }
    [[nodiscard]] QCheckBox* matchCaseBox() const { return m_matchCase; }
    [[nodiscard]] QCheckBox* partialBox() const { return m_partial; }

private:
    void autolocate(bool tell);
    void testCandidate();
    [[nodiscard]] std::size_t currentModuleRow() const;

    std::vector<std::pair<std::size_t, std::string>> m_modules;
    reports::CompareSettings m_settings;
    CompareDialogHooks m_hooks;
    QComboBox* m_module = nullptr;
    QLineEdit* m_file = nullptr;
    QListWidget* m_candidates = nullptr;
    QPushButton* m_autolocate = nullptr;
    QPushButton* m_test = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_ignoreOrdinals = nullptr;
    QCheckBox* m_heavyMangling = nullptr;
    QCheckBox* m_partial = nullptr;
    QCheckBox* m_autoCompare = nullptr;
    QCheckBox* m_multiCompare = nullptr;
    QCheckBox* m_showReport = nullptr;
    QCheckBox* m_noUnchanged = nullptr;
};

}  // namespace quillon::app
