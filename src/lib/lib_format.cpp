// The record walk, the module rebuild rule and the record encoder of LIB files.
#include "lib/lib_format.h"

#include <algorithm>

#include "io/byte_reader.h"

namespace quillon::lib {

namespace {

std::uint8_t byteAt(std::string_view bytes, std::uint64_t at)
{
    return static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(at)]);
}

std::uint16_t wordAt(std::string_view bytes, std::uint64_t at)
{
    return static_cast<std::uint16_t>(byteAt(bytes, at) | (byteAt(bytes, at + 1) << 8));
}

}  // namespace

std::string_view cutName(std::string_view text, std::size_t maxLength)
{
    text = text.substr(0, std::min(text.size(), maxLength));
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

Result<bool> RecordWalker::next(ImportDefinition& out)
{
    const std::uint64_t size = m_bytes.size();
    while (!m_ended) {
        const std::uint64_t at = m_position;
        if (at >= size || byteAt(m_bytes, at + kTypeOffset) == 0) {
            m_ended = true;
            break;
        }
        if (size - at < kFrameSize) {
            m_ended = true;
            return io::readPastEnd();
        }
        const std::uint16_t length = wordAt(m_bytes, at + kLengthOffset);
        if (length == 0) {
            m_ended = true;
            break;
        }
        const std::uint64_t recordEnd = at + kFrameSize + length;
        m_position = recordEnd;
        const bool importHeader =
            byteAt(m_bytes, at) == kImportDefinitionType && size - at >= kRecordHeaderSize &&
            wordAt(m_bytes, at + kCommentWordOffset) == kImportCommentWord &&
            byteAt(m_bytes, at + kSubtypeOffset) == kImportDefinitionSubtype &&
            byteAt(m_bytes, at + kOrdinalFlagOffset) == kByOrdinal;
        if (importHeader && readImport(at, std::min(recordEnd, size), out))
            return true;
    }
    return false;
}

bool RecordWalker::readImport(std::uint64_t at, std::uint64_t limit, ImportDefinition& out) const
{
    // The names are found from their own length bytes (files from general OMF tools count a
    // checksum byte in the record length), but they must lie inside the record and the file.
    std::uint64_t p = at + kSymbolLengthOffset;
    if (p >= limit)
        return false;
    const std::size_t symbolLength = byteAt(m_bytes, p);
    const std::uint64_t symbolAt = p + 1;
    p = symbolAt + symbolLength;
    if (p >= limit)
        return false;
    const std::size_t moduleLength = byteAt(m_bytes, p);
    const std::uint64_t moduleAt = p + 1;
    p = moduleAt + moduleLength;
    if (p > limit || limit - p < kOrdinalSize)
        return false;
    out.symbol = cutName(m_bytes.substr(symbolAt, symbolLength), kMaxSymbolLength);
    out.module = cutName(m_bytes.substr(moduleAt, moduleLength), kMaxModuleLength);
    out.ordinal = wordAt(m_bytes, p);
    out.position = at;
    return true;
}

Result<bool> containsImportDefinition(std::string_view bytes)
{
    RecordWalker walker(bytes);
    ImportDefinition record;
    return walker.next(record);
}

bool ModuleSplitter::opensModule(const ImportDefinition& record)
{
    const bool opens = !m_any || record.module != m_module ||
                       (record.ordinal == m_ordinal && record.symbol == m_symbol);
    m_any = true;
    m_module = record.module;
    m_symbol = record.symbol;
    m_ordinal = record.ordinal;
    return opens;
}

std::size_t writeImportRecord(char* out, std::string_view symbol, std::string_view module,
                              std::uint16_t ordinal)
{
    symbol = symbol.substr(0, std::min(symbol.size(), kMaxSymbolLength));
    module = module.substr(0, std::min(module.size(), kMaxModuleLength));
    const std::size_t length = symbol.size() + module.size() + kLengthOverhead;
    char* at = out;
    *at++ = static_cast<char>(kImportDefinitionType);
    *at++ = static_cast<char>(length & 0xFF);
    *at++ = static_cast<char>(length >> 8);
    *at++ = static_cast<char>(kImportCommentWord & 0xFF);
    *at++ = static_cast<char>(kImportCommentWord >> 8);
    *at++ = static_cast<char>(kImportDefinitionSubtype);
    *at++ = static_cast<char>(kByOrdinal);
    *at++ = static_cast<char>(symbol.size());
    at = std::copy(symbol.begin(), symbol.end(), at);
    *at++ = static_cast<char>(module.size());
    at = std::copy(module.begin(), module.end(), at);
    *at++ = static_cast<char>(ordinal & 0xFF);
    *at++ = static_cast<char>(ordinal >> 8);
    return static_cast<std::size_t>(at - out);
}

void encodeImportRecord(std::string& out, std::string_view symbol, std::string_view module,
                        std::uint16_t ordinal)
{
    const std::size_t at = out.size();
    out.resize(at + kMaxRecordSize);
    out.resize(at + writeImportRecord(out.data() + at, symbol, module, ordinal));
}

}  // namespace quillon::lib
