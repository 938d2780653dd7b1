// The export's dialogs: the file a typed name and a chosen filter give, the
// save dialog's overwrite question, the progress texts, and what an export
// leaves behind when it is cancelled or fails.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/scripted_prompter.h"
#include "output/export_progress.h"
#include "output/read_xlsx.h"
#include "output/ui/export_dialog.h"
#include "output/ui/export_file_choice.h"
#include "output/ui/export_progress_dialog.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

TEST(ExportFileChoiceTest, TheSuffixComesFromTheNameOrElseFromTheChosenFilter) {
  struct Case {
    std::string typed;
    ExportFormat chosen;
    ExportTarget expected;
  };
  const Case cases[] = {
      {"/tmp/账目", ExportFormat::kXlsx, {"/tmp/账目.xlsx", ExportFormat::kXlsx}},
      {"/tmp/账目", ExportFormat::kCsv, {"/tmp/账目.csv", ExportFormat::kCsv}},
      {"/tmp/账目.XLSX", ExportFormat::kCsv, {"/tmp/账目.XLSX", ExportFormat::kXlsx}},
      {"/tmp/账目.csv", ExportFormat::kXlsx, {"/tmp/账目.csv", ExportFormat::kCsv}},
      {"/tmp/2024.03", ExportFormat::kXlsx, {"/tmp/2024.03.xlsx", ExportFormat::kXlsx}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ExportTargetOf(c.typed, c.chosen)) << c.typed;
}

TEST(ExportFileChoiceTest, TheSaveDialogAsksBeforeReplacingTheNameWithItsSuffix) {
  QTemporaryDir folder;
  const fs::path existing = folder.filePath("账目.xlsx").toStdString();
  std::ofstream(existing) << "old";
  bool asked = false, typed = false;
  testing::OnModal<QFileDialog>(
      [&](QFileDialog* dialog) {
        EXPECT_EQ("请输入导出的文件名", dialog->windowTitle());
        EXPECT_EQ((QStringList{"Excel电子表格 (*.xlsx)", "CSV 文件 (*.csv)"}), dialog->nameFilters());
        testing::OnModal<QMessageBox>(
            [&](QMessageBox* box) {
              asked = true;
              box->button(QMessageBox::Yes)->click();
            },
            nullptr, 3000);
        dialog->setDirectory(folder.path());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("账目");
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog checks the name
      },
      &typed);
  const std::optional<ExportTarget> target = ChooseExportFile(nullptr);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(asked);
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(existing, target->file);
  EXPECT_EQ(ExportFormat::kXlsx, target->format);
}

TEST(ExportFileChoiceTest, TheCsvFilterGivesACsvFile) {
  QTemporaryDir folder;
  testing::OnModal<QFileDialog>([&](QFileDialog* dialog) {
    dialog->setDirectory(folder.path());
    dialog->selectNameFilter("CSV 文件 (*.csv)");
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("账目");
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog checks the name
  });
  const std::optional<ExportTarget> target = ChooseExportFile(nullptr);
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(fs::path(folder.filePath("账目.csv").toStdString()), target->file);
  EXPECT_EQ(ExportFormat::kCsv, target->format);
}

TEST(ExportProgressTest, StateLines) {
  const std::pair<int, std::string> cases[] = {
      {kExportStarting, "状    态：正在初始化接口"},
      {0, "状    态：已经导出0%"},
      {37, "状    态：已经导出37%"},
      {kExportSaving, "状    态：正在保存文件"},
  };
  for (const auto& [state, text] : cases) EXPECT_EQ(text, ExportStateText(state)) << state;
  ExportProgressDialog dialog(nullptr, "Excel电子表格", "/tmp/a.xlsx");
  EXPECT_FALSE(dialog.isModal());
  dialog.SetState(42);
  EXPECT_EQ(42, dialog.Percent());
  dialog.SetState(kExportSaving);
  EXPECT_EQ(42, dialog.Percent()) << "the bar stays while the file is saved";
  EXPECT_EQ(QString("状    态：正在保存文件"), dialog.StateText());
}

class ExportPageOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_.SetColumns({{.title = "日期", .width = 80, .align = Align::Centre},
                      {.title = "收入", .width = 80, .align = Align::Right, .sort = SortKind::Number}});
    grid_.AddRow({.cells = {"2024-03-01", "1200.50"}});
    output_ = {.grid = &grid_, .title = "收入支出记账"};
  }
  void TearDown() override { SetExportFileChooser({}); }

  void ChooseFile(std::optional<ExportTarget> target) {
    SetExportFileChooser([target](QWidget*) { return target; });
  }
  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path().toStdString()))
      names.push_back(entry.path().filename().string());
    return names;
  }
  static std::string Contents(const fs::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
  }

  QTemporaryDir folder_;
  GridModel grid_;
  PageOutput output_;
  ScriptedPrompter prompter_;
};

TEST_F(ExportPageOutputTest, WritesTheWorkbookOrTheCsvFileChosen) {
  const fs::path workbook = folder_.filePath("账目.xlsx").toStdString();
  ChooseFile(ExportTarget{workbook, ExportFormat::kXlsx});
  ExportPageOutput(nullptr, output_, prompter_);
  const std::string sheet = testing::ReadXlsx(workbook.string());
  EXPECT_NE(std::string::npos, sheet.find("A1 s 收入支出记账 | General | center | 宋体 16")) << sheet;
  EXPECT_NE(std::string::npos, sheet.find("B3 n 1200.5 | 0.00 | right | 宋体 10")) << sheet;

  const fs::path csv = folder_.filePath("账目.csv").toStdString();
  ChooseFile(ExportTarget{csv, ExportFormat::kCsv});
  ExportPageOutput(nullptr, output_, prompter_);
  EXPECT_EQ("\xEF\xBB\xBF收入支出记账\r\n日期,收入\r\n2024-03-01,1200.50\r\n", Contents(csv));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ExportPageOutputTest, CancellingWritesNothing) {
  ChooseFile(std::nullopt);
  ExportPageOutput(nullptr, output_, prompter_);
  EXPECT_TRUE(FolderFiles().empty());
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ExportPageOutputTest, AFailedExportKeepsTheExistingFileAndSaysWhy) {
  const fs::path workbook = folder_.filePath("账目.xlsx").toStdString();
  std::ofstream(workbook) << "last month's export";
  // A cell longer than a workbook cell may hold: the writer gives up mid-sheet.
  grid_.AddRow({.cells = {std::string(40000, 'x'), "1.00"}});
  ChooseFile(ExportTarget{workbook, ExportFormat::kXlsx});
  ExportPageOutput(nullptr, output_, prompter_);
  EXPECT_EQ("last month's export", Contents(workbook));
  EXPECT_EQ(std::vector<std::string>{"账目.xlsx"}, FolderFiles()) << "no temporary file is left";
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(PromptStyle::Error, prompter_.shown[0].style);
  EXPECT_EQ(0u, prompter_.shown[0].text.find("文件导出失败：" + workbook.string())) << prompter_.shown[0].text;
}

}  // namespace
}  // namespace cw
