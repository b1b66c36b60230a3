#pragma once
// For readers whose reading depends on the language: the input's choice
// byte picks one of the eleven language numbers (Danish, German, English,
// ...), and a scripted ui records what the reader says.

#include "dictionary/Language.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/fuzz/FuzzSupport.h"

namespace vorkel::fuzz {

struct LanguageInput {
  LanguageInput(const std::uint8_t* data, std::size_t size) {
    const Input in = split(data, size);
    bytes = in.bytes;
    language.selectStored(in.choice % 11, ui);
    choice = in.choice;
  }
  ScriptedUi ui;
  Language language;
  std::string_view bytes;
  int choice = 0;
};

}  // namespace vorkel::fuzz
