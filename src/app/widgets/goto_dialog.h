// GotoDialog: "Goto module/ordinal number": a module and an ordinal to select; and the row
// number asked by the flat lists' "&Goto...".
#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

#include "core/workspace.h"

class QComboBox;
class QSpinBox;

namespace quillon::app {

/// The row of module `moduleNumber` with ordinal `ordinal`; the module row itself for ordinal
/// 0 or when no symbol of the module has that ordinal. Nothing for an unknown module.
[[nodiscard]] std::optional<std::size_t> findGotoRow(const Workspace& ws, ModuleNumber moduleNumber,
                                                     std::uint16_t ordinal);

/// Asks for a module (by name and number) and an ordinal number; performs nothing.
class GotoDialog final : public QDialog {
    Q_OBJECT
public:
    GotoDialog(const Workspace& ws, QWidget* parent = nullptr);

    void preselect(ModuleNumber moduleNumber);
    [[nodiscard]] ModuleNumber moduleNumber() const;
    [[nodiscard]] std::uint16_t ordinal() const;

    [[nodiscard]] QComboBox* moduleBox() const { return m_modules; }
    [[nodiscard]] QSpinBox* ordinalBox() const { return m_ordinal; }

private:
    QComboBox* m_modules = nullptr;
    QSpinBox* m_ordinal = nullptr;
};

/// "&Goto..." of a flat list of `count` rows: asks for a row number ("Goto row number"),
/// starting from `current` (0-based) or the first row. The chosen row (0-based), or nothing
/// when cancelled or the list is empty.
[[nodiscard]] std::optional<std::size_t> askGotoRow(QWidget* parent,
                                                    std::optional<std::size_t> current,
                                                    std::size_t count);

}  // namespace quillon::app
