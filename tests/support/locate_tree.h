// LocateTree: a scratch folder tree for the search tests, with a Wine-prefix layout (system
// and Windows folders, win.ini) and helpers for NE and PE files.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "locate/locate_module.h"
#include "locate/path_parts.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "support/test_workspace.h"

namespace quillon::testing {

/// The smallest file whose header test gives `signature` ("NE", "PE" or anything else): a DOS
/// header whose field at 3Ch points to the signature at 40h.
inline std::string executableBytes(std::string_view signature)
{
    std::string bytes(0x40, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3C] = '\x40';
    bytes += signature;
    bytes += std::string(2, '\0');
    return bytes;
}

/// A test workspace over a tree: "wine/" is the Wine prefix (with "drive_c/windows/" and
/// "drive_c/windows/system32/"), handed to the search through an environment of its own (the
/// process's environment is never read or changed), with an empty PATH and "start/" as the
/// start-up folder.
struct LocateTree {
    LocateTree()
    {
        std::filesystem::create_directories(t.folder.path() / "wine/drive_c/windows/system32");
        std::filesystem::create_directories(t.folder.path() / "start");
        platform::Environment env;
        env.set("WINEPREFIX", prefix());
        env.set("PATH", "");
        locate::state(t.ws).environment = locate::locateEnvironment(t.files, env);
#ifdef _WIN32
        // Windows has no prefix: its own folders stand in for the tree's.
        locate::state(t.ws).environment->systemFolder = systemFolder();
        locate::state(t.ws).environment->windowsFolder = windowsFolder();
        locate::state(t.ws).environment->winIni = path("wine/drive_c/windows/win.ini");
#endif
        locate::state(t.ws).environment->startupFolder = folder("start");
        t.ws.options.UseNoMessages = true;
    }

    [[nodiscard]] std::string prefix() const
    {
        return folder("wine");
    }
    /// The full path of `relative` in the tree, with the platform's separators.
    [[nodiscard]] std::string path(std::string_view relative) const
    {
        return std::filesystem::path(t.folder.file(relative)).make_preferred().string();
    }
    [[nodiscard]] std::string systemFolder() const
    {
        return folder("wine/drive_c/windows/system32");
    }
    [[nodiscard]] std::string windowsFolder() const
    {
        return folder("wine/drive_c/windows");
    }
    /// A folder of the tree (made when missing), with a trailing separator.
    [[nodiscard]] std::string folder(std::string_view relative) const
    {
        std::filesystem::create_directories(t.folder.path() / std::string(relative));
        return path(relative) + platform::kPathSeparator;
    }
    /// Writes a file of the tree and returns its path.
    std::string file(std::string_view relative, std::string_view bytes = "x") const
    {
        (void)t.folder.write(relative, bytes);
        return path(relative);
    }
    std::string pe(std::string_view relative) const
    {
        return file(relative, executableBytes("PE"));
    }
    std::string ne(std::string_view relative) const
    {
        return file(relative, executableBytes("NE"));
    }

    /// A PATH value of `folders`, joined with the platform's list separator.
    [[nodiscard]] static std::string pathList(std::initializer_list<std::string> folders)
    {
        std::string value;
        for (const std::string& folder : folders) {
            if (!value.empty() || &folder != folders.begin())
                value += locate::kPathListSeparator;
            value += folder;
        }
        return value;
    }
    void setPath(const std::string& value)
    {
        locate::state(t.ws).environment->pathVariable = value;
        locate::state(t.ws).pathFolders.reset();
    }
    /// Writes a key of section "Folders" and drops what the search derived from the settings.
    void setFolderOption(std::string_view key, std::string_view value)
    {
        t.settings.writeSetting("Folders", key, value);
        locate::state(t.ws).optionsChanged();
    }

    locate::LocateOutcome locate(std::string_view module)
    {
        locate::LocateRequest request;
        request.moduleName = std::string(module);
        request.quiet = true;
        return locate::LocateModuleFile(t.ws, request);
    }

    TestWorkspace t;
};

}  // namespace quillon::testing
