#include "settingswindows/colourswindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "commands/printcommand.h"
#include "platform/help.h"
#include "platform/pageoutput.h"
#include "platform/messages.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"
#include "settingswindows/stylechart.h"

namespace settingswindows {

using platform::Text;

namespace {
using platform::Q;
using platform::T;

// Row captions of the elements, in element order.
constexpr platform::TextKey kRowLabels[core::kElementCount] = {
    keys::OutlineRow,     keys::SheetingRow,        keys::ChordLineRow,       keys::SparsRow,
    keys::LeadingEdgeRow, keys::TrailingEdgeRow,    keys::HolesRow,           keys::StationLinesRow,
    keys::BlockRow,       keys::FirstComparisonRow, keys::SecondComparisonRow};

// An A4 sheet, millimetres.
constexpr double kPageWidth = 210;
constexpr double kPageHeight = 297;
// The chart's margin inside its picture, millimetres.
constexpr double kChartMargin = 4.2;
}  // namespace

TrueScalePicture::TrueScalePicture(double widthMm, double heightMm, Drawing drawing, QWidget* parent)
    : QWidget(parent), widthMm_(widthMm), heightMm_(heightMm), drawing_(std::move(drawing)) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFixedSize(sizeHint());
}

QSize TrueScalePicture::sizeHint() const {
  return {static_cast<int>(std::ceil(widthMm_ * logicalDpiX() / platform::kMmPerInch)),
          static_cast<int>(std::ceil(heightMm_ * logicalDpiY() / platform::kMmPerInch))};
}

void TrueScalePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, *this);
  target.SetBackground(Qt::white);
  target.Clear();
  drawing_(target);
}

