// `vorkel generate`: makes raw crosswords from a generation template in a
// batch, without a window.
//
//   vorkel generate TEMPLATE.skb [OPTIONS]     (the options: kOptions below)
//
// Before the first attempt the template and its files are checked: a file
// that is missing or of the wrong kind, and a model that the path or the
// dictionary makes hopeless (engine/FillObstacles.h), are refused with the
// file and the cell named, exit 1. --max-tries and --timeout end any run
// that has not finished by then, exit 3.
//
// Relative names inside the template (model, dictionary, path, parameters,
// output folder) are read against the template's own folder, so a folder of
// templates and their files can be used from anywhere. The output folder is
// DIR when given (relative to the current directory), else the template's.
//
// Crosswords are claimed by index from a shared counter and seeded from
// (seed, index) (cli/GenerateJob.h), so a seed names one set of crosswords
// whatever the number of jobs. Ctrl-C stops every job within 128 entries
// into the fill; files appear whole or not at all (engine/RawCrossword.h). A
// second Ctrl-C ends the program at once.

#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/ApplicationContext.h"
#include "app/FileKind.h"
#include "app/TemplateCheck.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ForcedWordOptions.h"
#include "cli/InputFile.h"
#include "cli/InterruptGuard.h"
#include "cli/LanguageOption.h"
#include "cli/GenerateBatch.h"
#include "cli/GenerateJob.h"
#include "engine/RestartPolicy.h"
#include "engine/ForcedWords.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr int kMaxJobs = 64;

// Every option of the command, once: the parse, the ranges and --help come
// from here.
constexpr Option kOptions[] = {
    {"-n", nullptr, true, "COUNT", "raw crosswords to save (default 1)", 1, 100000000},
    {"-o", "--output", true, "DIR",
     "output folder (default: the template's DestDir, else the installation's output folder, "
     "else the template's folder)"},
    {"--seed", nullptr, true, "S", "seed of the run (default: from the clock; reported with --json)"},
    {"--with-letters", nullptr, false, nullptr,
     "keep the model's letters instead of placing seed letters"},
    {"--jobs", nullptr, true, "J", "generators in parallel (default 1)", 1, kMaxJobs},
    {"--json", nullptr, false, nullptr, "print a summary as JSON on stdout instead of the file names"},
    {"--restart", nullptr, true, "P",
     "give up an attempt after a budget of fill steps: none, fixed:N (N steps) or luby:U (U times "
     "1 1 2 1 1 2 4 ...); a step is a dead end of the fast fill, an entry into the search of the "
     "path fill (default: luby:100 for the fast fill, luby:300 on words cut at a score floor, "
     "luby:4000 for the path fill)"},
    {"--fill", nullptr, true, "F",
     "fast (default): chooses its own order, ignores the path and the search parameters; path: "
     "follows the template's path and parameters, as the window's commands do"},
    {"--max-tries", nullptr, true, "N", "end the run after N attempts in all (exit 3)", 1,
     2000000000},
    {"--timeout", nullptr, true, "SECONDS", "end the run after this long (exit 3)", 1, 31536000},
    {"--encoding", nullptr, true, "E",
     "how a word list named as the dictionary is read: auto (default), utf-8 or cp1252 (see "
     "'vorkel dict --help')"},
    {"--forced", nullptr, true, "FILE",
     "every crossword holds the words of FILE (one a line, at most 100, as the window's "
     "tvang.txt); they are placed into the empty model first and the rest is filled around them "
     "by the path fill"},
    {"--draw", nullptr, true, "N", "every crossword holds N words drawn at random from the word file",
     1, static_cast<long long>(ForcedWords::Capacity)},
    {"--word-file", nullptr, true, "FILE",
     "the words to draw from (one a line); new words are drawn every fifth attempt, and N is "
     "lowered when fewer words fit the model"},
    {"--min-score", nullptr, true, "N",
     "never use a word scored below N (0..100) in the score file beside the dictionary "
     "(SVbyg.score beside SVbyg.dic); default: the template's MinScore (the stock templates "
     "name 50, the quality tier); 0 takes every word but those scored 0; fast fill only",
     0, 100},
};

