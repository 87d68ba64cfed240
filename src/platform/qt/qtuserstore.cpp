#include "platform/qt/qtuserstore.h"

#include <QSettings>
#include <QString>

namespace platform {

namespace {
QString SettingsKey(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + "/" +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtUserStore::QtUserStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "vandrell",
                                            kUserStoreApp)) {}

QtUserStore::QtUserStore(const std::string& file)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat)) {}

QtUserStore::~QtUserStore() = default;

std::string QtUserStore::Get(std::string_view section, std::string_view key) {
  return settings_->value(SettingsKey(section, key)).toString().toStdString();
}

void QtUserStore::Set(std::string_view section, std::string_view key, std::string_view value) {
  settings_->setValue(SettingsKey(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
  settings_->sync();
}

}  // namespace platform
