// The goto dialog of the library list.
#include "app/widgets/goto_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QSpinBox>

#include <algorithm>

#include "app/widgets/qt_ui.h"

namespace quillon::app {

std::optional<std::size_t> findGotoRow(const Workspace& ws, ModuleNumber moduleNumber,
                                       std::uint16_t ordinal)
{
    const LibraryList& rows = ws.library.rows;
    std::optional<std::size_t> module;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].isModule() && rows[i].MODULENUM == moduleNumber) {
            module = i;
            break;
        }
    }
    if (!module || ordinal == 0)
        return module;
    for (std::size_t i = *module + 1; i < rows.size() && !rows[i].isModule(); ++i) {
        if (rows[i].ORDINAL == ordinal)
            return i;
    }
    return module;
}

GotoDialog::GotoDialog(const Workspace& ws, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Goto module/ordinal number");
    auto* form = new QFormLayout(this);
    m_modules = new QComboBox(this);
    for (const ModuleEntry& entry : ws.library.modules)
        m_modules->addItem(
            QString("%1  %2").arg(entry.MODULENUM).arg(fromCp1252(entry.MODULENAME.view())),
            entry.MODULENUM);
    m_ordinal = new QSpinBox(this);
    m_ordinal->setRange(0, 65535);
    form->addRow("&Module:", m_modules);
    form->addRow("&Ordinal number:", m_ordinal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void GotoDialog::preselect(ModuleNumber moduleNumber)
{
    const int at = m_modules->findData(moduleNumber);
    if (at >= 0)
        m_modules->setCurrentIndex(at);
}

ModuleNumber GotoDialog::moduleNumber() const
{
    return static_cast<ModuleNumber>(m_modules->currentData().toUInt());
}

std::uint16_t GotoDialog::ordinal() const
{
    return static_cast<std::uint16_t>(m_ordinal->value());
}

std::optional<std::size_t> askGotoRow(QWidget* parent, std::optional<std::size_t> current,
                                      std::size_t count)
{
    if (count == 0)
        return std::nullopt;
    const int last = static_cast<int>(std::min<std::size_t>(count, 0x7FFFFFFF));
    const int start = current ? static_cast<int>(*current) + 1 : 1;
    bool ok = false;
    const int row =
        QInputDialog::getInt(parent, "Goto row number", "&Row number:", start, 1, last, 1, &ok);
    if (!ok)
        return std::nullopt;
    return static_cast<std::size_t>(row - 1);
}

}  // namespace quillon::app
