// Benchmark of the anagram finder's standard search against Debian's `an`
// on the same words: for each phrase, the time of both, their ratio, and the
// number of answers of both, which must be the same sets of words.
//
//   bench_anagram [DIC] [--words N] [--shortest N]
//
// DIC defaults to the build's Dic/SVbyg.dic. `an` reads Æ, Ø and Å as the
// plain letters A and O, so both programs get the same list: the words of
// DIC made of the letters A to Z only, handed to `an` in lower case
// (`an -d LIST -l WORDS -m SHORTEST PHRASE`); the phrases hold no Æ, Ø or Å.
// Our time is the search alone (the program keeps its dictionary in memory);
// `an` reads its list on every run, so its time is also shown less the time
// of a run on a phrase without anagrams ("an load").

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/AnagramFinder.h"
#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "bench/BenchSupport.h"
#include "platform/Ui.h"

namespace {

using namespace vorkel;
using namespace vorkel::bench;

// ASCII and Latin-1 upper case to lower case, in UTF-8.
std::string lower(std::string utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
    if (c == 0xC3 && i + 1 < utf8.size()) {
      auto d = static_cast<unsigned char>(utf8[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) d = static_cast<unsigned char>(d + 0x20);
      out += static_cast<char>(c);
      out += static_cast<char>(d);
      ++i;
      continue;
    }
    out += static_cast<char>(c);
  }
  return out;
}

// A line's words, sorted and joined: the same set of words in any order.
std::string key(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  std::sort(words.begin(), words.end());
  std::string k;
  for (const auto& w : words) k += w + " ";
  return k;
}

// Runs `an` with its output in a file; its wall time, and its lines.
double runAn(const std::string& list, int words, int shortest, const std::string& phrase,
             std::vector<std::string>& lines) {
  const std::string outPath = "/tmp/bench_anagram_an.out";
  const auto start = Clock::now();
  std::fflush(stdout);  // the child must not repeat buffered output
  const pid_t child = fork();
  if (child == 0) {
    std::FILE* f = std::freopen(outPath.c_str(), "w", stdout);
    (void)f;
    const std::string l = std::to_string(words);
    const std::string m = std::to_string(shortest);
    execl("/usr/games/an", "an", "-d", list.c_str(), "-l", l.c_str(), "-m", m.c_str(),
          phrase.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const double s = seconds(start);
  lines.clear();
  std::ifstream in(outPath);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return (WIFEXITED(status) && WEXITSTATUS(status) == 0) ? s : -1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dicPath = std::string(VORKEL_BINARY_DIR) + "/Dic/SVbyg.dic";
  int maxWords = 3;
  int shortest = 2;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--words" && i + 1 < argc) maxWords = std::atoi(argv[++i]);
    else if (a == "--shortest" && i + 1 < argc) shortest = std::atoi(argv[++i]);
    else dicPath = a;
  }
  QuietUi ui;
  Language language;
  WordStore stock(110000, language, ui);
  if (!loadWordFile(stock, dicPath)) {
    std::fprintf(stderr, "cannot load %s\n", dicPath.c_str());
    return 1;
  }
  WordStore dict(110000, language, ui);
  const std::string list = "/tmp/bench_anagram_words.txt";
  {
    std::ofstream out(list);
    Random random(1);
    stock.forEachWord(random, [&](std::string_view w) {
      const std::string text = stock.codesToText(w);
      if (std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        dict.insertWord(text);
        out << lower(text) << '\n';
      }
      return true;
    });
  }
  std::printf("%d words from %s; at most %d words, shortest %d\n", dict.wordCount(),
              dicPath.c_str(), maxWords, shortest);

  std::vector<std::string> ignored;
  const double anLoad = runAn(list, maxWords, shortest, "qxqxqxqxqx", ignored);
  std::printf("an load (phrase without anagrams): %.3f s\n\n", anLoad);

  const char* phrases[] = {"krydsordet",        "anagrammerne",     "ordbogens bogstav",
                           "Vorkel finder ord", "hansen og jensen", "sommerferien",
                           "kaffekande",        "julemanden kom",   "paul martin"};
  std::printf("%-20s %7s %10s %10s %10s %8s %8s %s\n", "phrase", "letters", "ours s", "an s",
              "an-load s", "ratio", "answers", "an answers / same sets");
  AnagramSettings settings;
  settings.shortestWord = shortest;
  settings.longestWord = 25;
  settings.maxWords = maxWords;
  settings.maxAnswers = 100000000;  // all of them, to compare the sets
  bool allSame = true;
  for (const char* utf8 : phrases) {
    const std::string phrase = utf8ToCp1252(utf8).value();
    int letters = 0;
    for (char c : phrase) letters += c != ' ';
    AnagramFinder finder(dict, settings);
    const auto start = Clock::now();
    const AnagramFinder::Result r = finder.searchAll(phrase);
    const double ours = seconds(start);

    std::set<std::string> ourSets;
    if (r.lines > 0) {
      std::istringstream in(cp1252ToUtf8(r.text));
      for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ourSets.insert(key(lower(line)));
      }
    }
    std::vector<std::string> anLines;
    const double an = runAn(list, maxWords, shortest, utf8, anLines);
    std::set<std::string> anSets;
    for (const auto& line : anLines) anSets.insert(key(line));
    const bool same = ourSets == anSets && ourSets.size() == static_cast<std::size_t>(r.lines);
    allSame = allSame && same;
    std::printf("%-20s %7d %10.4f %10.4f %10.4f %8.2f %8d %8zu %s\n", utf8, letters, ours, an,
                an - anLoad, an / ours, r.lines, anLines.size(), same ? "same" : "DIFFERENT");
  }
  return allSame ? 0 : 1;
}
