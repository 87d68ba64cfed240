#pragma once
// The document's one change channel: whoever changes the document says what changed, and
// the main view and the open windows that listen redraw or refresh themselves. Plain C++ so
// that the core, the commands and the batch program use it without a window system.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace core {

// What changed, as bits so that one announcement can carry several.
enum class Change : std::uint32_t {
  Airfoil = 1u << 0,   // a new airfoil was read and prepared
  Setup = 1u << 1,     // the rib set-up (chord, sheeting, features)
  Chord = 1u << 2,     // the chord (windows that show lengths derived from it follow)
  Sheeting = 1u << 3,  // the sheeting thickness
  View = 1u << 4,      // zoom, scroll, display toggles, special views
  Style = 1u << 5,     // colours, line styles, language
  Settings = 1u << 6,  // paths, unit, recent files
  Project = 1u << 7,   // project name or saved state
  NewRib = 1u << 8,    // the document was reset to a new rib
  Restored = 1u << 9,  // the rib set-up was put back whole (undo, redo): copies reload it
};

class Changes {
 public:
  constexpr Changes() = default;
  constexpr Changes(Change c) : bits_(static_cast<std::uint32_t>(c)) {}  // NOLINT: implicit on purpose
  constexpr Changes operator|(Changes other) const { return Changes(bits_ | other.bits_); }
  constexpr bool Has(Change c) const { return (bits_ & static_cast<std::uint32_t>(c)) != 0; }
  constexpr bool Any() const { return bits_ != 0; }

 private:
  constexpr explicit Changes(std::uint32_t bits) : bits_(bits) {}
  std::uint32_t bits_ = 0;
};
constexpr Changes operator|(Change a, Change b) { return Changes(a) | Changes(b); }

class ChangeChannel {
 public:
  using Listener = std::function<void(Changes)>;

  // Keeps a listener connected while it lives; destroy it before what the listener uses.
  class Subscription {
   public:
    Subscription() = default;
    Subscription(Subscription&&) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept {
      if (this != &other) {
        Reset();
        listeners_ = std::move(other.listeners_);
        id_ = other.id_;
      }
      return *this;
    }
    ~Subscription() { Reset(); }
    void Reset();

   private:
    friend class ChangeChannel;
    std::weak_ptr<std::vector<std::pair<int, Listener>>> listeners_;
    int id_ = 0;
  };

  ChangeChannel();
  // A copied document has its own channel with no listeners.
  ChangeChannel(const ChangeChannel&) : ChangeChannel() {}
  ChangeChannel& operator=(const ChangeChannel&) { return *this; }

  [[nodiscard]] Subscription Listen(Listener listener);
  // Tells every listener connected now; listeners may connect or disconnect meanwhile.
  void Announce(Changes what) const;

 private:
  std::shared_ptr<std::vector<std::pair<int, Listener>>> listeners_;
  int nextId_ = 1;
};

}  // namespace core
