// coinwright-print: a table verb printed to PDF, read back with pdftotext.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "output/printed_pages.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

const Args kLedger = {"ledger", "detail", "--account", "10101", "--from", "2023-01", "--to", "2026-12"};

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
  // The desktop's title and page header of the ledger.
  EXPECT_EQ(MissingOnPages(pages, {"现金明细表 - 科目：现金\\爸爸现金，日期范围：2023.01-2026.12",
                                   "科目名称：现金\\爸爸现金", "日期范围：2023.01-2026.12", "日期说明转入转出现金余额"}),
            std::vector<std::string>{});
  // Every row, in order, each whole on one line.
  std::vector<std::string> rows;
  for (const nlohmann::json& row : ledger["rows"]) {
    std::string cells;
    for (const char* column : {"日  期", "说    明", "转入", "转出", "现金余额"}) cells += row[column].get<std::string>();
    rows.push_back(cells);
  }
  EXPECT_GT(rows.size(), 200u);
  EXPECT_EQ(FirstRowMissing(pages, rows), "");
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