std::string usage() {
  return "usage: vorkel generate TEMPLATE.skb [OPTIONS]\n"
         "\n"
         "Fills the template's model COUNT times and writes each crossword as a raw\n"
         "crossword (x10_000.010, ...) into the output folder; prints their names.\n"
         "\n" +
         optionLines(kOptions) +
         "\n"
         "--forced and --draw with --word-file are alternatives; both fill with --fill path.\n"
         "With a score file beside the dictionary the fast fill never uses a word scored 0\n"
         "and prefers the better words among those that fit, and --json gives each\n"
         "crossword's lowest and mean word score (\"word_scores\", in the order of\n"
         "\"files\"). A score file that does not match its dictionary is refused (exit 1).\n"
         "\n"
         "Exit status: 0 all saved, 1 a file cannot be used or no crossword can be made\n"
         "from it, 2 bad arguments, 3 --max-tries or --timeout reached, 130 Ctrl-C.\n";
}

// The default restart policy, chosen from measurements on the six stock
// models (fill steps per saved crossword, summed over the models: luby:4000
// about 93000, fixed:4000 96000, luby:2000 116000, fixed:16000 130000; with
// no restarts three of the models did not finish 20 crosswords in 60 s).
constexpr const char* kDefaultRestart = "luby:4000";
// The fast fill's default is fastFillRestart (engine/RestartPolicy.h): on
// the benchmark's hard grids (bench_fill --restart, 40 seeds each) a unit of
// 100 gave the lowest medians and 90th percentiles, and without restarts
// the 90th percentile of the hardest grid is a hundred times its median.

struct Options {
  std::string templatePath;
  int count = 1;
  std::string outputFolder;
  std::optional<std::uint32_t> seed;
  bool withLetters = false;
  int jobs = 1;
  bool json = false;
  std::optional<RestartPolicy> restart;  // default: the fill's own
  FillKind fill = FillKind::Fast;
  std::uint64_t maxTries = 0;
  double timeoutSeconds = 0;
  WordListEncoding encoding = WordListEncoding::Auto;
  ForcedWordOptions forced;
  int minScore = -1;  // not given
};

