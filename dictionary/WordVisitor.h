#pragma once
// A non-owning reference to a callable that receives one word and answers
// whether the walk goes on. The dictionary's walks call it for every match,
// often many thousand times per fill step, so it costs one indirect call and
// never allocates.
//
// The referenced callable must outlive the call that takes the visitor; pass
// a lambda directly:
//
//   dict.forEachMatch(5, "K  T ", [&](std::string_view word) {
//     words.emplace_back(word);
//     return true;  // false stops the walk
//   });

#include <memory>
#include <string_view>
#include <type_traits>

namespace vorkel {

class WordVisitor {
 public:
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, WordVisitor> &&
                                              std::is_invocable_r_v<bool, F&, std::string_view>>>
  WordVisitor(F&& f)  // NOLINT: implicit by design, like std::function
      : object_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
        call_([](void* object, std::string_view word) -> bool {
          return (*static_cast<std::remove_reference_t<F>*>(object))(word);
        }) {}

  // `word` holds letter bytes (0x40..0x5F); word.data()[word.size()] is NUL.
  bool operator()(std::string_view word) const { return call_(object_, word); }

 private:
  void* object_;
  bool (*call_)(void*, std::string_view);
};

}  // namespace vorkel
