#include "dictionary/NumberClues.h"

#include <array>
#include <utility>

#include "dictionary/WordForms.h"

namespace vorkel {

namespace {

// The cardinals up to twenty, the tens, a hundred and a thousand, and the
// ordinals up to the twelfth. "en" and "et" are left out: far more often
// the article than the number.
constexpr std::array<std::pair<std::string_view, std::string_view>, 42> kNumbers{{
    {"nul", "0"},         {"to", "2"},           {"tre", "3"},          {"fire", "4"},
    {"fem", "5"},         {"seks", "6"},         {"syv", "7"},          {"otte", "8"},
    {"ni", "9"},          {"ti", "10"},          {"elleve", "11"},      {"tolv", "12"},
    {"tretten", "13"},    {"fjorten", "14"},     {"femten", "15"},      {"seksten", "16"},
    {"sytten", "17"},     {"atten", "18"},       {"nitten", "19"},      {"tyve", "20"},
    {"tredive", "30"},    {"fyrre", "40"},       {"halvtreds", "50"},   {"tres", "60"},
    {"halvfjerds", "70"}, {"firs", "80"},        {"halvfems", "90"},    {"hundrede", "100"},
    {"tusind", "1000"},   {"første", "1."},      {"anden", "2."},       {"tredje", "3."},
    {"fjerde", "4."},     {"femte", "5."},       {"sjette", "6."},      {"syvende", "7."},
    {"ottende", "8."},    {"niende", "9."},      {"tiende", "10."},     {"elvte", "11."},
    {"tolvte", "12."},    {"tyvende", "20."},
}};

}  // namespace

std::optional<std::string> numberClue(std::string_view word) {
  const std::string lower = lowerCaseWord(word);
  for (const auto& [name, figure] : kNumbers)
    if (lower == name) return std::string(figure);
  return std::nullopt;
}

}  // namespace vorkel
