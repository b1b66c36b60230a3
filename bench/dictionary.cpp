// Benchmarks of the word store: loading the stock dictionary from a word
// list and from its .dic (words, seconds, peak memory), and the fill
// engine's two questions, possibleLetters and findCandidates, on crossing
// patterns taken from stored words.
//
//   bench_dictionary [DIC]
//
// DIC defaults to the build's Dic/SVbyg.dic. Each load runs in a child
// process so that its peak memory is its own.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "platform/Random.h"
#include "bench/BenchSupport.h"
#include "platform/Ui.h"

namespace {

using namespace vorkel;
using namespace vorkel::bench;

// Loads `path` in a child process and prints words, seconds and peak memory.
void timeLoad(const char* what, const std::string& path, int planned) {
  std::fflush(stdout);  // the child must not repeat buffered output
  int fds[2];
  if (pipe(fds) != 0) return;
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    QuietUi ui;
    Language language;
    const auto start = Clock::now();
    WordStore dict(planned, language, ui);
    const bool ok = loadWordFile(dict, path);
    const double s = seconds(start);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    char line[256];
    const int n = std::snprintf(line, sizeof line, "%-28s %s %8d words %8.4f s %8ld KB peak\n",
                                what, ok ? "ok" : "FAILED", dict.wordCount(), s, usage.ru_maxrss);
    if (write(fds[1], line, static_cast<std::size_t>(n)) < 0) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  char buffer[512];
  ssize_t n;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
    std::fwrite(buffer, 1, static_cast<std::size_t>(n), stdout);
  close(fds[0]);
  waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dic = argc > 1 ? argv[1] : std::string(VORKEL_BINARY_DIR) + "/Dic/SVbyg.dic";
  QuietUi ui;
  Language language;
  Random random(1);

  // A Windows-1252 word list with the same words, for the text loader.
  const std::string list = "/tmp/vorkel-bench-" + std::to_string(getpid()) + ".txt";
  std::vector<std::string> words;  // letter bytes
  {
    WordStore dict(2000000, language, ui);
    if (!loadWordFile(dict, dic) || dict.wordCount() == 0) {
      std::fprintf(stderr, "bench_dictionary: no words in %s\n", dic.c_str());
      return 1;
    }
    std::ofstream out(list, std::ios::binary);
    dict.forEachWord(random, [&](std::string_view w) {
      out << dict.codesToText(w) << "\r\n";
      words.emplace_back(w);
      return true;
    });
  }

  std::printf("Loading (planned size 110000, as a template loads its dictionary)\n");
  timeLoad("word list (Windows-1252)", list, 110000);
  timeLoad(".dic", dic, 110000);
  std::printf("Loading (planned size from the file, as the command line does)\n");
  timeLoad(".dic, planned 1600000", dic, 1600000);
  std::remove(list.c_str());

  WordStore dict(110000, language, ui);
  loadWordFile(dict, dic);

  // Crossing patterns as the fill meets them: a stored word with one to
  // three of its letters known, asked about one unknown cell.
  struct Query {
    Crossing crossing;
    std::string text;  // the same pattern as display text, for findCandidates
  };
  std::vector<Query> queries;
  Random pick(99);
  for (int k = 0; k < 20000; ++k) {
    const std::string& w = words[static_cast<std::size_t>(pick.next() * 32768 + pick.next()) %
                                 words.size()];
    const int length = static_cast<int>(w.size());
    Query q;
    std::string pattern(w.size(), ' ');
    const int known = 1 + pick.below(3);
    for (int i = 0; i < known; ++i) {
      const int at = pick.below(length);
      pattern[static_cast<std::size_t>(at)] = w[static_cast<std::size_t>(at)];
    }
    if (pattern.find(' ') == std::string::npos) continue;  // no open cell to ask about
    int index = pick.below(length);
    while (pattern[static_cast<std::size_t>(index)] != ' ') index = (index + 1) % length;
    std::snprintf(q.crossing.pattern, sizeof q.crossing.pattern, "%s", pattern.c_str());
    q.crossing.index = index;
    q.crossing.length = length;
    q.text = dict.codesToText(pattern);
    for (std::size_t i = 0; i < pattern.size(); ++i)
      if (pattern[i] == ' ') q.text[i] = ' ';
    queries.push_back(q);
  }

  auto start = Clock::now();
  long hits = 0;
  for (auto& q : queries) {
    Crossing c = q.crossing;
    hits += dict.possibleLetters(c);
  }
  double s = seconds(start);
  std::printf("possibleLetters: %zu calls, %.2f us/call (%ld answered true)\n", queries.size(),
              s * 1e6 / static_cast<double>(queries.size()), hits);

  const std::vector<LetterSet> sets(25, ~LetterSet{0});
  long found = 0;
  start = Clock::now();
  for (const auto& q : queries)
    dict.findCandidates(q.crossing.length, q.text, sets.data(), [&](std::string_view) {
      ++found;
      return true;
    });
  s = seconds(start);
  std::printf("findCandidates:  %zu calls, %.2f us/call, %.1f candidates/call\n", queries.size(),
              s * 1e6 / static_cast<double>(queries.size()),
              static_cast<double>(found) / static_cast<double>(queries.size()));
  return 0;
}
