#include "platform/qt/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool UseQtTranslations(const std::string& languageCode) {
  static QTranslator* installed = nullptr;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  if (languageCode.empty() || languageCode == "en" || !QCoreApplication::instance()) return false;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QString::fromStdString("qtbase_" + languageCode),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  return true;
}

}  // namespace platform
