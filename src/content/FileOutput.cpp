#include "content/FileOutput.h"

#include <cerrno>
#include <exception>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lumo {
namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& file) {
    std::random_device seed;
    std::filesystem::path temp = file;
    temp += ".tmp" + std::to_string(seed() % 1000000000u);
    return temp;
}

#ifndef _WIN32
bool WriteAndSync(const std::filesystem::path& temp, std::string_view bytes) {
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}
#else
bool WriteAndSync(const std::filesystem::path& temp, std::string_view bytes) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}
#endif

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path temp = TemporaryBeside(file);
    std::error_code ec;
    if (!WriteAndSync(temp, bytes)) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
    return ReadFile(file, bytes) == FileRead::Read;
}

#ifndef _WIN32
FileRead ReadFile(const std::filesystem::path& file, std::string& bytes) {
    bytes.clear();
    // POSIX reads, since a stream hides a failed read behind an early end of file.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Failed;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            bytes.clear();
            return FileRead::Failed;  // EIO, or EISDIR for a folder
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileRead::Read;
}
#else
FileRead ReadFile(const std::filesystem::path& file, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return ec ? FileRead::Failed : FileRead::Missing;
    if (!std::filesystem::is_regular_file(file, ec)) return FileRead::Failed;
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return FileRead::Failed;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return in.bad() ? FileRead::Failed : FileRead::Read;
    } catch (const std::exception&) {
        return FileRead::Failed;
    }
}
#endif

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::string prefix = file.filename().string() + ".tmp";
    std::error_code ec;
    std::filesystem::directory_iterator it(file.parent_path().empty() ? "." : file.parent_path(),
                                           ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        if (name.find_first_not_of("0123456789", prefix.size()) != std::string::npos) continue;
        std::error_code ignored;
        if (it->is_regular_file(ignored)) std::filesystem::remove(it->path(), ignored);
    }
}

}  // namespace lumo
