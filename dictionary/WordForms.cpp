#include "dictionary/WordForms.h"

#include <hunspell.hxx>

#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

std::string lowerCaseWord(std::string_view utf8) {
  std::string out(utf8);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 0x20);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      // U+00C0..U+00DE are two bytes C3 80..C3 9E; their small letters are C3 A0..C3 BE.
      const auto d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return out;
}

std::unique_ptr<WordForms> WordForms::open(const std::string& base) {
  const std::string aff = base + ".aff", dic = base + ".dic";
  if (!Files::isFile(aff) || !Files::isFile(dic)) return nullptr;
  auto speller = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
  const std::string encoding = speller->get_dict_encoding();
  const bool latin1 = encoding == "ISO8859-1" || encoding == "ISO-8859-1";
  if (!latin1 && encoding != "UTF-8") return nullptr;
  return std::unique_ptr<WordForms>(new WordForms(std::move(speller), latin1));
}

WordForms::WordForms(std::unique_ptr<Hunspell> speller, bool latin1)
    : speller_(std::move(speller)), latin1_(latin1) {}

WordForms::~WordForms() = default;

std::optional<std::string> WordForms::toDictionary(std::string_view utf8) const {
  if (!latin1_) return std::string(utf8);
  std::string bytes;
  if (!utf8ToCp1252Exact(utf8, bytes)) return std::nullopt;
  return bytes;
}

std::string WordForms::fromDictionary(const std::string& bytes) const {
  return latin1_ ? cp1252ToUtf8(bytes) : bytes;
}

bool WordForms::isWord(std::string_view word) const {
  const auto bytes = toDictionary(word);
  return bytes && !bytes->empty() && speller_->spell(*bytes);
}

std::vector<std::string> WordForms::stems(std::string_view word) const {
  const auto bytes = toDictionary(word);
  if (!bytes || bytes->empty()) return {};
  std::vector<std::string> out;
  for (const std::string& s : speller_->stem(*bytes)) {
    std::string stem = lowerCaseWord(fromDictionary(s));
    if (std::find(out.begin(), out.end(), stem) == out.end()) out.push_back(std::move(stem));
  }
  return out;
}

bool WordForms::isFormOf(std::string_view form, std::string_view base) const {
  const auto bytes = toDictionary(form);
  const auto baseBytes = toDictionary(base);
  if (!bytes || !baseBytes || bytes->empty() || !speller_->spell(*bytes)) return false;
  // Hunspell also takes made-up compounds ("dyr" + "ten"); only an analysis
  // of one word ("pa:" names the parts of a compound) with `base` as its
  // stem counts.
  const std::string stem = "st:" + *baseBytes;
  for (const std::string& analysis : speller_->analyze(*bytes)) {
    if (analysis.find("pa:") != std::string::npos) continue;
    const std::size_t at = analysis.find(stem);
    if (at == std::string::npos) continue;
    const std::size_t end = at + stem.size();
    if (end == analysis.size() || analysis[end] == ' ') return true;
  }
  return false;
}

std::optional<std::string> WordForms::inflectLike(std::string_view base, std::string_view answer,
                                                  std::string_view answerStem) const {
  if (base.empty() || answerStem.empty() || base.find(' ') != std::string_view::npos) return std::nullopt;
  // A verb's past drops the stem's final e (lede: ledte).
  if (!answer.starts_with(answerStem) && answerStem.size() > 2 && answerStem.back() == 'e' &&
      answer.size() >= answerStem.size() &&
      answer.starts_with(answerStem.substr(0, answerStem.size() - 1)))
    answerStem.remove_suffix(1);
  if (!answer.starts_with(answerStem)) return std::nullopt;
  std::string_view ending = answer.substr(answerStem.size());
  if (ending.empty()) return std::string(base);
  auto consonant = [](char c) {
    return static_cast<unsigned char>(c) < 0x80 &&  // æ, ø, å: bytes above 0x7F
           std::string_view("aeiouy").find(c) == std::string_view::npos;
  };
  // The answer's own doubled consonant (kat + ten: katten) is the join, not the ending.
  if (ending.size() > 1 && consonant(answerStem.back()) && ending.front() == answerStem.back())
    ending.remove_prefix(1);
  // The endings that do the same work in other inflection classes: a noun's
  // definite form (-en, -et), its plural (-e, -er), definite plural (-ene,
  // -erne), a verb's past (-ede, -te). The answer's own ending is tried first.
  static constexpr std::string_view kGroups[][4] = {
      {"en", "n", "et", "t"}, {"e", "er", "r", ""}, {"erne", "ene", "rne", "ne"},
      {"ede", "te", "de", ""}, {"ens", "ns", "ets", "ts"}, {"ernes", "enes", "rnes", "nes"}};
  std::vector<std::string> endings = {std::string(ending)};
  for (const auto& group : kGroups)
    if (std::find(std::begin(group), std::end(group), ending) != std::end(group))
      for (std::string_view e : group)
        if (!e.empty() && e != ending) endings.emplace_back(e);
  // Each ending joined as it is, to a base without its final e (føde + en:
  // føden), and after the base's last consonant doubled (kat + en: katten).
  std::vector<std::string> forms;
  for (const std::string& e : endings) {
    forms.push_back(std::string(base) + e);
    if (base.back() == 'e' && e.front() == 'e') forms.push_back(std::string(base) + e.substr(1));
    if (base.back() == 'e' && consonant(e.front()))  // søge + te: søgte
      forms.push_back(std::string(base.substr(0, base.size() - 1)) + e);
    if (consonant(base.back()) && !consonant(e.front()))
      forms.push_back(std::string(base) + base.back() + e);
  }
  for (const std::string& form : forms)
    if (isFormOf(form, base)) return form;
  return std::nullopt;
}

}  // namespace vorkel
