// coinwright-print: a table verb printed to PDF, read back with pdftotext.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_runner.h"
#include "output/pdf_text.h"
#include "output/print_layout.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

const Args kLedger = {"ledger", "detail", "--account", "10101", "--from", "2023-01", "--to", "2026-12"};

std::vector<std::string> Lines(const std::vector<std::string>& pages) {
  std::vector<std::string> lines;
  for (const std::string& page : pages) {
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) lines.push_back(NoSpaces(line));
  }
  return lines;
}

class PrintCliTest : public ::testing::Test {
 protected:
  CliResult Print(const Args& args) const { return home_.RunProgram(COINWRIGHT_PRINT, args); }
  std::string Pdf() const { return home_.path() + "-ledger.pdf"; }

  CliHome home_;
};

// The demonstration ledger's cash account over four years: many pages.
TEST_F(PrintCliTest, DetailLedgerPrintsTitleHeaderAndEveryRowOnNumberedPages) {
  Args args = {"--demo", "--pdf", Pdf()};
  args.insert(args.end(), kLedger.begin(), kLedger.end());
  const CliResult printed = Print(args);
  ASSERT_EQ(printed.code, 0) << printed.err;
  EXPECT_EQ(printed.err, "");

  Args query = {"--demo", "--json"};
  query.insert(query.end(), kLedger.begin(), kLedger.end());
  const nlohmann::json ledger = home_.Run(query).Json();
  const std::vector<std::string> pages = PdfPages(Pdf());
  ASSERT_GE(pages.size(), 5u);
  const int count = static_cast<int>(pages.size());
  for (int p = 0; p < count; ++p) {
    SCOPED_TRACE(p + 1);
    const std::string page = NoSpaces(pages[p]);
    // The desktop's title and page header of the ledger.
    EXPECT_NE(page.find("现金明细表-科目：现金\\爸爸现金，日期范围：2023.01-2026.12"), std::string::npos);
    EXPECT_NE(page.find("科目名称：现金\\爸爸现金"), std::string::npos);
    EXPECT_NE(page.find("日期范围：2023.01-2026.12"), std::string::npos);
    EXPECT_NE(page.find("日期说明转入转出现金余额"), std::string::npos);
    EXPECT_NE(page.find(NoSpaces(PageNumberText(p + 1, count))), std::string::npos);
  }
  // Every row, in order, each whole on one line.
  const std::vector<std::string> lines = Lines(pages);
  std::size_t at = 0;
  int rows = 0;
  for (const nlohmann::json& row : ledger["rows"]) {
    std::string expected;
    for (const char* column : {"日  期", "说    明", "转入", "转出", "现金余额"}) {
      expected += NoSpaces(row[column].get<std::string>());
    }
    while (at < lines.size() && lines[at] != expected) ++at;
    ASSERT_LT(at, lines.size()) << "row " << rows << " missing or out of order: " << expected;
    ++at;
    ++rows;
  }
  EXPECT_GT(rows, 200);
}

TEST_F(PrintCliTest, RefusesCommandsThatWriteOrShowNoTableBeforeTheyRun) {
  const struct {
    Args args;
    std::string error;
  } kCases[] = {
      {{"--demo", "--pdf", Pdf(), "budget", "set", "--income", "--month", "2026-01", "501=100"}, "budget set shows no table"},
      {{"--demo", "--pdf", Pdf(), "initial", "set", "10101", "5"}, "initial set shows no table"},
      {{"--demo", "--pdf", Pdf(), "accounts"}, "accounts shows no table"},
      {{"--demo", "users"}, "give --pdf FILE"},
      {{"--demo", "users", "--pdf"}, "--pdf needs a file"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.error);
    const CliResult result = Print(c.args);
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("coinwright-print: " + c.error), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(Pdf()));
  }
  const nlohmann::json budgets = home_.Run({"--demo", "--json", "budget", "list", "--income"}).Json();
  EXPECT_EQ(budgets.dump().find("100.00"), std::string::npos);
}

TEST_F(PrintCliTest, AFileThatCannotBeWrittenIsReportedWithItsCause) {
  const CliResult result = Print({"--demo", "--pdf", home_.path() + "-missing/x.pdf", "users"});
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.err.find("cannot create a file in"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace cw::testing
