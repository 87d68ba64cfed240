#include "mainwindow/splash.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "core/ribdocument.h"
#include "platform/desktop.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {
using platform::Q;

// A cambered section (thickness 12 %, camber 4 %) for the picture.
QPointF SectionPoint(double x, bool upper) {
  const double t = 0.12 * 5 *
                   (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1015 * x * x * x * x);
  const double camber = x < 0.4 ? 0.04 / 0.16 * (0.8 * x - x * x) : 0.04 / 0.36 * (0.2 + 0.8 * x - x * x);
  return QPointF(x, camber + (upper ? t : -t));
}
}  // namespace

QPixmap ProgramPicture(const QSize& size) {
  QPixmap pixmap(size);
  pixmap.fill(QColor(255, 255, 239));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width() * 0.84, left = size.width() * 0.08, base = size.height() * 0.55;
  auto map = [&](QPointF c) { return QPointF(left + c.x() * w, base - c.y() * w); };
  QPainterPath outline;
  outline.moveTo(map(SectionPoint(1, true)));
  for (int i = 99; i >= 0; --i) outline.lineTo(map(SectionPoint(i / 100.0 * i / 100.0, true)));
  for (int i = 1; i <= 100; ++i) outline.lineTo(map(SectionPoint(i / 100.0 * i / 100.0, false)));
  outline.closeSubpath();
  p.setBrush(QColor(222, 196, 150));  // balsa
  p.setPen(QPen(Qt::black, 1.2));
  p.drawPath(outline);
  p.setBrush(QColor(255, 255, 239));
  p.setPen(QPen(QColor(0, 0, 255), 1));
  for (double x : {0.25, 0.45, 0.65}) {
    const double mid = (SectionPoint(x, true).y() + SectionPoint(x, false).y()) / 2;
    const double r = (SectionPoint(x, true).y() - SectionPoint(x, false).y()) * 0.28;
    p.drawEllipse(map(QPointF(x + 0.06, mid)), r * w, r * w);
  }
  p.setPen(QPen(QColor(255, 0, 0), 1, Qt::DashDotLine));
  p.drawLine(map(QPointF(-0.03, 0)), map(QPointF(1.03, 0)));
  return pixmap;
}

Splash::Splash(const std::string& versionText, QWidget* over) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  picture_ = new QLabel(this);
  picture_->setObjectName("Image1");
  picture_->setPixmap(ProgramPicture(QSize(420, 200)));
  picture_->installEventFilter(this);
  auto* title = new QLabel(platform::kProgramTitle, this);
  title->setObjectName("lblProductName");
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 2.2);
  big.setBold(true);
  title->setFont(big);
  auto* version = new QLabel(Q(platform::Text(keys::VersionWord) + "  " + versionText), this);
  version->setObjectName("lblversion");
  auto* presentation = new QLabel(Q(platform::Text(keys::AboutTitleLine)), this);
  presentation->setObjectName("lblpresentation");
  presentation->setWordWrap(true);
  presentation->setAlignment(Qt::AlignHCenter);
  presentation->setFixedWidth(400);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture_, 0, Qt::AlignHCenter);
  layout->addWidget(title, 0, Qt::AlignHCenter);
  layout->addWidget(presentation, 0, Qt::AlignHCenter);
  layout->addWidget(version, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setStyleSheet("#frmSplash { background: #ffffef; border: 1px solid #808080; }");
  setAttribute(Qt::WA_StyledBackground);

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setSingleShot(true);
  timer_->setInterval(3000);
  connect(timer_, &QTimer::timeout, this, &Splash::Finish);
  timer_->start();
  adjustSize();
  over_ = over;
}

void Splash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Over the middle of the main window, wherever the window manager has put it.
  if (over_) move(over_->frameGeometry().center() - rect().center());
}

QLabel* Splash::Label(const char* name) const { return findChild<QLabel*>(name); }

bool Splash::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
    Finish();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Splash::Finish() {
  timer_->stop();
  close();
  platform::CurrentDesktop().SetBusy(false);
}

}  // namespace mainwindow
