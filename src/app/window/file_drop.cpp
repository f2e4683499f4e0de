// What a drop of files on the main window holds and what it does with them.
#include "app/window/file_drop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "app/widgets/qt_ui.h"
#include "base/lib_file_name.h"

namespace quillon::app {

std::vector<std::string> droppedFiles(const QMimeData& data)
{
    std::vector<std::string> files;
    if (!data.hasUrls())
        return files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString file = url.toLocalFile();
        if (QFileInfo(file).isFile())
            files.push_back(toPath(file));
    }
    return files;
}

bool dropOpensLibrary(const std::vector<std::string>& files, bool libraryEmpty)
{
    return libraryEmpty && files.size() == 1 && isLibFileName(files.front());
}

}  // namespace quillon::app
