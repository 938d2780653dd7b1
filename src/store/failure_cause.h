#pragma once
// Why a statement or a file operation failed, in words the user can act on.
//
// The engine's own text ("database is locked", "disk I/O error") says little to
// a user; the three failures a user can do something about get a sentence of
// their own, and a failure that concerns a file names the file.
#include <string>

struct sqlite3;

namespace cw {

struct FailureCause {
  // Without the closing full stop: messages embed it ("...错误信息:%s。").
  std::string text;
  // A lock held by another program, a full disk or a refused permission: the
  // text is a sentence of its own and is shown without the generic framing.
  bool own_sentence = false;
};

// The cause of result code `rc` of connection `db` (may be null); `path` is the
// file the connection works on.
FailureCause CauseOf(sqlite3* db, int rc, const std::string& path);
// The cause of a failed system call (errno `error`) on the file `path`.
FailureCause CauseOfSystemError(int error, const std::string& path);
// A cause that is not the engine's (a file the program itself checked).
FailureCause PlainCause(std::string text);

// "数据库操作失败！\n\n错误信息:%s。", or the cause alone when it is a sentence of its own.
std::string OperationFailedMessage(const FailureCause& cause);
// "连接数据库失败！\n\n错误信息:%s。"
std::string ConnectFailedMessage(const FailureCause& cause);
// "数据库读取失败！\n\n错误信息:%s。"
std::string ReadFailedMessage(const std::string& cause);

}  // namespace cw
