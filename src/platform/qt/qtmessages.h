#pragma once
#include "platform/messages.h"

class QWidget;

namespace platform {

// Message and question boxes as Qt message boxes, owned by `parent`.
class QtMessages : public Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  BoxAnswer Show(const BoxRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace platform
