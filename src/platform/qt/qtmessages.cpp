#include "platform/qt/qtmessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QString>

namespace platform {

BoxAnswer QtMessages::Show(const BoxRequest& request) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(request.title));
  // Boxes take CR or CR LF line breaks; Qt wants LF.
  QString text = QString::fromStdString(request.text);
  text.replace("\r\n", "\n").replace('\r', '\n');
  box.setText(text);
  switch (request.icon) {
    case BoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case BoxIcon::Information: box.setIcon(QMessageBox::Information); break;
    case BoxIcon::Exclamation:
    case BoxIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case BoxIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case BoxIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  QMessageBox::StandardButton first = QMessageBox::Ok, second = QMessageBox::NoButton, third = QMessageBox::NoButton;
  switch (request.buttons) {
    case BoxButtons::Ok: first = QMessageBox::Ok; break;
    case BoxButtons::YesNo: first = QMessageBox::Yes; second = QMessageBox::No; break;
    case BoxButtons::RetryCancel: first = QMessageBox::Retry; second = QMessageBox::Cancel; break;
    case BoxButtons::OkCancel: first = QMessageBox::Ok; second = QMessageBox::Cancel; break;
    case BoxButtons::SaveDiscardCancel:
      first = QMessageBox::Save;
      second = QMessageBox::Discard;
      third = QMessageBox::Cancel;
      break;
    case BoxButtons::YesNoCancel:
      first = QMessageBox::Yes;
      second = QMessageBox::No;
      third = QMessageBox::Cancel;
      break;
  }
  box.setStandardButtons(QMessageBox::StandardButtons(first) | second | third);
  const QMessageBox::StandardButton order[] = {first, second, third};
  for (std::size_t i = 0; i < request.labels.size() && i < 3; ++i)
    if (QAbstractButton* button = box.button(order[i]); button && !request.labels[i].empty()) {
      button->setText(QString::fromStdString(request.labels[i]));
      button->setIcon(QIcon());  // a Yes or No icon would not fit the words
    }
  if (request.defaultButton == 3 && third != QMessageBox::NoButton) box.setDefaultButton(third);
  else box.setDefaultButton(request.defaultButton == 2 && second != QMessageBox::NoButton ? second : first);
  // A question is answered with the pointer, whatever the program was busy with.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  QApplication::restoreOverrideCursor();
  switch (answer) {
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    case QMessageBox::Retry: return BoxAnswer::Retry;
    case QMessageBox::Cancel: return BoxAnswer::Cancel;
    case QMessageBox::Save: return BoxAnswer::Save;
    case QMessageBox::Discard: return BoxAnswer::Discard;
    default: return BoxAnswer::Ok;
  }
}

}  // namespace platform
