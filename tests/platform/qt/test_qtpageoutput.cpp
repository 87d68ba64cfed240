// Sheets into a PDF file: landscape pages of the entry's paper, the sheet's drawing area in
// millimetres, and a file that is replaced only once complete.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include "platform/fileio.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtpageoutput.h"
#include "support/testsupport.h"

namespace {

platform::SheetPaper A3() {
  platform::SheetPaper paper;
  paper.code = 8;
  paper.lengthMm = 420;
  paper.widthMm = 297;
  return paper;
}

TEST(QtPageOutput, WritesLandscapeSheetsOfThePaperAndReplacesTheFileWhenDone) {
  testsupport::TempDir dir;
  const std::string path = dir.File("rib.pdf");
  testsupport::WriteFile(path, "an older print");
  {
    platform::QtPageOutput pdf(path);
    std::string error;
    ASSERT_TRUE(pdf.Begin(A3(), error)) << error;
    EXPECT_NEAR(pdf.SheetWidthMm(), 420, 0.5);
    EXPECT_NEAR(pdf.SheetHeightMm(), 297, 0.5);
    pdf.Sheet().Line(0, 0, 100, 0, {});
    // Until the document ends the older file stays as it was.
    EXPECT_EQ(testsupport::ReadFile(path), "an older print");
    ASSERT_TRUE(pdf.NewSheet(error)) << error;
    ASSERT_TRUE(pdf.End(error)) << error;
  }
  const std::string written = testsupport::ReadFile(path);
  EXPECT_EQ(written.substr(0, 5), "%PDF-");
  EXPECT_FALSE(std::filesystem::exists(path + ".partial"));
  // Two pages, each 420 x 297 mm (1190.55 x 841.89 points) across.
  std::size_t pages = 0;
  for (std::size_t at = written.find("/Type /Page\n"); at != std::string::npos; at = written.find("/Type /Page\n", at + 1))
    ++pages;
  EXPECT_EQ(pages, 2u);
  const std::size_t box = written.find("/MediaBox [");
  ASSERT_NE(box, std::string::npos);
  double left = 0, bottom = 0, right = 0, top = 0;
  ASSERT_EQ(std::sscanf(written.c_str() + box, "/MediaBox [%lf %lf %lf %lf", &left, &bottom, &right, &top), 4);
  EXPECT_NEAR(right - left, 420 / 25.4 * 72, 0.001);
  EXPECT_NEAR(top - bottom, 297 / 25.4 * 72, 0.001);
}

// A file in a folder that is not there, or a folder in the file's place: reported by name
// once the sheets are painted (in memory), and nothing is left or replaced.
TEST(QtPageOutput, AFileThatCannotBeWrittenIsReportedAndLeavesWhatWasThere) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.File("folder.pdf"));
  for (const std::string& path : {(dir.path() / "missing" / "rib.pdf").string(), dir.File("folder.pdf")}) {
    platform::QtPageOutput pdf(path);
    std::string error;
    ASSERT_TRUE(pdf.Begin(A3(), error)) << error;
    pdf.Sheet().Line(0, 0, 100, 0, {});
    EXPECT_FALSE(pdf.End(error));
    EXPECT_NE(error.find(path), std::string::npos);
  }
  EXPECT_EQ(testsupport::FileNamesIn(dir.path()), std::vector<std::string>{"folder.pdf"});
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.pdf")));
}

// A print to a PDF file is painted as the PDF output paints one: a folder that is not there
// or a full disk is said with the file and its cause, nothing is left behind, the chosen
// printer stays changeable, and the next job, to a file that can be written, prints.
TEST(QtSystemPrinter, AFailedPrintToAFileSaysWhyAndTheChoiceIsKept) {
  testsupport::TempDir dir;
  QPrinter& chosen = platform::SharedPrinter();
  chosen.setOutputFormat(QPrinter::PdfFormat);
  const std::string missing = (dir.path() / "missing" / "rib.pdf").string();
  chosen.setOutputFileName(QString::fromStdString(missing));
  EXPECT_TRUE(platform::PrinterIsSetUp(chosen));
  platform::QtSystemPrinter printer;
  EXPECT_EQ(printer.FilePath(), missing);
  std::string error;
  ASSERT_TRUE(printer.Begin(A3(), error)) << error;
  printer.Sheet().Line(0, 0, 100, 0, {});
  EXPECT_FALSE(printer.End(error));
  EXPECT_EQ(error, "Path not found\n" + missing);

  const std::string path = dir.File("rib.pdf");
  chosen.setOutputFileName(QString::fromStdString(path));
  {
    platform::ScopedWriteFault full(ENOSPC, 100);
    ASSERT_TRUE(printer.Begin(A3(), error)) << error;
    EXPECT_FALSE(printer.End(error));
    EXPECT_EQ(error, "Disk full\n" + path);
  }
  EXPECT_TRUE(testsupport::FileNamesIn(dir.path()).empty());
  ASSERT_TRUE(printer.Begin(A3(), error)) << error;
  printer.Sheet().Line(0, 0, 100, 0, {});
  ASSERT_TRUE(printer.End(error)) << error;
  EXPECT_EQ(testsupport::ReadFile(path).substr(0, 5), "%PDF-");
  EXPECT_EQ(chosen.outputFileName().toStdString(), path);  // the choice outlives the job

  // Set up, the print goes ahead; after a failure the print dialog comes first (here cancelled).
  EXPECT_TRUE(printer.ChooseDestination());
  printer.ChooseAgainNextTime();
  bool dialogShown = false;
  QTimer::singleShot(0, [&dialogShown] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialogShown = true;
      dialog->close();
    }
  });
  EXPECT_FALSE(printer.ChooseDestination());
  EXPECT_TRUE(dialogShown);

  chosen.setOutputFileName(QString());
  chosen.setPrinterName(QString());
  EXPECT_FALSE(platform::PrinterIsSetUp(chosen));
}

}  // namespace
