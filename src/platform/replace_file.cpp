// Writing a file whole through a ReplacementFile, creating its folder when it is missing.
#include "platform/replace_file.h"

#include <filesystem>

#include "platform/file_system.h"
#include "platform/native_path.h"
#include "platform/replacement_file.h"

namespace quillon::platform {

Status replaceFile(FileSystem& files, const std::string& path, std::string_view content)
{
    const std::string folder = pathText(fileSystemPath(path).parent_path());
    if (!folder.empty() && !files.exists(folder)) {
        if (Status made = files.createFolder(folder); !made)
            return made;
    }
    Result<ReplacementFile> file = ReplacementFile::begin(files, path);
    if (!file)
        return file.error();
    if (Status s = file->append(content); !s)
        return s;
    return file->commit();
}

}  // namespace quillon::platform
