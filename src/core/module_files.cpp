// ModuleFiles: the copy, the reads and the writes of a module row's file names.
#include "core/module_files.h"

namespace quillon {

namespace {

const std::string& noName()
{
    static const std::string empty;
    return empty;
}

}  // namespace

ModuleFiles::ModuleFiles(const ModuleFiles& other)
    : m_names(other.m_names ? std::make_unique<Names>(*other.m_names) : nullptr)
{
}

ModuleFiles& ModuleFiles::operator=(const ModuleFiles& other)
{
    if (this != &other)
        m_names = other.m_names ? std::make_unique<Names>(*other.m_names) : nullptr;
    return *this;
}

const std::string& ModuleFiles::fileName() const
{
    return m_names ? m_names->FILENAME : noName();
}

const std::string& ModuleFiles::fileNameDll() const
{
    return m_names ? m_names->FILENAMEDLL : noName();
}

void ModuleFiles::setFileName(std::string_view fileName)
{
    if (fileName.empty() && !m_names)
        return;
    names().FILENAME = fileName;
    dropWhenEmpty();
}

void ModuleFiles::setFileNameDll(std::string_view fileNameDll)
{
    if (fileNameDll.empty() && !m_names)
        return;
    names().FILENAMEDLL = fileNameDll;
    dropWhenEmpty();
}

ModuleFiles::Names& ModuleFiles::names()
{
    if (!m_names)
        m_names = std::make_unique<Names>();
    return *m_names;
}

void ModuleFiles::dropWhenEmpty()
{
    if (m_names && m_names->FILENAME.empty() && m_names->FILENAMEDLL.empty())
        m_names.reset();
}

}  // namespace quillon