// nullopt after a bad argument (said) or --help (`help` set).
std::optional<Options> parseOptions(const Args& args, Console& console, bool& help) {
  Arguments a;
  if (!a.parse(args, kOptions, console)) return std::nullopt;
  help = a.help;
  if (help) return std::nullopt;
  Options o;
  o.withLetters = a.has("--with-letters");
  o.json = a.has("--json");
  int maxTries = 0;
  int timeout = 0;
  if (!a.number("-n", o.count, console) || !a.number("--jobs", o.jobs, console) ||
      !a.number("--max-tries", maxTries, console) || !a.number("--timeout", timeout, console) ||
      !a.number("--min-score", o.minScore, console))
    return std::nullopt;
  o.maxTries = static_cast<std::uint64_t>(maxTries);
  o.timeoutSeconds = timeout;
  o.outputFolder = a.valueOr("-o", "");
  if (a.has("-o") && o.outputFolder.empty()) {
    usageError(console, "-o needs a folder");
    return std::nullopt;
  }
  if (const std::string* s = a.value("--seed")) {
    const std::optional<long long> seed = wholeNumber(*s);
    if (!seed || *seed < 0 || *seed > 0xFFFFFFFFll) {
      usageError(console, "--seed takes a number from 0 to 4294967295, not '" + *s + "'");
      return std::nullopt;
    }
    o.seed = static_cast<std::uint32_t>(*seed);
  }
  if (const std::string* e = a.value("--encoding")) {
    const std::optional<WordListEncoding> encoding = parseWordListEncoding(*e);
    if (!encoding) {
      usageError(console, "--encoding takes auto, utf-8 or cp1252, not '" + *e + "'");
      return std::nullopt;
    }
    o.encoding = *encoding;
  }
  if (const std::string* r = a.value("--restart")) {
    const std::optional<RestartPolicy> policy = RestartPolicy::parse(*r);
    if (!policy) {
      usageError(console, "--restart takes none, fixed:N or luby:U, not '" + *r + "'");
      return std::nullopt;
    }
    o.restart = *policy;
  }
  if (const std::string* f = a.value("--fill")) {
    if (*f != "fast" && *f != "path") {
      usageError(console, "--fill takes fast or path, not '" + *f + "'");
      return std::nullopt;
    }
    o.fill = *f == "path" ? FillKind::Path : FillKind::Fast;
  }
  o.forced.forcedFile = a.valueOr("--forced", "");
  o.forced.wordFile = a.valueOr("--word-file", "");
  if (!a.number("--draw", o.forced.draw, console))
    return std::nullopt;
  if (!o.forced.consistent(o.withLetters, console.stream())) return std::nullopt;
  // Forced words are placed first and the rest is filled around them along
  // a path laid for them: that is the path fill's work.
  if (o.forced.wanted()) {
    if (o.fill == FillKind::Fast && a.has("--fill")) {
      usageError(console, "--forced and --draw fill with --fill path");
      return std::nullopt;
    }
    o.fill = FillKind::Path;
  }
  // The floor leaves words out of the fast fill's index; the path fill
  // searches the word store as the window loads it.
  if (a.has("--min-score") && o.fill == FillKind::Path) {
    usageError(console, o.forced.wanted() ? "--min-score cannot be used with --forced or --draw"
                                          : "--min-score works with --fill fast only");
    return std::nullopt;
  }
  if (a.positional.size() != 1) {
    usageError(console, a.positional.empty() ? "which template?" : "one template at a time");
    return std::nullopt;
  }
  o.templatePath = a.positional[0];
  return o;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of the whole process so far (all threads, user and
// system): on a busy machine it says what a phase cost where the clock on
// the wall says how long it waited as well.
double processorSeconds() {
  rusage usage{};
  if (::getrusage(RUSAGE_SELF, &usage) != 0) return 0;
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string jsonString(std::string_view s) {
  std::string out = "\"";
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string fixed3(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", value);
  return buf;
}

// Seconds to the microsecond: a fast fill takes well under a millisecond.
std::string fixed6(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6f", value);
  return buf;
}

// The output folder, made if missing; empty (reason said) when no file can
// be written there.
std::string prepareOutputFolder(const std::string& folder, Console& console) {
  if (!Files::exists(folder) && !Files::createFolders(folder)) {
    console.say("cannot make the output folder " + folder);
    return {};
  }
  if (!Files::isFolder(folder)) {
    console.say("the output folder " + folder + " is not a folder");
    return {};
  }
  if (!Files::canWriteInto(folder)) {
    console.say("cannot write into the output folder " + folder);
    return {};
  }
  return folder;
}

// Warns about a template language the tables cannot serve as asked.
void checkLanguage(const std::string& templatePath, LanguageId stored, Console& console) {
  const int given = Profile(templatePath, "Skabelon").getInt("Sprog", 0);
  const std::optional<LanguageId> id = languageFromNumber(given);
  if (!id)
    console.say("warning: Sprog=" + std::to_string(given) +
                " in the template is no language number; the English tables are used (" +
                languageList() + ")");
  else if (!hasLetterTables(*id))
    console.say("warning: Sprog=" + std::to_string(given) + " in the template: " +
                languageName(*id) + " has no letter tables yet; the Danish tables are used");
  console.setLanguage(stored);
}

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(
      std::chrono::system_clock::now().time_since_epoch().count() ^ ::getpid());
}

void writeProgress(GenerateBatch& batch, std::chrono::steady_clock::time_point start,
                   std::ostream& err) {
  const std::lock_guard<std::mutex> guard(batch.lock);
  err << "\rgenerate: " << batch.saved.load() << "/" << batch.count << " saved, "
      << batch.tries.load() << " tries, " << fixed3(secondsSince(start)).c_str() << " s   "
      << std::flush;
}

struct PhaseTimes {
  double loadSeconds = 0, loadCpuSeconds = 0;
  double generateSeconds = 0, generateCpuSeconds = 0;
};

void writeJson(int jobCount, GenerateBatch& batch, const PhaseTimes& times, bool interrupted,
               std::ostream& out) {
  out << "{\"saved\": " << batch.saved.load() << ", \"tries\": " << batch.tries.load()
      << ", \"entries\": " << batch.entries.load() << ", \"rejected\": " << batch.rejected.load()
      << ", \"load_seconds\": " << fixed6(times.loadSeconds)
      << ", \"generate_seconds\": " << fixed6(times.generateSeconds)
      << ", \"load_cpu_seconds\": " << fixed6(times.loadCpuSeconds)
      << ", \"generate_cpu_seconds\": " << fixed6(times.generateCpuSeconds)
      << ", \"seed\": " << batch.seed
      << ", \"jobs\": " << jobCount
      << ", \"fill\": " << (batch.fill == FillKind::Path ? "\"path\"" : "\"fast\"")
      << ", \"restart\": "
      << jsonString((batch.fill == FillKind::Fast && !batch.restartChosen ? batch.restartUsed
                                                                          : batch.restart)
                        .text())
      << ", \"interrupted\": " << (interrupted ? "true" : "false")
      << ", \"gave_up\": " << (batch.gaveUp.load() ? "true" : "false") << ", \"files\": [";
  for (std::size_t i = 0; i < batch.files.size(); ++i)
    out << (i ? ", " : "") << jsonString(batch.files[i].second);
  out << "]";
  if (batch.forced) {
    // The forced words of each file, in the order of "files".
    out << ", \"forced_words\": [";
    for (std::size_t i = 0; i < batch.files.size(); ++i) {
      out << (i ? ", " : "") << "[";
      const std::vector<std::string>& words = batch.forcedOf[batch.files[i].first];
      for (std::size_t k = 0; k < words.size(); ++k)
        out << (k ? ", " : "") << jsonString(cp1252ToUtf8(words[k]));
      out << "]";
    }
    out << "]";
  }
  if (!batch.scoreOf.empty()) {
    // The scores of each file's words, in the order of "files".
    out << ", \"word_scores\": [";
    for (std::size_t i = 0; i < batch.files.size(); ++i) {
      const GenerateBatch::ScoreSummary& s = batch.scoreOf[batch.files[i].first];
      out << (i ? ", " : "") << "{\"lowest\": " << s.lowest << ", \"mean\": " << fixed3(s.mean) << "}";
    }
    out << "]";
  }
  out << "}\n";
}

}  // namespace

std::span<const Option> generateOptions() { return kOptions; }

int runGenerateCommand(const Args& args, std::ostream& out, std::ostream& err) {
  Console console(err, "generate");
  bool help = false;
  std::optional<Options> parsed = parseOptions(args, console, help);
  if (help) return printUsage(out, usage());
  if (!parsed) return ExitUsage;
  Options& o = *parsed;

  // The template itself: there, and a template.
  Language danish;
  InputFile skb;
  if (!readInput(console, o.templatePath, danish, skb)) return ExitFailed;
  if (skb.kind != FileKind::Template) {
    refuseKind(console, skb, "a generation template (an INI file with a [Skabelon] section)");
    return ExitFailed;
  }
  const std::string& templatePath = skb.path;
  const std::string workFolder = Files::parentFolder(templatePath);

  GenerateBatch batch;
  batch.count = o.count;
  batch.seed = o.seed ? *o.seed : clockSeed();
  batch.withLetters = o.withLetters;
  batch.fill = o.fill;
  batch.restart = o.restart ? *o.restart
                            : o.fill == FillKind::Path ? *RestartPolicy::parse(kDefaultRestart)
                                                       : fastFillRestart(0);
  batch.restartChosen = o.restart.has_value();
  batch.maxTries = o.maxTries;
  batch.encoding = o.encoding;
  batch.forced = o.forced.wanted();
  batch.minScore = o.minScore;
  // More jobs than crosswords would only load dictionaries.
  const int jobCount = std::min(o.jobs, o.count);
  // Every attempt of the fast fill allocates its candidate sets afresh, a
  // few hundred kilobytes. By default the C library hands such blocks back
  // to the kernel at every free (a munmap, or trimming a thread's heap),
  // and each hand-back stops the other jobs' cores to flush their address
  // maps: a fifth of a batch's time. Keeping freed memory for the next fill
  // costs no more than the largest fill holds at once.
  ::mallopt(M_MMAP_THRESHOLD, 64 << 20);
  ::mallopt(M_TRIM_THRESHOLD, 256 << 20);

  InterruptGuard interrupts;
  PhaseTimes times;
  const auto loadStart = std::chrono::steady_clock::now();
  const double loadCpuStart = processorSeconds();
  std::vector<std::unique_ptr<GenerateJob>> jobs;
  // The output folder: -o DIR, else the template's DestDir, else the
  // installation's, else the template's folder. The loader reads the
  // installation's value only when it is there: without an installation
  // it would show a registry error for nothing.
  std::string outputFolder = o.outputFolder.empty() ? "" : Files::absolutePath(o.outputFolder);
  jobs.push_back(std::make_unique<GenerateJob>(batch, console, workFolder, false));
  GenerateJob& first = *jobs.front();
  if (outputFolder.empty() && Profile(templatePath, "Skabelon").getString("DestDir").empty()) {
    const std::string installed = installedOutputFolder(first.context());
    outputFolder = installed.empty() ? workFolder : first.context().locate(installed);
  }
  const bool outputGiven = !outputFolder.empty();
  first.context().outputFolderGiven = outputGiven;
  // The files it names, where the loader will look for them.
  const std::vector<std::string> missing = checkTemplateFiles(first.context(), templatePath);
  for (const std::string& problem : missing) console.say(o.templatePath + ": " + problem);
  if (!missing.empty()) return ExitFailed;
  if (!first.load(templatePath))
    return console.fail("cannot use the template " + o.templatePath);
  checkLanguage(templatePath, first.context().currentTemplate.language, console);
  if (const std::vector<std::string> problems = first.loadProblems(); !problems.empty()) {
    for (const std::string& line : problems)
      if (line.starts_with("  ")) console.detail(line.substr(2));
      else console.say(line);
    return ExitFailed;
  }
  if (o.forced.wanted() && !o.forced.prepare(first.context(), batch, console.stream()))
    return ExitFailed;
  batch.outputFolder = prepareOutputFolder(
      outputGiven ? outputFolder : first.context().outputFolder(), console);
  if (batch.outputFolder.empty()) return ExitFailed;

  // The other jobs load the same files side by side; the first one has
  // shown that they load.
  if (jobCount > 1) {
    std::vector<std::thread> loaders;
    std::vector<char> loaded(static_cast<std::size_t>(jobCount), 1);
    for (int j = 1; j < jobCount; ++j) {
      jobs.push_back(std::make_unique<GenerateJob>(batch, console, workFolder, outputGiven));
      jobs.back()->ui().setMuted(true);
    }
    for (int j = 1; j < jobCount; ++j)
      loaders.emplace_back([&, j] {
        GenerateJob& job = *jobs[static_cast<std::size_t>(j)];
        loaded[static_cast<std::size_t>(j)] =
            job.load(templatePath) && job.loadProblems().empty() ? 1 : 0;
        job.ui().setMuted(false);
      });
    for (std::thread& t : loaders) t.join();
    if (std::find(loaded.begin(), loaded.end(), 0) != loaded.end())
      return console.fail("cannot use the template " + o.templatePath);
  }
  times.loadSeconds = secondsSince(loadStart);
  times.loadCpuSeconds = processorSeconds() - loadCpuStart;

  const bool progress = &err == &std::cerr && ::isatty(STDERR_FILENO);
  const auto generateStart = std::chrono::steady_clock::now();
  const double generateCpuStart = processorSeconds();
  // One job with nothing to watch while it runs (no progress line, no time
  // limit) runs on this thread: that spares starting a thread, its memory
  // arena and its first page faults, a third of the time of a small fill.
  // Ctrl-C then stops it through the batch's flag, which the signal sets.
  if (jobCount == 1 && !progress && o.timeoutSeconds <= 0) {
    interrupts.alsoRaise(batch.stop);
    if (interrupts.requested()) batch.requestStop();
    jobs.front()->run();
    const std::lock_guard<std::mutex> shown(batch.lock);
    console.flush();
  } else {
    std::mutex doneLock;
    std::condition_variable doneSignal;
    int running = jobCount;
    std::vector<std::thread> threads;
    for (auto& job : jobs)
      threads.emplace_back([&, j = job.get()] {
        j->run();
        {
          const std::lock_guard<std::mutex> guard(doneLock);
          --running;
        }
        doneSignal.notify_all();
      });
    {
      std::unique_lock<std::mutex> guard(doneLock);
      while (running > 0) {
        doneSignal.wait_for(guard, std::chrono::milliseconds(100));
        if (interrupts.requested()) batch.requestStop();
        if (o.timeoutSeconds > 0 && secondsSince(generateStart) >= o.timeoutSeconds)
          batch.giveUp();
        if (progress) writeProgress(batch, generateStart, err);
        const std::lock_guard<std::mutex> shown(batch.lock);
        console.flush();
      }
    }
    for (std::thread& t : threads) t.join();
  }
  times.generateSeconds = secondsSince(generateStart);
  times.generateCpuSeconds = processorSeconds() - generateCpuStart;
  if (progress) err << "\n";

  std::sort(batch.files.begin(), batch.files.end());
  if (o.json) {
    writeJson(jobCount, batch, times, interrupts.requested(), out);
  } else {
    for (const auto& file : batch.files) out << file.second << "\n";
  }
  if (batch.failed.load()) return ExitFailed;
  if (batch.saved.load() < batch.count) {
    const std::string made = "stopped after " + std::to_string(batch.saved.load()) + " of " +
                             std::to_string(batch.count) + " crosswords";
    if (interrupts.requested()) {
      console.say(made);
      return ExitInterrupted;
    }
    console.say(made + " and " + groupedNumber(static_cast<long long>(batch.tries.load())) +
                " tries: " +
                (o.maxTries != 0 && batch.tries.load() >= o.maxTries
                     ? "--max-tries " + std::to_string(o.maxTries) + " reached"
                     : "--timeout of " + std::to_string(static_cast<int>(o.timeoutSeconds)) +
                           " s reached"));
    return ExitGaveUp;
  }
  return ExitOk;
}

}  // namespace vorkel
