#include "content/DataFolder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

namespace lumo {
namespace {

std::filesystem::path HomeDirectory() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
}

// <program>/NAME when it is a folder, else <program>/../share/lumo/NAME when that is one, else
// <program>/NAME.
std::filesystem::path BesideOrShared(const std::filesystem::path& programDirectory,
                                     const char* name) {
    std::error_code ec;
    std::filesystem::path beside = programDirectory / name;
    if (std::filesystem::is_directory(beside, ec)) return beside;
    std::filesystem::path shared =
        (programDirectory / ".." / "share" / "lumo" / name).lexically_normal();
    if (std::filesystem::is_directory(shared, ec)) return shared;
    return beside;
}

}  // namespace

std::filesystem::path ProgramDataDirectory(const std::filesystem::path& programDirectory) {
    return BesideOrShared(programDirectory, "data");
}

std::filesystem::path SiteDirectory(const std::filesystem::path& programDirectory) {
    return BesideOrShared(programDirectory, "site");
}

std::filesystem::path UserDataDirectory() {
#ifdef _WIN32
    const char* local = std::getenv("LOCALAPPDATA");
    if (local && *local) return std::filesystem::path(local) / "lumo";
    return HomeDirectory() / "lumo";
#else
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute())
        return std::filesystem::path(xdg) / "lumo";
    return HomeDirectory() / ".local" / "share" / "lumo";
#endif
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return false;
    std::random_device seed;
    std::filesystem::path probe = folder / (".lumo-probe" + std::to_string(seed()));
    bool ok = static_cast<bool>(std::ofstream(probe, std::ios::binary));
    std::filesystem::remove(probe, ec);
    return ok;
}

DataFolder DataFolder::Locate(const std::filesystem::path& programDirectory) {
    DataFolder f;
    f.programData_ = ProgramDataDirectory(programDirectory);
    if (IsWritableFolder(f.programData_)) {
        f.path_ = f.programData_;
    } else {
        f.path_ = UserDataDirectory();
        f.usesUserDirectory_ = true;
        std::error_code ec;
        std::filesystem::create_directories(f.path_, ec);
    }
    return f;
}

DataFolder DataFolder::At(const std::filesystem::path& folder) {
    DataFolder f;
    f.path_ = folder;
    f.programData_ = folder;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return f;
}

std::filesystem::path DataFolder::ReferenceDatabase() const {
    std::error_code ec;
    std::filesystem::path own = programData_ / "namedata.db";
    if (std::filesystem::exists(own, ec)) return own;
    std::filesystem::path user = UserDataDirectory() / "namedata.db";
    if (std::filesystem::exists(user, ec)) return user;
    return own;
}

}  // namespace lumo
