#include "core/backup_settings.h"

#include <cstdio>
#include <filesystem>

#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

std::string DefaultBackupFolder() { return Database::DataHome() + "/Backup"; }

BackupSettings ReadBackupSettings() {
  BackupSettings settings;
  CDBPack rows;
  rows.Open(Database::LoadStatement(360));
  if (!rows.IsEnd()) {
    settings.retain = rows.GetShort("RetainFile");
    settings.dir = rows.GetText("Dir");
  }
  if (settings.dir.empty()) settings.dir = DefaultBackupFolder();
  return settings;
}

bool StoreBackupSettings(const BackupSettings& settings) {
  Transaction tx;
  return Database::Execute(Database::LoadStatement(358)) &&
         Database::Execute(Database::LoadStatement(359), {settings.retain, settings.dir}) && tx.Commit();
}

int LocalDate(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

std::string LocalStamp(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d_%H%M%S", &local);
  return text;
}

std::string DefaultManualBackupPath(std::time_t now) {
  return Database::DataHome() + "/CW_" + std::to_string(LocalDate(now)) + ".db";
}

std::string SafetyCopyPath(const std::string& label) {
  std::string stem = std::filesystem::path(Database::CurrentDatabaseFile()).stem().string();
  return DefaultBackupFolder() + "/" + stem + "_" + label + ".db";
}

}  // namespace cw
