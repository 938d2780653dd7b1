#pragma once
// A workbook's first sheet as read_xlsx.py prints it (openpyxl reads it back);
// the test program defines CW_READ_XLSX as the script's path.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace cw::testing {

inline std::string ReadXlsx(const std::string& workbook) {
  FILE* pipe = popen(("/usr/bin/python3 " CW_READ_XLSX " '" + workbook + "'").c_str(), "r");
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << text;
  return text;
}

}  // namespace cw::testing
