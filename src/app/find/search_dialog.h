// SearchDialog: the find and query dialog: keywords with their history, match option, flags.
#pragma once

#include <QDialog>

#include <string>

#include "core/workspace.h"
#include "query/search_options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quillon::app {

/// Opens with the options of its mode's section and the keyword history. The start button
/// runs the checks before a start (which may change the options or send the user back), stores
/// the options and the history, and accepts; the caller then runs the search. "Close" keeps
/// the option changes without searching, "Cancel" drops them. Performs no search itself.
class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    /// What ended the dialog.
    enum class Outcome { Start, Close, Cancel };

    SearchDialog(Workspace& ws, query::SearchMode mode, QWidget* parent = nullptr);

    /// The options as the dialog holds them now.
    [[nodiscard]] query::SearchOptions options() const;
    [[nodiscard]] Outcome outcome() const { return m_outcome; }

    /// The start button ("&Find next" or "&Extract now"): checks, stores and accepts.
    void start();

    [[nodiscard]] QComboBox* keywordBox() const { return m_keywords; }
    [[nodiscard]] QComboBox* matchBox() const { return m_match; }
    [[nodiscard]] QPushButton* startButton() const { return m_start; }
    [[nodiscard]] QCheckBox* multipleBox() const { return m_multiple; }
    [[nodiscard]] QCheckBox* caseBox() const { return m_case; }
    [[nodiscard]] QCheckBox* markBox() const { return m_mark; }
    [[nodiscard]] QCheckBox* progressBox() const { return m_progress; }
    [[nodiscard]] QCheckBox* accumulateBox() const { return m_accumulate; }
    [[nodiscard]] QCheckBox* backwardBox() const { return m_backward; }

private:
    void showOptions(const query::SearchOptions& options);

    Workspace& m_ws;
    query::SearchMode m_mode;
    std::string m_loadedKeywords;
    Outcome m_outcome = Outcome::Cancel;
    QComboBox* m_keywords = nullptr;
    QComboBox* m_match = nullptr;
    QCheckBox* m_multiple = nullptr;
    QCheckBox* m_case = nullptr;
    QCheckBox* m_mark = nullptr;
    QCheckBox* m_progress = nullptr;
    QCheckBox* m_accumulate = nullptr;
    QCheckBox* m_backward = nullptr;
    QLabel* m_indicator = nullptr;
    QPushButton* m_start = nullptr;
};

}  // namespace quillon::app
