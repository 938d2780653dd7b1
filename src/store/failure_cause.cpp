#include "store/failure_cause.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

#include "base/gbk_text.h"

namespace cw {

FailureCause CauseOfSystemError(int error, const std::string& path) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return {"没有权限写入文件：" + path, true};
    case ENOSPC:
    case EDQUOT:
      return {"磁盘空间不足，数据没有写入", true};
    case ENOENT:
      return {"文件不存在：" + path, false};
    default:
      return {std::string(std::strerror(error)) + "：" + path, false};
  }
}

FailureCause CauseOf(sqlite3* db, int rc, const std::string& path) {
  const int system_error = db ? sqlite3_system_errno(db) : 0;
  switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return {"数据库正在被另一个程序写入，请稍后再试", true};
    case SQLITE_FULL:
      return {"磁盘空间不足，数据没有写入", true};
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return {"没有权限写入文件：" + path, true};
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return {"文件已损坏或不是本程序的数据文件：" + path, false};
    default:
      break;
  }
  if (system_error != 0 && ((rc & 0xFF) == SQLITE_CANTOPEN || (rc & 0xFF) == SQLITE_IOERR)) {
    return CauseOfSystemError(system_error, path);
  }
  std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  if ((rc & 0xFF) == SQLITE_CANTOPEN || (rc & 0xFF) == SQLITE_IOERR) text += "：" + path;
  return {text, false};
}

FailureCause PlainCause(std::string text) { return {std::move(text), false}; }

std::string OperationFailedMessage(const FailureCause& cause) {
  return cause.own_sentence ? cause.text + "。" : StrFormat("数据库操作失败！\n\n错误信息:%s。", cause.text.c_str());
}

std::string ConnectFailedMessage(const FailureCause& cause) {
  return StrFormat("连接数据库失败！\n\n错误信息:%s。", cause.text.c_str());
}

std::string ReadFailedMessage(const std::string& cause) {
  return StrFormat("数据库读取失败！\n\n错误信息:%s。", cause.c_str());
}

}  // namespace cw
