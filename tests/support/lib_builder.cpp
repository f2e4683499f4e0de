// Test LIB files built record by record.
#include "support/lib_builder.h"

namespace quillon::testing {

namespace {

void appendWord(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void appendName(std::string& out, std::string_view name)
{
    out += static_cast<char>(name.size() & 0xFF);
    out += name;
}

}  // namespace

std::string importBody(std::string_view module, std::string_view symbol, std::uint16_t ordinal,
                       std::uint8_t ordinalFlag)
{
    std::string body;
    body += '\x00';
    body += '\xA0';
    body += '\x01';
    body += static_cast<char>(ordinalFlag);
    appendName(body, symbol);
    appendName(body, module);
    if (ordinalFlag == 1)
        appendWord(body, ordinal);
    return body;
}

LibBuilder& LibBuilder::import(std::string_view module, std::string_view symbol,
                               std::uint16_t ordinal)
{
    return record(0x88, importBody(module, symbol, ordinal));
}

LibBuilder& LibBuilder::importWithChecksum(std::string_view module, std::string_view symbol,
                                           std::uint16_t ordinal)
{
    std::string body = importBody(module, symbol, ordinal);
    body += '\x5A';
    return record(0x88, body);
}

LibBuilder& LibBuilder::importByName(std::string_view module, std::string_view symbol)
{
    std::string body = importBody(module, symbol, 0, 0);
    appendName(body, symbol);  // the entry name an import by name carries
    return record(0x88, body);
}

LibBuilder& LibBuilder::record(std::uint8_t type, std::string_view body)
{
    return recordWithLength(type, static_cast<std::uint16_t>(body.size()), body);
}

LibBuilder& LibBuilder::recordWithLength(std::uint8_t type, std::uint16_t length,
                                         std::string_view body)
{
    m_bytes += static_cast<char>(type);
    appendWord(m_bytes, length);
    m_bytes += body;
    return *this;
}

LibBuilder& LibBuilder::raw(std::string_view bytes)
{
    m_bytes += bytes;
    return *this;
}

std::string libBytes(std::initializer_list<LibEntry> entries)
{
    LibBuilder builder;
    for (const LibEntry& e : entries)
        builder.import(e.module, e.symbol, e.ordinal);
    return builder.bytes();
}

}  // namespace quillon::testing
