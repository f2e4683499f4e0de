// Checking and storing in-place edits of the extracted functions and other flat lists.
#include "maintenance/list_entry_edit.h"

#include <string>

#include "base/ascii_text.h"

namespace quillon::maintenance {

std::optional<RowEdit> checkEntryEdit(Workspace& ws, const RowEdit& current, EditField field,
                                      std::string_view text)
{
    RowEdit edit = current;
    std::uint32_t ordinal = current.ordinal;
    if (field == EditField::Name) {
        edit.name = std::string(text);
    } else {
        const auto parsed = parseOrdinalText(text);
        if (!parsed) {
            reportRefusal(ws, EditRefusal::OrdinalNotNumber, EditSource::InPlace);
            return std::nullopt;
        }
        ordinal = *parsed;
    }
    const EditRefusal refusal = checkSymbolFields(edit.name, ordinal, current.ordinal != 0);
    if (refusal != EditRefusal::None) {
        reportRefusal(ws, refusal, EditSource::InPlace);
        return std::nullopt;
    }
    edit.name = std::string(trimRight(edit.name));
    edit.ordinal = static_cast<std::uint16_t>(ordinal);
    return edit;
}

bool commitExtractedEdit(Workspace& ws, std::size_t entry, EditField field, std::string_view text)
{
    if (entry >= ws.queryResults.size())
        return false;
    QueryResult& row = ws.queryResults.rows[entry];
    const std::optional<RowEdit> edit = checkEntryEdit(ws, {row.SYMBOL, row.ORDINAL}, field, text);
    if (!edit)
        return false;
    row.SYMBOL = edit->name;
    row.ORDINAL = edit->ordinal;
    return true;
}

}  // namespace quillon::maintenance
