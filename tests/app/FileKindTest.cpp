#include "app/FileKind.h"

#include <gtest/gtest.h>

#include "dictionary/Language.h"

namespace vorkel {
namespace {

TEST(FileKindTest, EveryKindOfTheSuiteIsToldFromItsFirstLines) {
  using namespace std::string_view_literals;
  const Language danish;
  const struct {
    std::string_view bytes;
    FileKind kind;
  } cases[] = {
      {"", FileKind::Empty},
      {" \r\n\r\n", FileKind::Empty},
      {"=\x12\x34", FileKind::Dictionary},
      {"[Skabelon]\r\nModel=a.ktd\r\n", FileKind::Template},
      {"; note\r\n[skabelon]\r\n", FileKind::Template},
      {"[Opsat]\r\nGemmested=ud\r\n", FileKind::Settings},
      {"10\t10\r\nBEGIN\t0\r\n", FileKind::Model},
      {"3\t2\r\n#AB\r\nCDE\r\n", FileKind::RawCrossword},
      {"4 3\n####\n#AAA\n#AAA\n", FileKind::RawCrossword},  // a model as a plain-text grid
      {"0\t10\n", FileKind::RawCrossword},                  // a document cut short
      {"-2 1 2 0 -1 0 0\r\n1 2 0 0 0 \r\n", FileKind::Path},
      {"2 0\n1 1\n", FileKind::Path},  // stops of x and y alone
      {"4\t// Versions nummer\r\n30\t// procent\r\n", FileKind::Parameters},
      {"kat\r\nhund\r\n", FileKind::WordList},
      {"\xE6\x62le\n", FileKind::WordList},  // æble in Windows-1252
      {"  mus  \n", FileKind::WordList},
      {"\xEF\xBB\xBFkat\n", FileKind::WordList},
      {"-kat\n", FileKind::Unknown},
      {"kat\0\x01\x02"sv, FileKind::Unknown},
      {"#!/bin/sh\n", FileKind::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(recogniseFile(c.bytes, danish), c.kind) << c.bytes;
}

}  // namespace
}  // namespace vorkel
