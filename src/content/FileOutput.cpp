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
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;  // a folder reads as missing
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return false;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return !in.bad();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace lumo