TestPagePreview::TestPagePreview(const std::string& versionText, QWidget* parent, core::RibDocument* document)
    : QDialog(parent) {
  setObjectName("frmTestPage");
  setWindowTitle(T(keys::TestPageButton));
  const TestPageTexts texts = TestPageTextsInLanguage(versionText);
  auto* page = new TrueScalePicture(kPageWidth, kPageHeight,
                                [texts](platform::DrawTarget& t) { DrawTestPage(t, texts); });
  page->setObjectName("Page");
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(page);
  scroll->setBackgroundRole(QPalette::Dark);
  scroll->setAlignment(Qt::AlignHCenter);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(T(keys::CloseButton), QDialogButtonBox::RejectRole);
  close->setObjectName("cmdclose");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  if (document) {
    printButton_ = buttons->addButton(T(keys::PrintEntry), QDialogButtonBox::ActionRole);
    printButton_->setObjectName("cmdprint");
    printButton_->setAutoDefault(false);
    connect(printButton_, &QPushButton::clicked, this, [document, texts] {
      commands::PrintRequest request;
      request.draw = [texts](platform::DrawTarget& t, const core::ViewPlacement&) { DrawTestPage(t, texts); };
      request.singleSheet = true;
      request.extras = false;
      request.airfoilNames = {platform::Text(keys::TestPageButton)};
      commands::Print(*document, request, platform::CurrentPrinter(), {});
    });
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addWidget(buttons);
  // The whole width of the page, and as much of its height as the screen allows.
  const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(std::min(page->width() + 60, available.width() - 40), std::min(page->height() + 90, available.height() - 80));
}

ColoursWindow::ColoursWindow(core::RibDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
  setObjectName("frmcoul");
  setWindowTitle(T(keys::ColoursCaption));

  auto* grid = new QGridLayout;
  const platform::TextKey headings[] = {keys::ColourHeading, keys::LineStyleColumnHeading, keys::LineWidthHeading};
  for (int c = 0; c < 3; ++c) {
    // The range goes under its name, so the columns stay as narrow as their boxes.
    auto* heading = new QLabel(T(headings[c]).replace(" (", "\n("), this);
    heading->setObjectName(QString("Label2_%1").arg(c));
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, c + 1);
  }
  auto box = [this](const QString& name, const char* keys) {
    auto* b = new QLineEdit(this);
    b->setObjectName(name);
    b->setMaximumWidth(60);
    b->setAlignment(Qt::AlignCenter);
    new ribwindows::KeyFilter(b, keys);
    return b;
  };
  const StyleBoxes boxes = BoxesFromStyle(document_.style);
  for (int i = 0; i < core::kElementCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    auto* label = new QLabel(T(kRowLabels[slot]), this);
    label->setObjectName(QString("Label1_%1").arg(i));
    colour_[slot] = box(QString("txtcoul%1").arg(i), kColourKeys);
    colour_[slot]->setText(Q(boxes.colour[slot]));
    lineStyle_[slot] = box(QString("txtline%1").arg(i), kLineStyleKeys);
    lineStyle_[slot]->setText(Q(boxes.lineStyle[slot]));
    grid->addWidget(label, i + 1, 0);
    grid->addWidget(colour_[slot], i + 1, 1);
    grid->addWidget(lineStyle_[slot], i + 1, 2);
    if (const std::optional<int> row = WidthRowOf(static_cast<core::Element>(i))) {
      const auto w = static_cast<std::size_t>(*row);
      width_[w] = box(QString("txtEpR%1").arg(*row), kWidthKeys);
      width_[w]->setText(Q(boxes.width[w]));
      grid->addWidget(width_[w], i + 1, 3);
    }
  }
  auto* note = new QLabel(T(keys::ColoursNote), this);
  note->setObjectName("Label3");
  note->setWordWrap(true);
  grid->addWidget(note, core::kElementCount + 1, 0, 1, 4);

  const StyleChartTexts chartTexts = StyleChartTextsInLanguage();
  auto* chart = new TrueScalePicture(StyleChartWidth() + 2 * kChartMargin, StyleChartHeight() + 2 * kChartMargin,
                                 [chartTexts](platform::DrawTarget& t) {
                                   DrawStyleChart(t, kChartMargin + kChartIndexOffset, kChartMargin, chartTexts);
                                 },
                                 this);
  chart->setObjectName("Picture1");

  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(T(keys::SettingsOkButton), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("cmdok");
  okButton_->setDefault(true);
  cancelButton_ = buttons->addButton(T(keys::CancelButton), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("cmdannuler");
  helpButton_ = buttons->addButton(T(keys::HelpButton), QDialogButtonBox::HelpRole);
  helpButton_->setObjectName("cmdaide");
  testPageButton_ = buttons->addButton(T(keys::TestPageButton), QDialogButtonBox::ActionRole);
  testPageButton_->setObjectName("cmdImprtest");
  testPageButton_->setToolTip(T(keys::TestPageTip));
  for (QPushButton* b : {cancelButton_, helpButton_, testPageButton_}) b->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addLayout(grid, 1);
  top->addWidget(chart, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);

  connect(okButton_, &QPushButton::clicked, this, &ColoursWindow::Store);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicSettings); });
  connect(testPageButton_, &QPushButton::clicked, this, &ColoursWindow::ShowTestPage);
}

StyleBoxes ColoursWindow::Boxes() const {
  StyleBoxes boxes;
  for (std::size_t i = 0; i < colour_.size(); ++i) {
    boxes.colour[i] = colour_[i]->text().toStdString();
    boxes.lineStyle[i] = lineStyle_[i]->text().toStdString();
  }
  for (std::size_t i = 0; i < width_.size(); ++i) boxes.width[i] = width_[i]->text().toStdString();
  return boxes;
}

void ColoursWindow::Store() {
  const StyleBoxes boxes = Boxes();
  if (const std::optional<StyleProblem> problem = CheckStyleBoxes(boxes)) {
    platform::Inform(Text("FrmLines", problem->messageKey), windowTitle().toStdString(), platform::BoxIcon::Warning);
    const auto row = static_cast<std::size_t>(problem->row);
    QLineEdit* faulty = problem->column == StyleColumn::Colour      ? colour_[row]
                        : problem->column == StyleColumn::LineStyle ? lineStyle_[row]
                                                                    : width_[row];
    faulty->setFocus();
    faulty->selectAll();
    return;
  }
  StoreStyle(document_, StyleFromBoxes(boxes));
  accept();
}

void ColoursWindow::ShowTestPage() {
  TestPagePreview preview(document_.settings.versionText, this, &document_);
  preview.exec();
}

}  // namespace settingswindows
