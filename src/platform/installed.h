#pragma once
// The one implementation of a platform service the program has installed (Qt's in the
// windows, none in the batch program and most tests), or null.

namespace platform {

template <class Service>
Service*& InstalledService() {
  static Service* installed = nullptr;
  return installed;
}

}  // namespace platform
