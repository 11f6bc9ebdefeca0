#pragma once

#include <filesystem>
#include <string>

namespace lumo {

// The one answer to "where are the pages, the exports and namedata.db". Pages and exports go to
// the program's own data folder (ProgramDataDirectory); when that folder cannot be written (an
// installed program), they
// go to the user's data directory instead ($XDG_DATA_HOME/lumo, by default ~/.local/share/lumo;
// %LOCALAPPDATA%\lumo on Windows). namedata.db is looked up in the same order.
class DataFolder {
  public:
    // Decides once, by probing the program's data folder (created when it is <program>/data).
    static DataFolder Locate(const std::filesystem::path& programDirectory);

    // A data folder fixed by the caller (tests, tools); it is created when missing.
    static DataFolder At(const std::filesystem::path& folder);

    // Where pages and exports are written.
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path File(const std::string& name) const { return path_ / name; }

    // namedata.db of the program's data folder when it exists there, else of the user's data
    // directory when it exists there, else the program's path (so a message can name it).
    std::filesystem::path ReferenceDatabase() const;

    bool UsesUserDirectory() const { return usesUserDirectory_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path programData_;
    bool usesUserDirectory_ = false;
};

// The program's own data folder, found from the folder of the executable so that the build tree,
// an install under any prefix and an unpacked package all work unconfigured: <program>/data when
// that folder exists (the build tree), else <program>/../share/lumo/data when that one exists (an
// installed program), else <program>/data.
std::filesystem::path ProgramDataDirectory(const std::filesystem::path& programDirectory);

// The local help site, found the same way: <program>/site, else <program>/../share/lumo/site,
// else <program>/site.
std::filesystem::path SiteDirectory(const std::filesystem::path& programDirectory);

// $XDG_DATA_HOME/lumo when that variable holds an absolute path, else ~/.local/share/lumo
// (%LOCALAPPDATA%\lumo on Windows).
std::filesystem::path UserDataDirectory();

// True when a new file can be created in the folder (the folder is created first if missing).
bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace lumo
