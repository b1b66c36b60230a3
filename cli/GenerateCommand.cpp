// `vorkel generate`: makes raw crosswords from a generation template in a
// batch, without a window.
//
//   vorkel generate TEMPLATE.skb [-n COUNT] [-o DIR] [--seed S] [--with-letters]
//                   [--jobs J] [--json] [--restart none|fixed:N|luby:U]
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

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/ApplicationContext.h"
#include "cli/Commands.h"
#include "cli/GenerateBatch.h"
#include "cli/GenerateJob.h"
#include "cli/RestartPolicy.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr const char* kUsage =
    "usage: vorkel generate TEMPLATE.skb [-n COUNT] [-o DIR] [--seed S] [--with-letters]\n"
    "                       [--jobs J] [--json] [--restart none|fixed:N|luby:U]\n"
    "\n"
    "  -n COUNT        raw crosswords to save (default 1)\n"
    "  -o DIR          output folder (default: the template's DestDir)\n"
    "  --seed S        seed of the run (default: from the clock; reported with --json)\n"
    "  --with-letters  keep the model's letters instead of placing seed letters\n"
    "  --jobs J        generators in parallel (default 1)\n"
    "  --json          print a summary as JSON on stdout instead of the file names\n"
    "  --restart P     give up an attempt after a budget of fill steps:\n"
    "                  none, fixed:N (N steps) or luby:U (U times 1 1 2 1 1 2 4 ...)\n";

// The default restart policy, chosen from measurements on the six stock
// models (fill steps per saved crossword, summed over the models: luby:4000
// about 93000, fixed:4000 96000, luby:2000 116000, fixed:16000 130000; with
// no restarts three of the models did not finish 20 crosswords in 60 s).
constexpr const char* kDefaultRestart = "luby:4000";
constexpr int kMaxJobs = 64;

// Ctrl-C. The handler can only set a flag of this type; the wait loop reads
// it and tells the jobs. The one piece of process-wide state of the command.
volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterrupt(int) { interruptRequested = 1; }

// Installs the Ctrl-C handler for the life of the object. SA_RESETHAND puts
// the default back after the first signal, so a second Ctrl-C ends the
// program even when an attempt will not stop.
class InterruptGuard {
 public:
  InterruptGuard() {
    interruptRequested = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    installed_ = ::sigaction(SIGINT, &action, &previous_) == 0;
  }
  ~InterruptGuard() {
    if (installed_) ::sigaction(SIGINT, &previous_, nullptr);
  }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  struct sigaction previous_ {};
  bool installed_ = false;
};

struct Options {
  std::string templatePath;
  int count = 1;
  std::string outputFolder;
  std::optional<std::uint32_t> seed;
  bool withLetters = false;
  int jobs = 1;
  bool json = false;
  RestartPolicy restart = *RestartPolicy::parse(kDefaultRestart);
};

std::optional<Options> parseOptions(const Args& args, std::ostream& err) {
  Options o;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--with-letters") {
      o.withLetters = true;
      continue;
    }
    if (a == "--json") {
      o.json = true;
      continue;
    }
    if (a.size() < 2 || a[0] != '-') {
      positional.push_back(a);
      continue;
    }
    const bool takesValue =
        a == "-n" || a == "-o" || a == "--seed" || a == "--jobs" || a == "--restart";
    if (!takesValue) {
      err << "vorkel generate: unknown option " << a << "\n" << kUsage;
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      err << "vorkel generate: option " << a << " needs a value\n";
      return std::nullopt;
    }
    const std::string& v = args[++i];
    bool ok = true;
    if (a == "-n") {
      ok = parseNumber(v, o.count) && o.count >= 1;
    } else if (a == "-o") {
      ok = !v.empty();
      o.outputFolder = v;
    } else if (a == "--seed") {
      std::uint32_t s = 0;
      ok = parseNumber(v, s);
      o.seed = s;
    } else if (a == "--jobs") {
      ok = parseNumber(v, o.jobs) && o.jobs >= 1 && o.jobs <= kMaxJobs;
    } else {
      const std::optional<RestartPolicy> policy = RestartPolicy::parse(v);
      ok = policy.has_value();
      if (policy) o.restart = *policy;
    }
    if (!ok) {
      err << "vorkel generate: bad value '" << v << "' for " << a << "\n";
      return std::nullopt;
    }
  }
  if (positional.size() != 1) {
    err << kUsage;
    return std::nullopt;
  }
  o.templatePath = positional[0];
  return o;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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

bool readable(const std::string& path) {
  return Files::isFile(path) && ::access(path.c_str(), R_OK) == 0;
}

// After a failed load: the first file the template names that cannot be
// read where it says (the template loader's own message does not name it).
void nameMissingFile(ApplicationContext& context, const std::string& templatePath,
                     std::ostream& err) {
  struct Key {
    const char* key;
    const char* fallback;
  };
  static constexpr Key keys[] = {{"Model", "PuslFlad.ktd"},
                                 {"Trie", "dksort.dic"},
                                 {"Vej", "Puslflad.vej"},
                                 {"Parametre", "Default.par"}};
  const Profile skb(templatePath, "Skabelon");
  for (const Key& k : keys) {
    const std::string name = skb.getString(k.key, k.fallback, Template::MaxValue);
    if (!readable(context.locate(name))) {
      err << "vorkel generate: " << k.key << "=" << name << " in the template: cannot read "
          << context.locate(name) << "\n";
      return;
    }
  }
}

