#pragma once
// Writing a file so that a failure never destroys the file already there.
#include <filesystem>
#include <functional>
#include <stdexcept>

namespace cw {

// A write that failed; the message says what and where.
struct ExportError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Calls `write` with a fresh temporary name in the target's folder (same file
// system, so the rename is atomic) and renames the result over `target` when
// `write` returns. When `write` throws, or the rename fails, the temporary file
// is removed, `target` is untouched and the error reaches the caller
// (ExportError for a failed rename).
void WriteReplacing(const std::filesystem::path& target,
                    const std::function<void(const std::filesystem::path& temporary)>& write);

}  // namespace cw
