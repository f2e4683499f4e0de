// The compare dialog.
#include "app/compare/compare_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"

namespace quillon::app {

CompareDialog::CompareDialog(std::vector<std::pair<std::size_t, std::string>> modules,
                             std::size_t moduleRow, const reports::CompareSettings& settings,
                             std::vector<std::string> candidates, CompareDialogHooks hooks,
                             QWidget* parent)
    : QDialog(parent),
      m_modules(std::move(modules)),
      m_settings(settings),
      m_hooks(std::move(hooks))
{
    setObjectName("CompareDialog");
    setWindowTitle("Compare module to disk");
    auto* layout = new QVBoxLayout(this);

    auto* what = new QGridLayout;
    m_module = new QComboBox(this);
    for (const auto& [row, name] : m_modules) {
        m_module->addItem(fromCp1252(name), QVariant::fromValue(static_cast<qulonglong>(row)));
        if (row == moduleRow)
            m_module->setCurrentIndex(m_module->count() - 1);
    }
    auto* moduleLabel = new QLabel("Library &module:", this);
    moduleLabel->setBuddy(m_module);
    what->addWidget(moduleLabel, 0, 0);
    what->addWidget(m_module, 0, 1, 1, 3);
    m_file = new QLineEdit(this);
    m_file->setMinimumWidth(360);
    auto* fileLabel = new QLabel("&Disk file:", this);
    fileLabel->setBuddy(m_file);
    auto* browse = new QPushButton("&Browse...", this);
    m_autolocate = new QPushButton("&Autolocate", this);
    m_autolocate->setToolTip("Find the DLL/EXE file of the module with the autolocate search");
    what->addWidget(fileLabel, 1, 0);
    what->addWidget(m_file, 1, 1);
    what->addWidget(browse, 1, 2);
    what->addWidget(m_autolocate, 1, 3);
    layout->addLayout(what);

    auto* files = new QGroupBox("Files compared before (click one to use it)", this);
    auto* filesLayout = new QHBoxLayout(files);
    m_candidates = new QListWidget(files);
    for (const std::string& file : candidates)
        m_candidates->addItem(fromPath(file));
    filesLayout->addWidget(m_candidates, 1);
    auto* fileButtons = new QVBoxLayout;
    m_test = new QPushButton("&Test file", files);
    m_test->setToolTip("Is the marked file still there, and is it a library or executable file?");
    fileButtons->addWidget(m_test);
    fileButtons->addStretch(1);
    filesLayout->addLayout(fileButtons);
    layout->addWidget(files, 1);

    auto* options = new QGroupBox("Options", this);
    auto* grid = new QGridLayout(options);
    auto box = [options, grid](const QString& text, bool on, int row, int column, const char* tip) {
        auto* b = new QCheckBox(text, options);
        b->setChecked(on);
        b->setToolTip(tip);
        grid->addWidget(b, row, column);
        return b;
    };
    const reports::CompareOptions& o = settings.options;
    m_matchCase =
        box("Match &case", o.UseMatchCase, 0, 0, "Report names that differ in letter case");
    m_ignoreOrdinals =
        box("&Ignore ordinals", o.UseIgnoreOrdinals, 0, 1, "Do not compare ordinals");
    m_heavyMangling = box("&Relaxed match", o.UseHeavyMangling, 1, 0,
                          "Also pair decorated names (_Name@8, @Name@8) by their plain name");
    m_partial = box("&Partial match", o.partialMatch, 1, 1,
                    "Module names that differ in case or extension are the same module");
    m_autoCompare = box("Use a&utolocate", settings.UseAutoCompare, 2, 0,
                        "Locate the module's DLL/EXE file when the dialog opens");
    m_multiCompare = box("Compare ne&xt without this dialog", settings.UseMultiCompare, 2, 1,
                         "Compare next (F2) compares the next module with its located file");
    m_showReport = box("Show r&eport", settings.UseShowReport, 3, 0,
                       "Open the compare report after each comparison");
    m_noUnchanged = box("Show &only changed", settings.UseNoUnchanged, 3, 1,
                        "Hide the unchanged functions in the compare list");
    layout->addWidget(options);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("Co&mpare", QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_autolocate, &QPushButton::clicked, this, [this] { autolocate(true); });
    connect(m_test, &QPushButton::clicked, this, &CompareDialog::testCandidate);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (!m_hooks.browse)
            return;
        if (const auto file = m_hooks.browse(toPath(m_file->text())))
            m_file->setText(fromPath(*file));
    });
    connect(m_candidates, &QListWidget::currentTextChanged, m_file, &QLineEdit::setText);
    connect(m_module, &QComboBox::currentIndexChanged, this, [this] {
        if (m_autoCompare->isChecked())
            autolocate(false);
    });
    connect(m_file, &QLineEdit::textChanged, this,
            [ok, this] { ok->setEnabled(!m_file->text().trimmed().isEmpty()); });

    m_file->setText(fromPath(settings.CompareFile));
    if (settings.UseAutoCompare)
        autolocate(false);
    ok->setEnabled(!m_file->text().trimmed().isEmpty());
}

std::size_t CompareDialog::currentModuleRow() const
{
    return static_cast<std::size_t>(m_module->currentData().toULongLong());
}

void CompareDialog::autolocate(bool tell)
{
    if (!m_hooks.autolocate || m_module->count() == 0)
        return;
    if (const auto file = m_hooks.autolocate(currentModuleRow(), tell))
        m_file->setText(fromPath(*file));
}

void CompareDialog::testCandidate()
{
    if (!m_hooks.testFile)
        return;
    QListWidgetItem* item = m_candidates->currentItem();
    std::optional<std::string> marked;
    if (item != nullptr)
        marked = toPath(item->text());
    if (m_hooks.testFile(marked) == reports::CandidateDecision::Remove)
        delete m_candidates->takeItem(m_candidates->row(item));
}

CompareChoice CompareDialog::choice() const
{
    CompareChoice c;
    c.moduleRow = currentModuleRow();
    c.diskFile = toPath(m_file->text().trimmed());
    c.settings = m_settings;
    c.settings.options.UseMatchCase = m_matchCase->isChecked();
    c.settings.options.UseIgnoreOrdinals = m_ignoreOrdinals->isChecked();
    c.settings.options.UseHeavyMangling = m_heavyMangling->isChecked();
    c.settings.options.partialMatch = m_partial->isChecked();
    c.settings.UseAutoCompare = m_autoCompare->isChecked();
    c.settings.UseMultiCompare = m_multiCompare->isChecked();
    c.settings.UseShowReport = m_showReport->isChecked();
    c.settings.UseNoUnchanged = m_noUnchanged->isChecked();
    c.settings.CompareModule = toCp1252(m_module->currentText());
    c.settings.CompareFile = c.diskFile;
    for (int i = 0; i < m_candidates->count(); ++i)
        c.candidates.push_back(toPath(m_candidates->item(i)->text()));
    return c;
}

}  // namespace quillon::app