// The output folder, made if missing; empty (reason shown) when no file can
// be written there.
std::string prepareOutputFolder(const std::string& folder, std::ostream& err) {
  if (!Files::exists(folder) && !Files::createFolders(folder)) {
    err << "vorkel generate: cannot make the output folder " << folder << "\n";
    return {};
  }
  if (!Files::isFolder(folder)) {
    err << "vorkel generate: the output folder " << folder << " is not a folder\n";
    return {};
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    err << "vorkel generate: cannot write into the output folder " << folder << "\n";
    return {};
  }
  return folder;
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

void writeJson(int jobCount, GenerateBatch& batch, double loadSeconds,
               double generateSeconds, std::ostream& out) {
  out << "{\"saved\": " << batch.saved.load() << ", \"tries\": " << batch.tries.load()
      << ", \"entries\": " << batch.entries.load() << ", \"rejected\": " << batch.rejected.load()
      << ", \"load_seconds\": " << fixed3(loadSeconds)
      << ", \"generate_seconds\": " << fixed3(generateSeconds) << ", \"seed\": " << batch.seed
      << ", \"jobs\": " << jobCount << ", \"restart\": " << jsonString(batch.restart.text())
      << ", \"interrupted\": " << (interruptRequested ? "true" : "false") << ", \"files\": [";
  for (std::size_t i = 0; i < batch.files.size(); ++i)
    out << (i ? ", " : "") << jsonString(batch.files[i].second);
  out << "]}\n";
}

}  // namespace

int runGenerateCommand(const Args& args, std::ostream& out, std::ostream& err) {
  std::optional<Options> parsed = parseOptions(args, err);
  if (!parsed) return 2;
  Options& o = *parsed;

  const std::string templatePath =
      Files::findCaseInsensitive(Files::absolutePath(o.templatePath));
  if (!readable(templatePath)) {
    err << "vorkel generate: cannot read the template " << o.templatePath << "\n";
    return 1;
  }
  const std::string workFolder = Files::parentFolder(templatePath);

  GenerateBatch batch;
  batch.count = o.count;
  batch.seed = o.seed ? *o.seed : clockSeed();
  batch.withLetters = o.withLetters;
  batch.restart = o.restart;
  // More jobs than crosswords would only load dictionaries.
  const int jobCount = std::min(o.jobs, o.count);

  InterruptGuard interrupts;
  const auto loadStart = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<GenerateJob>> jobs;
  jobs.push_back(std::make_unique<GenerateJob>(batch, err, workFolder));
  GenerateJob& first = *jobs.front();
  if (!first.load(templatePath)) {
    nameMissingFile(first.context(), templatePath, err);
    err << "vorkel generate: cannot use the template " << o.templatePath << "\n";
    return 1;
  }
  if (const std::string problem = first.loadProblem(); !problem.empty()) {
    err << "vorkel generate: " << problem << "vorkel generate: cannot use the template "
        << o.templatePath << "\n";
    return 1;
  }
  batch.outputFolder = prepareOutputFolder(
      o.outputFolder.empty() ? first.context().outputFolder()
                             : Files::absolutePath(o.outputFolder),
      err);
  if (batch.outputFolder.empty()) return 1;

  // The other jobs load the same files side by side; the first one has
  // shown that they load.
  if (jobCount > 1) {
    std::vector<std::thread> loaders;
    std::vector<char> loaded(static_cast<std::size_t>(jobCount), 1);
    for (int j = 1; j < jobCount; ++j) {
      jobs.push_back(std::make_unique<GenerateJob>(batch, err, workFolder));
      jobs.back()->ui().setMuted(true);
    }
    for (int j = 1; j < jobCount; ++j)
      loaders.emplace_back([&, j] {
        GenerateJob& job = *jobs[static_cast<std::size_t>(j)];
        loaded[static_cast<std::size_t>(j)] =
            job.load(templatePath) && job.loadProblem().empty() ? 1 : 0;
        job.ui().setMuted(false);
      });
    for (std::thread& t : loaders) t.join();
    if (std::find(loaded.begin(), loaded.end(), 0) != loaded.end()) {
      err << "vorkel generate: cannot use the template " << o.templatePath << "\n";
      return 1;
    }
  }
  const double loadSeconds = secondsSince(loadStart);

  const bool progress = &err == &std::cerr && ::isatty(STDERR_FILENO);
  const auto generateStart = std::chrono::steady_clock::now();
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
      if (interruptRequested) batch.requestStop();
      if (progress) writeProgress(batch, generateStart, err);
    }
  }
  for (std::thread& t : threads) t.join();
  const double generateSeconds = secondsSince(generateStart);
  if (progress) err << "\n";

  std::sort(batch.files.begin(), batch.files.end());
  if (o.json) {
    writeJson(jobCount, batch, loadSeconds, generateSeconds, out);
  } else {
    for (const auto& file : batch.files) out << file.second << "\n";
  }
  if (batch.failed.load()) return 1;
  if (batch.saved.load() < batch.count) {
    err << "vorkel generate: stopped after " << batch.saved.load() << " of " << batch.count
        << " crosswords\n";
    return 130;
  }
  return 0;
}

}  // namespace vorkel
