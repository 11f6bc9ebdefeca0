#pragma once

#include <filesystem>
#include <string_view>

namespace lumo {

// Replaces a file's whole content. The bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the target, so a crash or a full disk never leaves a
// half-written file: either the old content or the new one is there. Answers false when any step
// fails; the old file is then untouched.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The whole content of a file, or false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes);

// What reading a file found: its bytes, no file at all, or a file that is there but could not be
// read whole (no permission, an I/O error, a folder in its place).
enum class FileRead { Read, Missing, Failed };
FileRead ReadFile(const std::filesystem::path& file, std::string& bytes);

// Removes the temporary files WriteFileAtomically leaves beside `file` when it is killed before
// its rename: "<name>.tmp" followed by digits, nothing else. Only for files that a single process
// writes, since another writer's temporary file would go as well.
void RemoveStaleTemporaries(const std::filesystem::path& file);

}  // namespace lumo
